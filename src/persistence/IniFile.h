#pragma once
// The INI container of driver, project, settings and version files.
//
// Written form: lines end in CR LF; "[Section]" headers; "key=value" entries without blanks
// around "="; one empty line between sections, none after the last. Values are stored byte
// for byte (UTF-8). Section and key names match without regard to ASCII letter case.
//
// Loading an existing file keeps its content: writing a key that exists replaces its value
// in place, a new key goes to the end of its section, a new section to the end of the file,
// an empty value removes the key, and everything not written stays as it was. Reading is
// tolerant of what the program never writes: comment lines (";" or "#"), lines without
// "=", blanks around names and values, LF-only line ends, a UTF-8 byte-order mark, repeated
// sections (merged) and duplicate keys (the first wins).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bextor {

class TIniFile {
public:
  // Loads `path` when it exists; a missing file gives an empty container. A file that
  // exists but cannot be read raises EFileError ("path: reason").
  explicit TIniFile(std::string path);
  // A container holding `content` as if read from a file; UpdateFile is not available.
  static TIniFile FromText(std::string_view content);

  const std::string& FileName() const { return path_; }

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key, std::string_view default_value) const;
  // A decimal integer within 32 bits; a missing key or other text gives the default.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t default_value) const;
  // True exactly when the text starts with "1"; a missing key or empty text gives the default.
  bool ReadBool(std::string_view section, std::string_view key, bool default_value) const;

  // An empty value removes the key. Line breaks inside a value are stored as blanks so
  // that no value can break the line structure of the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // As WriteString, but an empty value is written as "key=" (the settings file's object keys).
  void WriteValue(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // General format, 15 significant digits, the locale's decimal separator; a value that
  // is not finite is written as 0.
  void WriteFloat(std::string_view section, std::string_view key, double value);

  // The file content as UpdateFile writes it.
  std::string Text() const;
  // Writes the content to the file atomically (the previous file stays intact on failure).
  // Raises EFileError ("path: reason").
  void UpdateFile() const;

private:
  TIniFile() = default;

  struct TLine {
    std::string Key;    // empty for a line that is not an entry (comment, text without "=")
    std::string Value;
    std::string Raw;    // the line as read; empty once the entry has been written
  };
  struct TSection {
    std::string Name;
    bool HasHeader = true;  // false for lines before the first header
    std::vector<TLine> Lines;
  };

  void Parse(std::string_view content);
  const TLine* FindEntry(std::string_view section, std::string_view key) const;
  TSection* FindSection(std::string_view section);
  const TSection* FindSection(std::string_view section) const;

  std::string path_;
  std::vector<TSection> sections_;
};

}  // namespace bextor
