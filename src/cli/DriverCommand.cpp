// bextor-cli driver: a driver file's section, completed by the solver and checked on request.

#include "cli/CliSupport.h"
#include "common/NumberFormat.h"
#include "drivers/ConsistencyCheck.h"
#include "drivers/ParameterSolver.h"
#include "persistence/DriverFile.h"
#include "persistence/IniFile.h"

#include <iostream>

namespace bextor::cli {
namespace {

struct TDriverOptions {
  std::string Path;
  bool Solve = false;
  bool Check = false;
};

}  // namespace

void AddDriverCommand(CLI::App& app, TContext& context) {
  auto options = std::make_shared<TDriverOptions>();
  auto* command = app.add_subcommand("driver", "Print a driver file's parameters, solved and checked on request");
  command->add_option("driver", options->Path, "Driver file (.bdr)")->required();
  command->add_flag("--solve", options->Solve, "Derive the missing parameters first");
  command->add_flag("--check", options->Check, "List the failing consistency relations (exit status 1 if any)");
  command->callback([&context, options] {
    auto driver = ReadDriverFile(options->Path, context.Settings.Environment);
    if (options->Solve) CalculateUnknowns(*driver, context.Settings.Environment);
    const char previous = DecimalSeparator();
    SetDecimalSeparator('.');
    TIniFile ini = TIniFile::FromText("");
    WriteDriverIni(ini, *driver);
    SetDecimalSeparator(previous);
    std::cout << ini.Text();
    if (!options->Check) return;
    CheckConsistency(*driver);
    const auto failed = FailedConsistencyGroups(*driver);
    for (const auto& label : failed) std::cout << "FAIL: " << label << '\n';
    if (!failed.empty()) throw CLI::RuntimeError(1);
  });
}

}  // namespace bextor::cli
