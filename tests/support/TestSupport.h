#pragma once
// Helpers shared by the core tests.

#include "common/Clock.h"
#include "common/MessageSink.h"
#include "common/NumberFormat.h"

#include <QTemporaryDir>

#include <string>
#include <vector>

namespace bextor::test {

// Records the messages the core shows, instead of printing them.
class TRecordingSink : public TMessageSink {
public:
  TRecordingSink() { SetMessageSink(this); }
  ~TRecordingSink() override { SetMessageSink(nullptr); }
  void ShowMessage(const std::string& text) override { Messages.push_back(text); }
  std::vector<std::string> Messages;
};

// Sets the program's decimal separator for the lifetime of the object.
class TDecimalSeparatorScope {
public:
  explicit TDecimalSeparatorScope(char separator) : previous_(DecimalSeparator()) {
    SetDecimalSeparator(separator);
  }
  ~TDecimalSeparatorScope() { SetDecimalSeparator(previous_); }

private:
  char previous_;
};

// Fixes "now" for the lifetime of the object.
class TFixedNowScope {
public:
  explicit TFixedNowScope(TDateTime now) { SetFixedNow(now); }
  ~TFixedNowScope() { SetFixedNow(std::nullopt); }
};

// A fresh temporary folder, removed afterwards; Path() ends with "/".
class TTempFolder {
public:
  std::string Path() const { return dir_.path().toStdString() + "/"; }
  std::string File(const std::string& name) const { return Path() + name; }
  // Names of the files and folders in it, sorted.
  std::vector<std::string> Entries() const;

private:
  QTemporaryDir dir_;
};

// Limits the size of files this process writes, so that a write fails part-way (this works
// for root too, where file modes do not stop a write).
class TFileSizeLimit {
public:
  explicit TFileSizeLimit(unsigned long bytes);
  ~TFileSizeLimit();

private:
  unsigned long previous_;
};

// Path of a file in tests/data.
std::string TestData(const std::string& name);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace bextor::test
