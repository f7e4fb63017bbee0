#include "DBHandler.h"

#include "common/Errors.h"
#include "persistence/DriverFile.h"
#include "persistence/IniFile.h"

#include <QDir>
#include <QString>

#include <unordered_map>

namespace bextor {

TDBHandler::TDBHandler(const TEnvironment& environment) : FEnvironment(environment) {}

void TDBHandler::SetPath(const std::string& path) {
  if (path != FPath) FPath = path;
}

void TDBHandler::EnsureLoaded() {
  if (!FLoaded) ScanFolder();
}

void TDBHandler::Clear() {
  FDrivers.clear();
  FLoaded = false;
}

void TDBHandler::ReportProgress(int percentage) {
  if (percentage == FLastPercent || !FOnProgress) return;
  FOnProgress(percentage);
  FLastPercent = percentage;
}

void TDBHandler::ScanFolder() {
  if (FLoaded) return;
  Clear();
  FProblems.clear();
  FLastPercent = 0;  // every scan reports its own percentages
  if (FPath.empty()) return;

  // One listing, sorted by name, of the files (not folders) ending in ".bdr" in any case.
  QDir folder(QString::fromStdString(FPath));
  folder.setNameFilters({QStringLiteral("*.bdr")});
  folder.setFilter(QDir::Files | QDir::Hidden | QDir::System);
  folder.setSorting(QDir::Name);
  const QStringList names = folder.entryList();
  const auto n = names.size();
  FDrivers.reserve(static_cast<std::size_t>(n));
  for (qsizetype k = 1; k <= n; ++k) {
    ReportProgress(static_cast<int>(k * 100 / n));
    const std::string path = FPath + names[k - 1].toStdString();
    try {
      const TIniFile ini(path);
      auto driver = std::make_unique<TDriverObject>(FEnvironment);
      std::vector<std::string> warnings;
      ReadDriverIni(ini, *driver, FEnvironment, warnings);
      driver->SetFileName(path);
      FDrivers.push_back(std::move(driver));
      FProblems.insert(FProblems.end(), warnings.begin(), warnings.end());
    } catch (const EFileError& error) {
      FProblems.emplace_back(error.what());
    } catch (const EBextorError& error) {
      FProblems.push_back(path + ": " + error.what());
    }
  }
  FLoaded = true;
}

std::vector<TBrandNode> TDBHandler::FillTree() {
  EnsureLoaded();
  std::vector<TBrandNode> tree;
  std::unordered_map<std::string, std::size_t> node_of_brand;  // case-folded brand → node
  for (const auto& driver : FDrivers) {
    const std::string key = QString::fromStdString(driver->Data.Brand).toCaseFolded().toStdString();
    const auto [entry, added] = node_of_brand.try_emplace(key, tree.size());
    if (added) tree.push_back({driver->Data.Brand, {}});
    tree[entry->second].Models.push_back(driver.get());
  }
  return tree;
}

}  // namespace bextor
