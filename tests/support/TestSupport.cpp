#include "TestSupport.h"

#include <QDir>

#include <fstream>
#include <iterator>

namespace bextor::test {

std::vector<std::string> TTempFolder::Entries() const {
  std::vector<std::string> names;
  for (const QString& name : QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
    names.push_back(name.toStdString());
  return names;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace bextor::test
