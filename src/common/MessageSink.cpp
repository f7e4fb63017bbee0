#include "MessageSink.h"

#include <iostream>

namespace bextor {
namespace {

class TStderrSink : public TMessageSink {
public:
  void ShowMessage(const std::string& text) override { std::cerr << text << '\n'; }
};

TStderrSink default_sink;
TMessageSink* current_sink = &default_sink;

}  // namespace

void SetMessageSink(TMessageSink* sink) { current_sink = sink ? sink : &default_sink; }

void ShowMessage(const std::string& text) { current_sink->ShowMessage(text); }

}  // namespace bextor
