#include "UnitChoices.h"

#include "common/AtomicFile.h"
#include "settings/NumberText.h"
#include "settings/Units.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <optional>

namespace bextor {
namespace {

void PutInt32(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((bits >> shift) & 0xFF);
}

std::int32_t GetInt32(const char* in) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(in[i]);
  return static_cast<std::int32_t>(bits);
}

std::string_view RecordName(const char* record) {
  return {record + 1, static_cast<unsigned char>(record[0])};
}

std::string_view StoredName(std::string_view name) {
  return name.substr(0, kUnitChoiceNameLength);
}

// The complete records of the file; a partial record at the end is dropped, so a record
// appended later stays aligned. nullopt when the file cannot be read.
std::optional<std::string> ReadRecords(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  const auto complete = bytes.size() - bytes.size() % kUnitChoiceRecordSize;
  return std::string(bytes.constData(), static_cast<std::size_t>(complete));
}

// Offset of the first record named `name`, or nullopt.
std::optional<std::size_t> FindRecord(const std::string& records, std::string_view name) {
  for (std::size_t at = 0; at + kUnitChoiceRecordSize <= records.size(); at += kUnitChoiceRecordSize)
    if (RecordName(records.data() + at) == StoredName(name)) return at;
  return std::nullopt;
}

}  // namespace

std::string EncodeUnitChoiceRecord(std::string_view name, int kind, int index) {
  const std::string_view stored = StoredName(name);
  std::string record;
  record.reserve(kUnitChoiceRecordSize);
  record += static_cast<char>(stored.size());
  record += stored;
  record.append(kUnitChoiceNameLength - stored.size(), '\0');
  PutInt32(record, kind);
  PutInt32(record, index);
  return record;
}

TUnitChoices::TUnitChoices(std::string file_path) : file_path_(std::move(file_path)) {}

int TUnitChoices::GetUnitIndex(std::string_view name) const {
  std::string records = ReadRecords(file_path_).value_or(std::string());
  if (const auto at = FindRecord(records, name)) return GetInt32(records.data() + *at + 260);
  records += EncodeUnitChoiceRecord(name, 0, 0);
  WriteFileAtomically(file_path_, records);  // a failed write is not reported
  return 0;
}

void TUnitChoices::SetUnitIndex(std::string_view name, int index, int kind) const {
  std::string records = ReadRecords(file_path_).value_or(std::string());
  const std::string record = EncodeUnitChoiceRecord(name, kind, index);
  if (const auto at = FindRecord(records, name)) {
    records.replace(*at, kUnitChoiceRecordSize, record);
  } else {
    records += record;
  }
  WriteFileAtomically(file_path_, records);
}

std::string TUnitChoices::UnitNameOf(std::string_view name, int kind) const {
  return std::string(GetUnitInfo(kind, GetUnitIndex(name)).Name);
}

TUnitChoices::TCycled TUnitChoices::CycleUnit(std::string_view name, int kind,
                                              std::string_view shown_text) const {
  int index = GetUnitIndex(name);
  const double value = Str2Val(shown_text, kind, index);
  if (IsQuantityKind(kind)) index = index >= UnitCount(kind) - 1 || index < 0 ? 0 : index + 1;
  SetUnitIndex(name, index, kind);
  return {IsQuantityKind(kind) ? std::string(GetUnitInfo(kind, index).Name) : std::string(),
          Val2Str(kind, index, value)};
}

bool ResetUnitsToMetric(const std::string& settings_folder) {
  QFile source(QString::fromStdString(settings_folder + "unitindex_default_metric.dat"));
  if (!source.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = source.readAll();
  return WriteFileAtomically(settings_folder + "unitindex.dat",
                             std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace bextor
