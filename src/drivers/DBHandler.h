#pragma once
// The driver database: every ".bdr" file of the drivers folder, read into a list of
// drivers on demand and kept until marked stale, and offered as a brand/model tree.

#include "drivers/Driver.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bextor {

class TEnvironment;

// One top-level node of the driver tree: a brand and its drivers in list order.
struct TBrandNode {
  std::string Brand;  // the spelling met first
  std::vector<const TDriverObject*> Models;
};

class TDBHandler {
public:
  // `environment` gives drivers read from files without "roo" or "c" their air.
  explicit TDBHandler(const TEnvironment& environment);

  // The drivers folder, with its trailing separator; does not mark the list stale.
  void SetPath(const std::string& path);
  const std::string& Path() const { return FPath; }

  // Called with each new percentage of a scan (0..100).
  std::function<void(int)> FOnProgress;

  // Scans unless the list is current.
  void EnsureLoaded();
  // The next EnsureLoaded rescans.
  void Invalidate() { FLoaded = false; }
  void Clear();
  // Reads every ".bdr" file (letter case ignored; folders skipped) in file-name order. A
  // file that cannot be read is skipped and reported in Problems(); the rest load.
  void ScanFolder();
  // EnsureLoaded, then the brands in the order of their first driver (compared without
  // letter case), each with its drivers in list order.
  std::vector<TBrandNode> FillTree();

  bool Loaded() const { return FLoaded; }
  const std::vector<std::unique_ptr<TDriverObject>>& Drivers() const { return FDrivers; }
  // What the last scan could not read or had to correct, one "path: reason" each.
  const std::vector<std::string>& Problems() const { return FProblems; }

private:
  void ReportProgress(int percentage);

  const TEnvironment& FEnvironment;
  int FLastPercent = 0;
  bool FLoaded = false;
  std::string FPath;
  std::vector<std::unique_ptr<TDriverObject>> FDrivers;
  std::vector<std::string> FProblems;
};

}  // namespace bextor
