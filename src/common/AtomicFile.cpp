#include "AtomicFile.h"

#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace bextor {

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  QSaveFile file(QString::fromStdString(path));
  const bool ok = file.open(QIODevice::WriteOnly) &&
                  file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                      static_cast<qint64>(bytes.size()) &&
                  file.commit();
  if (!ok && error) *error = file.errorString().toStdString();
  return ok;
}

TReadResult ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return errno == ENOENT ? TReadResult::Missing : TReadResult::Failed;
  }
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      error = std::strerror(errno);
      ::close(fd);
      return TReadResult::Failed;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return TReadResult::Read;
}

}  // namespace bextor
