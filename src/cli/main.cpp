// bextor-cli: the headless front end on the same core as the desktop program.

#include "app/VersionInfo.h"
#include "common/Errors.h"
#include "common/NumberFormat.h"
#include "settings/NumberText.h"
#include "settings/Settings.h"
#include "settings/Units.h"
#include "simulation/AirProperties.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>

#include <iostream>

namespace {

// Numbers are read the way every typed value is read: "." or "," as the decimal mark.
std::string CheckNumber(const std::string& text) {
  return bextor::ParseDecimal(text) ? std::string() : "'" + text + "' is not a number";
}

std::string Formatted(double value) {
  return bextor::FormatGeneral(value, bextor::DecimalSeparator()).value_or("N/A");
}

// A value in the base unit of its kind, with the unit's decimals.
std::string WithUnit(int kind, double value) {
  return bextor::Val2Str(kind, 0, value) + " " + std::string(bextor::GetUnitInfo(kind, 0).Name);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  bextor::InitDecimalSeparatorFromSystem();
  try {
    bextor::TSettings settings;
    for (const auto& warning : settings.LoadSettings()) std::cerr << "warning: " << warning << '\n';

    CLI::App cli{"Bextor command-line tool: loudspeaker enclosure design without the windows."};
    cli.set_version_flag("--version", [&settings] { return bextor::LoadVersionInfo(settings.FAllUsersFolder).Number; },
                         "Print the version number and exit");
    cli.require_subcommand(0, 1);

    auto* air = cli.add_subcommand("air", "Air density and speed of sound for an environment "
                                          "(defaults from settings.ini)");
    std::string temperature = Formatted(settings.Environment.Temperature);
    std::string pressure = Formatted(settings.Environment.AirPressure);
    std::string humidity = Formatted(settings.Environment.Humidy);
    air->add_option("--temperature", temperature, "Temperature in K")->check(CheckNumber);
    air->add_option("--pressure", pressure, "Static air pressure in Pa")->check(CheckNumber);
    air->add_option("--humidity", humidity, "Relative humidity as a fraction 0..1")->check(CheckNumber);

    CLI11_PARSE(cli, argc, argv);

    if (air->parsed()) {
      const double T = bextor::ParseDecimal(temperature).value_or(0.0);
      const double p = bextor::ParseDecimal(pressure).value_or(0.0);
      const double phi = bextor::ParseDecimal(humidity).value_or(0.0);
      if (T <= 0.0) {
        std::cerr << "error: the temperature must be above 0 K\n";
        return 1;
      }
      const double rho = bextor::AirDensity(T, p, phi);
      std::cout << "density " << WithUnit(bextor::qkDensity, rho) << '\n'
                << "sound velocity " << WithUnit(bextor::qkVelocity, bextor::SoundVelocity(p, rho)) << '\n';
    } else {
      std::cout << cli.help();
    }
  } catch (const bextor::EBextorError& error) {
    std::cerr << "error: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
