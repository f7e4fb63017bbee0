#include "AtomicFile.h"

#include <QSaveFile>

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

}  // namespace bextor
