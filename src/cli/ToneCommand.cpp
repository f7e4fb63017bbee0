// bextor-cli tone: the test tone on the default audio output for a few seconds.

#include "audio/SignalGenerator.h"
#include "cli/CliSupport.h"
#include "common/Errors.h"

#include <chrono>
#include <thread>

namespace bextor::cli {
namespace {

struct TToneOptions {
  std::string Frequency;
  std::string Seconds = "2";
};

}  // namespace

void AddToneCommand(CLI::App& app, TContext&) {
  auto options = std::make_shared<TToneOptions>();
  auto* command = app.add_subcommand("tone", "Play a sine tone on the default audio output");
  command->add_option("frequency", options->Frequency, "Frequency in Hz")->required()->check(CheckNumber);
  command->add_option("--seconds", options->Seconds, "How long to play (default 2)")->check(CheckNumber);
  command->callback([options] {
    const double frequency = NumberOption(options->Frequency, "frequency");
    const double seconds = NumberOption(options->Seconds, "--seconds");
    if (!(seconds >= 0.0) || seconds > 86400.0) throw EBextorError("--seconds: 0 to 86400");
    TSignalGenerator generator;
    if (generator.State() == TSignalGenerator::gsUnavailable) throw EBextorError("audio output unavailable");
    generator.SetFrequency(frequency);
    generator.Start();
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    generator.Stop();
  });
}

}  // namespace bextor::cli
