// Feeds arbitrary bytes to the INI reader and the value readers: none may crash, hang,
// read out of bounds or lose the file's structure when written back.

#include "common/Errors.h"
#include "common/MessageSink.h"
#include "common/NumberFormat.h"
#include "persistence/IniFile.h"
#include "persistence/IniValues.h"
#include "settings/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

class TSilentSink : public bextor::TMessageSink {
public:
  void ShowMessage(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TSilentSink sink;
  bextor::SetMessageSink(&sink);
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  // The container: a written value reads back, and writing what was read is stable.
  bextor::TIniFile ini = bextor::TIniFile::FromText(text);
  ini.WriteString("Fuzz", "Key", text.substr(0, 64));
  ini.ReadInteger("Fuzz", "Key", 0);
  ini.ReadBool("Fuzz", "Key", false);
  const bextor::TIniFile again = bextor::TIniFile::FromText(ini.Text());
  // (Reading drops blanks around a value; nothing else may change.)
  std::string value = ini.ReadString("Fuzz", "Key", "");
  value.erase(0, value.find_first_not_of(" \t"));
  value.erase(value.find_last_not_of(" \t") + 1);
  if (again.ReadString("Fuzz", "Key", "") != value) std::abort();
  const std::string written = again.Text();
  if (bextor::TIniFile::FromText(written).Text() != written) std::abort();

  // The value readers.
  const double number = bextor::StrToFloatAny(text);
  if (!std::isfinite(number)) std::abort();
  if (const auto parsed = bextor::ParseDecimal(text); parsed) {
    const auto formatted = bextor::FormatGeneral(*parsed, ',');
    if (!formatted || !bextor::ParseDecimal(*formatted)) std::abort();
  }
  for (int kind = 0; kind <= 27; kind += 9) bextor::Str2Val(text, kind, static_cast<int>(size % 7));
  try {
    bextor::IniStrToDate(text);
  } catch (const bextor::EConvertError&) {
  }
  const std::string restored = bextor::IniToText(bextor::TextToIni(text));
  (void)restored;
  bextor::IniToText(text);
  bextor::SafeFileName(text);
  return 0;
}
