#pragma once
// The user's unit choice per control, kept in "unitindex.dat": fixed 264-byte little-endian
// records {name length, 255 name bytes, int32 kind, int32 unit index}, keyed by the
// control's component name (exact, case-sensitive). There is no cache: every call reads the
// file, so all windows see a change at once. Writes replace the file atomically.

#include <string>
#include <string_view>

namespace bextor {

class TUnitChoices {
public:
  explicit TUnitChoices(std::string file_path);

  // The stored unit index for a control name; a name not in the file is appended as
  // {name, 0, 0} (the file is created when missing) and gives 0.
  int GetUnitIndex(std::string_view name) const;
  // Stores {name, kind, index}: overwrites the first record of that name, else appends.
  void SetUnitIndex(std::string_view name, int index, int kind) const;

  // Name of the unit a control of this kind currently shows.
  std::string UnitNameOf(std::string_view name, int kind) const;

  struct TCycled {
    std::string UnitName;  // the new unit's name; empty for a kind outside 1..26
    std::string Text;      // the shown value re-expressed in the new unit
  };
  // Switches a control to the next unit of its kind (after the last, or from an index
  // beyond the list, back to 0) and re-expresses the text it shows. The model value is
  // untouched.
  TCycled CycleUnit(std::string_view name, int kind, std::string_view shown_text) const;

  const std::string& FilePath() const { return file_path_; }

private:
  std::string file_path_;
};

constexpr int kUnitChoiceRecordSize = 264;
constexpr int kUnitChoiceNameLength = 255;

// One record as the file stores it; a name longer than 255 bytes is cut to 255.
std::string EncodeUnitChoiceRecord(std::string_view name, int kind, int index);

// Replaces "unitindex.dat" with a copy of "unitindex_default_metric.dat", both in
// `settings_folder`. Returns false, changing nothing, when the default file is missing.
bool ResetUnitsToMetric(const std::string& settings_folder);

}  // namespace bextor
