#include "TestSupport.h"

#include <QDir>

#include <sys/resource.h>

#include <csignal>

#include <fstream>
#include <iterator>

namespace bextor::test {

std::vector<std::string> TTempFolder::Entries() const {
  std::vector<std::string> names;
  for (const QString& name : QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
    names.push_back(name.toStdString());
  return names;
}

TFileSizeLimit::TFileSizeLimit(unsigned long bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  previous_ = limit.rlim_cur;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

TFileSizeLimit::~TFileSizeLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = previous_;
  setrlimit(RLIMIT_FSIZE, &limit);
}

std::string TestData(const std::string& name) { return std::string(BEXTOR_TEST_DATA_DIR) + "/" + name; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace bextor::test
