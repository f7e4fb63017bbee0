// bextor-cli air: density and speed of sound of an environment.

#include "cli/CliSupport.h"
#include "common/Errors.h"
#include "settings/NumberText.h"
#include "settings/Units.h"
#include "simulation/AirProperties.h"

#include <iostream>

namespace bextor::cli {
namespace {

struct TAirOptions {
  std::string Temperature, Pressure, Humidity;
};

// A value in the base unit of its kind, with the unit's decimals.
std::string WithUnit(int kind, double value) {
  return Val2Str(kind, 0, value) + " " + std::string(GetUnitInfo(kind, 0).Name);
}

}  // namespace

void AddAirCommand(CLI::App& app, TContext& context) {
  auto options = std::make_shared<TAirOptions>();
  auto* command = app.add_subcommand("air", "Air density and speed of sound for an environment (defaults from settings.ini)");
  command->add_option("--temperature", options->Temperature, "Temperature in K")->check(CheckNumber);
  command->add_option("--pressure", options->Pressure, "Static air pressure in Pa")->check(CheckNumber);
  command->add_option("--humidity", options->Humidity, "Relative humidity as a fraction 0..1")->check(CheckNumber);
  command->callback([&context, options] {
    const TEnvironment& environment = context.Settings.Environment;
    const auto value = [](const std::string& text, double fallback, const char* name) {
      return text.empty() ? fallback : NumberOption(text, name);
    };
    const double T = value(options->Temperature, environment.Temperature, "--temperature");
    const double p = value(options->Pressure, environment.AirPressure, "--pressure");
    const double phi = value(options->Humidity, environment.Humidy, "--humidity");
    if (!(T > 0.0)) throw EBextorError("--temperature: must be above 0 K");
    const double rho = AirDensity(T, p, phi);
    std::cout << "density " << WithUnit(qkDensity, rho) << '\n'
              << "sound velocity " << WithUnit(qkVelocity, SoundVelocity(p, rho)) << '\n';
  });
}

}  // namespace bextor::cli
