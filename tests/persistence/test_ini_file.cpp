#include "persistence/IniFile.h"

#include "common/Errors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>


namespace bextor {
namespace {

using test::ReadFile;
using test::TTempFolder;
using test::WriteFile;

TEST(IniFile, NewFileListsSectionsAndKeysInOrderOfFirstWriting) {
  TTempFolder folder;
  TIniFile ini(folder.File("new.ini"));
  ini.WriteString("Driver", "Brand", "Acme");
  ini.WriteInteger("Box", "BType", 1);
  ini.WriteString("Driver", "Model", "W 8");
  ini.WriteBool("Box", "TLPorts", true);
  ini.WriteString("Driver", "Brand", "Acme Audio");  // replaced in place
  ini.UpdateFile();
  EXPECT_EQ(ReadFile(folder.File("new.ini")),
            "[Driver]\r\nBrand=Acme Audio\r\nModel=W 8\r\n\r\n[Box]\r\nBType=1\r\nTLPorts=1\r\n");
}

TEST(IniFile, WritingIntoAnExistingFileKeepsWhatItDoesNotTouch) {
  TTempFolder folder;
  const std::string path = folder.File("old.ini");
  WriteFile(path,
            "\xEF\xBB\xBF; made by hand\n[Driver]\nBrand = Acme \n; a comment\nFs=30\nfs=99\n"
            "odd line\n\n[Other]\nKeep=me\n[driver]\nLate=1\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("DRIVER", "brand", "?"), "Acme");  // names without case, blanks trimmed
  EXPECT_EQ(ini.ReadString("Driver", "FS", "?"), "30");       // the first duplicate wins
  EXPECT_EQ(ini.ReadString("Driver", "Late", "?"), "1");      // repeated sections are merged
  ini.WriteString("driver", "FS", "31");
  ini.WriteString("Driver", "Qts", "0,35");
  ini.WriteString("Other", "Keep", "");  // an empty value removes the key
  ini.WriteString("Other", "Absent", "");
  ini.WriteString("New", "Key", "v");
  ini.UpdateFile();
  EXPECT_EQ(ReadFile(path),
            "; made by hand\r\n\r\n[Driver]\r\nBrand = Acme \r\n; a comment\r\nFs=31\r\nfs=99\r\nodd line\r\n"
            "Late=1\r\nQts=0,35\r\n\r\n[Other]\r\n\r\n[New]\r\nKey=v\r\n");
  EXPECT_EQ(TIniFile(path).ReadString("Other", "Keep", "default"), "default");
}

TEST(IniFile, ValuesAreStoredByteForByteAndCannotBreakTheLineStructure) {
  const std::string utf8 = "Br\xC3\xA4u \xE2\x82\xAC ;#=[x]\xA4";
  TIniFile ini = TIniFile::FromText("");
  ini.WriteString("S", "Name", utf8);
  ini.WriteString("S", "Injected", "a\r\n[Evil]\nk=v");
  const TIniFile back = TIniFile::FromText(ini.Text());
  EXPECT_EQ(back.ReadString("S", "Name", ""), utf8);
  EXPECT_EQ(back.ReadString("S", "Injected", ""), "a  [Evil] k=v");
  EXPECT_FALSE(back.SectionExists("Evil"));
}

TEST(IniFile, ByteOrderMarksAreNotPartOfALine) {
  const TIniFile ini = TIniFile::FromText(" \r\n\xEF\xBB\xBF\xEF\xBB\xBF[S]\n\xEF\xBB\xBFK=1\n");
  EXPECT_EQ(ini.ReadString("S", "K", ""), "1");
  EXPECT_EQ(ini.Text(), "[S]\r\nK=1\r\n");
}

TEST(IniFile, TypedReadsFallBackToTheirDefaults) {
  const TIniFile ini = TIniFile::FromText(
      "[S]\nInt=-12\nBad=12a\nHuge=4294967296\nT=1\nTrue=1yes\nF=0\nWord=true\nEmpty=\n");
  EXPECT_EQ(ini.ReadInteger("S", "Int", 5), -12);
  EXPECT_EQ(ini.ReadInteger("S", "Bad", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Huge", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Missing", 5), 5);
  EXPECT_TRUE(ini.ReadBool("S", "T", false));
  EXPECT_TRUE(ini.ReadBool("S", "True", false));
  EXPECT_FALSE(ini.ReadBool("S", "F", true));
  EXPECT_FALSE(ini.ReadBool("S", "Word", true));  // true only when the text starts with "1"
  EXPECT_TRUE(ini.ReadBool("S", "Empty", true));
  EXPECT_TRUE(ini.ReadBool("S", "Missing", true));
  EXPECT_EQ(ini.ReadString("S", "Empty", "d"), "");
}

TEST(IniFile, FloatsAreWrittenWithTheLocaleSeparator) {
  for (const char separator : {'.', ','}) {
    test::TDecimalSeparatorScope scope(separator);
    TIniFile ini = TIniFile::FromText("");
    ini.WriteFloat("S", "Qts", 0.0039);
    ini.WriteFloat("S", "Tiny", 1.5e-7);
    ini.WriteFloat("S", "NaN", std::nan(""));
    const std::string expected = separator == '.' ? "[S]\r\nQts=0.0039\r\nTiny=1.5E-7\r\nNaN=0\r\n"
                                                  : "[S]\r\nQts=0,0039\r\nTiny=1,5E-7\r\nNaN=0\r\n";
    EXPECT_EQ(ini.Text(), expected);
  }
}

TEST(IniFile, MissingFileIsEmptyAndAFailedWriteKeepsThePreviousFile) {
  TTempFolder folder;
  const TIniFile missing(folder.File("absent.ini"));
  EXPECT_EQ(missing.ReadString("S", "K", "default"), "default");
  EXPECT_EQ(missing.Text(), "");

  // A write that fails half-way (the file-size limit stops it) must leave the old file.
  const std::string path = folder.File("file.ini");
  WriteFile(path, "[S]\r\nK=old\r\n");
  TIniFile ini(path);
  ini.WriteString("S", "K", std::string(100000, 'x'));
  {
    test::TFileSizeLimit limit(4096);
    EXPECT_THROW(ini.UpdateFile(), EFileError);
  }
  EXPECT_EQ(ReadFile(path), "[S]\r\nK=old\r\n");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"file.ini"});  // no temporary file left
}

TEST(IniFile, UnreadableFileIsAnError) {
  TTempFolder folder;
  // A folder with the file's name exists but cannot be read as a file.
  ASSERT_EQ(mkdir(folder.File("dir.ini").c_str(), 0755), 0);
  try {
    TIniFile ini(folder.File("dir.ini"));
    FAIL() << "no error";
  } catch (const EFileError& error) {
    EXPECT_NE(std::string(error.what()).find("dir.ini"), std::string::npos);
  }
}

}  // namespace
}  // namespace bextor
