#include "persistence/IniValues.h"

#include "common/Errors.h"
#include "persistence/IniFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace bextor {
namespace {

class IniValuesBothSeparators : public ::testing::TestWithParam<char> {
protected:
  test::TDecimalSeparatorScope separator_{GetParam()};
};

TEST_P(IniValuesBothSeparators, StrToFloatAnyReadsEitherMark) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"0.35", 0.35}, {"0,35", 0.35}, {"1E-5", 0.00001}, {"1e-5", 0.00001},
               {"", 0.0},      {"1,000.5", 0.0}, {"abc", 0.0},    {"-12.5E2", -1250.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrToFloatAny(c.text), c.value);
  }
}

TEST_P(IniValuesBothSeparators, FloatToStrDotAlwaysUsesAPoint) {
  EXPECT_EQ(FloatToStrDot(293.15), "293.15");
  EXPECT_EQ(FloatToStrDot(1.5e-7), "1.5E-7");
  EXPECT_EQ(FloatToStrDot(std::nan("")), "0");
}

TEST_P(IniValuesBothSeparators, FloatWrittenUnderOneSeparatorReadsUnderTheOther) {
  TIniFile ini = TIniFile::FromText("");
  ini.WriteFloat("Driver", "Qts", 0.0039);
  const std::string text = ini.Text();
  EXPECT_EQ(text, std::string("[Driver]\r\nQts=0") + GetParam() + "0039\r\n");
  test::TDecimalSeparatorScope other(GetParam() == '.' ? ',' : '.');
  EXPECT_EQ(StrToFloatAny(TIniFile::FromText(text).ReadString("Driver", "Qts", "0")), 0.0039);
}

INSTANTIATE_TEST_SUITE_P(Separators, IniValuesBothSeparators, ::testing::Values('.', ','));

TEST(IniDates, EightCharacterDatesAreCalendarDates) {
  EXPECT_EQ(IniStrToDate("20120229"), EncodeDate(2012, 2, 29));
  EXPECT_EQ(IniStrToDate("18991230"), 0.0);
  EXPECT_EQ(IniStrToDate("00010101"), EncodeDate(1, 1, 1));
  for (const char* text : {"20120230", "20121301", "20120001", "20120100", "00000101", "2012ab01", "20110229"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(IniStrToDate(text), EConvertError);
  }
}

TEST(IniDates, OtherLengthsGiveTheCurrentMoment) {
  const TDateTime now = EncodeDate(2026, 12, 11) + 0.75;
  test::TFixedNowScope fixed(now);
  EXPECT_EQ(IniStrToDate("2012229"), now);
  EXPECT_EQ(IniStrToDate(""), now);
  EXPECT_EQ(IniStrToDate("201202290"), now);
}

TEST(IniDates, DatesAreWrittenAsYearMonthDay) {
  test::TFixedNowScope fixed(EncodeDate(2026, 12, 11) + 0.5);
  EXPECT_EQ(DateToIniStr(EncodeDate(2012, 2, 29) + 0.99), "20120229");
  EXPECT_EQ(DateToIniStr(EncodeDate(987, 3, 4)), "09870304");
  EXPECT_EQ(DateToIniStr(std::nan("")), "20261211");
  EXPECT_EQ(DateToIniStr(1e300), "20261211");
  EXPECT_EQ(IniStrToDate(DateToIniStr(Today())), Today());
}

TEST(IniText, MultiLineTextsTravelAsOneLine) {
  EXPECT_EQ(TextToIni("first\r\nsecond"), "first\xA4second");
  EXPECT_EQ(TextToIni("a\nb\rc\r\n\r\nd"), "a\xA4" "b\xA4" "c\xA4\xA4" "d");
  EXPECT_EQ(IniToText("first\xA4second"), "first\r\nsecond");
  // "ä" (C3 A4) and "¤" (C2 A4) keep their 0xA4 byte; a stray one is a line break.
  const std::string umlaut = "M\xC3\xA4rz \xC2\xA4 \xE2\x82\xAC";
  EXPECT_EQ(IniToText(TextToIni(umlaut + "\r\nline 2")), umlaut + "\r\nline 2");
  EXPECT_EQ(IniToText("\xC3\xC3\xA4"), "\xC3\xC3\xA4");
  EXPECT_EQ(IniToText("\xE2\xA4x"), "\xE2\r\nx");  // a cut-off character
  EXPECT_EQ(IniToText("\xA4\xA4"), "\r\n\r\n");
}

TEST(FileNames, NineCharactersAreForbidden) {
  EXPECT_FALSE(IsValidFileName(""));
  for (const char* bad : {"a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(IsValidFileName(bad));
  }
  EXPECT_TRUE(IsValidFileName("My box 2.1 (ported)"));
  EXPECT_EQ(SafeFileName("a\"b*c/d:e<f>g?h\\i|j k.l9"), "a_b_c_d_e_f_g_h_i_j k.l9");
  EXPECT_EQ(SafeFileName(""), "");
}

}  // namespace
}  // namespace bextor
