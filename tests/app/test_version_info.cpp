#include "app/VersionInfo.h"

#include "common/Errors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace bextor {
namespace {

TEST(VersionInfo, MissingKeysReadAsErrorAndMissingAddressesAsEmpty) {
  const test::TTempFolder shared;
  test::WriteFile(shared.File("version.ini"),
                  "[Version]\r\nReleasedBy=Us\r\n[Internet]\r\nHomePage=https://example.org\r\nForums=\r\n");
  const TVersionInfo info = LoadVersionInfo(shared.Path());
  EXPECT_EQ(info.Number, "-error-");
  EXPECT_EQ(info.ReleasedBy, "Us");
  EXPECT_EQ(info.ReleaseDate, "");
  EXPECT_EQ(info.WebURL, "-error-");
  ASSERT_EQ(info.WebLinks.size(), 6u);
  EXPECT_EQ(info.WebLinks[0].Url, "https://example.org");
  for (std::size_t i = 1; i < info.WebLinks.size(); ++i) EXPECT_EQ(info.WebLinks[i].Url, "") << i;
  EXPECT_EQ(DonationUrl(info), "");
}

TEST(VersionInfo, AMissingFileIsTheProgramPathMessage) {
  const test::TTempFolder shared;
  try {
    LoadVersionInfo(shared.Path());
    FAIL() << "no error";
  } catch (const EFileError& error) {
    EXPECT_STREQ(error.what(), "Can't load version.ini, check your program path!");
  }
}

}  // namespace
}  // namespace bextor
