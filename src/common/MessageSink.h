#pragma once
// The one way the core shows a message to the user: the GUI installs a sink that opens a
// message box, the CLI one that prints to stderr, tests one that records.

#include <string>

namespace bextor {

class TMessageSink {
public:
  virtual ~TMessageSink() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

// Installs the sink (not owned; nullptr restores the default, which writes to stderr).
void SetMessageSink(TMessageSink* sink);
void ShowMessage(const std::string& text);

}  // namespace bextor
