#pragma once
// The program's version record, read from "version.ini" in the shared program-data folder.

#include <string>
#include <vector>

namespace bextor {

// One of the program's web pages that the help menu's "Internet" items open.
struct TWebLink {
  std::string Key;      // its key in section "Internet" of "version.ini"
  std::string Caption;  // the menu item's caption
  std::string Url;      // empty: the item is hidden
};

struct TVersionInfo {
  std::string Number;
  std::string ReleasedBy;
  std::string ReleaseDate;
  std::string DownloadFrom;
  std::string WebURL;
  std::string AuthorEmail;
  // Home page, forums, two social-media pages, a short-message page, a donation page.
  std::vector<TWebLink> WebLinks;
};

// The donation page's address (empty when version.ini names none).
std::string DonationUrl(const TVersionInfo& info);

// Reads section "Version" of "version.ini" in `shared_data_folder`; a missing key reads
// "-error-" (ReleaseDate: empty); the web pages come from section "Internet". A file that is missing or cannot be read raises
// EFileError "Can't load version.ini, check your program path!".
TVersionInfo LoadVersionInfo(const std::string& shared_data_folder);

}  // namespace bextor
