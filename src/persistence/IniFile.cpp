#include "IniFile.h"

#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/NumberFormat.h"


#include <algorithm>
#include <limits>

namespace bextor {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
  std::string bytes, error;
  switch (ReadWholeFile(path_, bytes, error)) {
    case TReadResult::Missing: return;
    case TReadResult::Failed: throw EFileError(path_ + ": " + error);
    case TReadResult::Read: Parse(bytes); return;
  }
}

TIniFile TIniFile::FromText(std::string_view content) {
  TIniFile ini;
  ini.Parse(content);
  return ini;
}

void TIniFile::Parse(std::string_view content) {
  TSection* current = nullptr;
  while (!content.empty()) {
    const auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // A byte-order mark (normally only at the start of the file) is not part of a line.
    while (line.substr(0, 3) == kByteOrderMark) line.remove_prefix(3);

    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) continue;  // the blank lines between sections are written anew
    if (trimmed.front() == '[' && trimmed.back() == ']' && trimmed.size() >= 2) {
      const std::string_view name = Trim(trimmed.substr(1, trimmed.size() - 2));
      current = FindSection(name);
      if (!current) current = &sections_.emplace_back(TSection{std::string(name), true, {}});
      continue;
    }
    if (!current) current = &sections_.emplace_back(TSection{{}, false, {}});
    const auto equals = trimmed.find('=');
    const bool comment = trimmed.front() == ';' || trimmed.front() == '#';
    const std::string_view key = equals == std::string_view::npos ? std::string_view() : Trim(trimmed.substr(0, equals));
    if (comment || key.empty()) {
      current->Lines.push_back({{}, {}, std::string(line)});
    } else {
      current->Lines.push_back({std::string(key), std::string(Trim(trimmed.substr(equals + 1))), std::string(line)});
    }
  }
}

TIniFile::TSection* TIniFile::FindSection(std::string_view section) {
  for (auto& s : sections_)
    if (s.HasHeader && SameName(s.Name, section)) return &s;
  return nullptr;
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view section) const {
  return const_cast<TIniFile*>(this)->FindSection(section);
}

const TIniFile::TLine* TIniFile::FindEntry(std::string_view section, std::string_view key) const {
  const TSection* s = FindSection(section);
  if (!s) return nullptr;
  for (const auto& line : s->Lines)
    if (!line.Key.empty() && SameName(line.Key, key)) return &line;
  return nullptr;
}

bool TIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindEntry(section, key) != nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view default_value) const {
  const TLine* line = FindEntry(section, key);
  return line ? line->Value : std::string(default_value);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t default_value) const {
  const TLine* line = FindEntry(section, key);
  if (!line) return default_value;
  const auto value = ParseInteger(line->Value);
  if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
      *value > std::numeric_limits<std::int32_t>::max())
    return default_value;
  return static_cast<std::int32_t>(*value);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool default_value) const {
  const TLine* line = FindEntry(section, key);
  if (!line || line->Value.empty()) return default_value;
  return line->Value.front() == '1';
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!value.empty()) return WriteValue(section, key, value);
  if (TSection* s = FindSection(section))
    std::erase_if(s->Lines, [&](const TLine& line) { return !line.Key.empty() && SameName(line.Key, key); });
}

void TIniFile::WriteValue(std::string_view section, std::string_view key, std::string_view value) {
  TSection* s = FindSection(section);
  std::string stored(value);
  std::replace_if(stored.begin(), stored.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  if (!s) s = &sections_.emplace_back(TSection{std::string(section), true, {}});
  for (auto& line : s->Lines) {
    if (!line.Key.empty() && SameName(line.Key, key)) {
      line.Value = std::move(stored);
      line.Raw.clear();  // written anew as key=value
      return;
    }
  }
  s->Lines.push_back({std::string(key), std::move(stored), {}});
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
  WriteString(section, key, FormatGeneral(value, DecimalSeparator()).value_or("0"));
}

std::string TIniFile::Text() const {
  std::string text;
  bool first = true;
  for (const auto& s : sections_) {
    if (!s.HasHeader && s.Lines.empty()) continue;
    if (!first) text += "\r\n";
    first = false;
    if (s.HasHeader) text += "[" + s.Name + "]\r\n";
    for (const auto& line : s.Lines) text += (line.Raw.empty() ? line.Key + "=" + line.Value : line.Raw) + "\r\n";
  }
  return text;
}

void TIniFile::UpdateFile() const {
  if (path_.empty()) throw EFileError("This INI content has no file to be written to");
  std::string error;
  if (!WriteFileAtomically(path_, Text(), &error)) throw EFileError(path_ + ": " + error);
}

}  // namespace bextor
