// bextor-cli: the headless front end on the same core and plot libraries as the program.

#include "app/Project.h"
#include "app/VersionInfo.h"
#include "cli/CliSupport.h"
#include "common/Errors.h"
#include "common/NumberFormat.h"
#include "settings/Settings.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <iostream>
#include <memory>

namespace {

// Drawing needs fonts, which need the GUI library (without a display: offscreen, where
// Qt's note about a missing runtime folder is of no use on a terminal).
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "plot") != 0) continue;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
      if (type != QtDebugMsg && type != QtInfoMsg && !message.startsWith(QStringLiteral("QStandardPaths:")))
        std::cerr << message.toStdString() << '\n';
    });
    return std::make_unique<QGuiApplication>(argc, argv);
  }
  return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
  const auto app = MakeApplication(argc, argv);
  bextor::InitDecimalSeparatorFromSystem();
  try {
    bextor::TSettings settings;
    for (const auto& warning : settings.LoadSettings()) std::cerr << "warning: " << warning << '\n';
    bextor::TProjectManager manager(settings);
    bextor::cli::TContext context{settings, manager};

    CLI::App cli{"Bextor command-line tool: loudspeaker enclosure design without the windows."};
    cli.set_version_flag("--version", [&settings] { return bextor::LoadVersionInfo(settings.FAllUsersFolder).Number; },
                         "Print the version number and exit");
    cli.require_subcommand(0, 1);
    bextor::cli::AddCurveCommand(cli, context);
    bextor::cli::AddPlotCommand(cli, context);
    bextor::cli::AddDriverCommand(cli, context);
    bextor::cli::AddAlignCommand(cli, context);
    bextor::cli::AddNewCommand(cli, context);
    bextor::cli::AddAirCommand(cli, context);
    bextor::cli::AddToneCommand(cli, context);

    try {
      cli.parse(argc, argv);
    } catch (const CLI::Error& error) {
      return cli.exit(error);
    }
    if (cli.get_subcommands().empty()) std::cout << cli.help();
  } catch (const bextor::EBextorError& error) {
    std::cerr << "error: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
