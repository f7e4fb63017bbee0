// bextor-cli align and new: the new-project wizard's alignments and its Create.

#include "app/NewProject.h"
#include "cli/CliSupport.h"
#include "common/Errors.h"
#include "enclosure/Alignments.h"
#include "enclosure/Box.h"
#include "persistence/ProjectFile.h"
#include "simulation/DriverModel.h"

#include <algorithm>
#include <iostream>

namespace bextor::cli {
namespace {

struct TDesignOptions {
  std::string Driver;
  std::string Box;
  int Drivers = 1;
  bool Isobaric = false;
  std::string Alignment, Name, Output;
};

// The wizard's driver for a design of `options.Drivers` drivers (or pairs).
std::unique_ptr<TDriverObject> WizardDriver(TContext& context, const TDesignOptions& options) {
  if (options.Drivers < 1) throw EBextorError("--drivers: at least 1");
  auto driver = ReadDriverFile(options.Driver, context.Settings.Environment);
  PrepareWizardDriver(*driver, context.Settings.Environment);
  driver->Sim.SimNd = options.Drivers;
  driver->Sim.SimIsobarik = options.Isobaric;
  PrepareDriverModel(*driver);
  return driver;
}

void AddDesignOptions(CLI::App* command, TDesignOptions& options) {
  command->add_option("driver", options.Driver, "Driver file (.bdr)")->required();
  command->add_option("--drivers", options.Drivers, "Number of drivers (pairs when iso-baric), default 1");
  command->add_flag("--isobaric", options.Isobaric, "Mount the drivers as iso-baric pairs");
}

void RunAlign(TContext& context, const TDesignOptions& options) {
  const int type = BoxTypeByName(options.Box);
  if (type > btBandpass4) throw EBextorError("--box: alignments exist for closed, vented and bandpass4 only");
  const auto driver = WizardDriver(context, options);
  std::vector<std::string> list;
  const int preselected = FillAlignments(type, *driver, list);
  for (std::size_t i = 0; i < list.size(); ++i) {
    TBox box(context.Settings.Environment);
    box.Qar = box.Qaf = box.Qpr = box.Qpf = box.Qiclfr = 100.0;
    box.Qlr = box.Qlf = 10.0;
    if (type == btClosed) ApplyClosedAlignment(list[i], *driver, box);
    if (type == btVented) ApplyVentedAlignment(list[i], *driver, box);
    if (type == btBandpass4) ApplyBandpassAlignment(list[i], *driver, box);
    std::cout << (static_cast<int>(i) == preselected ? "*" : " ") << list[i] << "\tVr=" << Number(box.Vr);
    if (type == btBandpass4) {
      std::cout << "\tVf=" << Number(box.Vf) << "\tFf=" << Number(box.Ff) << '\n';
    } else {
      std::cout << "\tFr=" << Number(box.Fr) << '\n';
    }
  }
}

void RunNew(TContext& context, const TDesignOptions& options) {
  TNewProjectChoices choices;
  choices.BoxType = BoxTypeByName(options.Box);
  choices.Isobarik = options.Isobaric;
  choices.DriverCount = std::to_string(options.Drivers);
  choices.Name = options.Name;
  choices.Creator = context.Settings.UserName;
  std::string message;
  if (!context.Manager.ValidateProjectName(options.Name, message)) throw EBextorError("--name: " + message);
  const auto driver = WizardDriver(context, options);
  std::vector<std::string> list;
  const int preselected = FillAlignments(choices.BoxType, *driver, list);
  if (options.Alignment.empty()) {
    if (list.empty()) throw EBextorError("no alignment is offered for this driver and box");
    choices.Alignment = list[static_cast<std::size_t>(preselected)];
  } else if (std::find(list.begin(), list.end(), options.Alignment) == list.end()) {
    throw EBextorError("--alignment: '" + options.Alignment + "' is not offered here (see bextor-cli align)");
  } else {
    choices.Alignment = options.Alignment;
  }
  TProject* project = FinishNewProject(context.Manager, *driver, choices);
  SaveProjectToFile(options.Output, *project);
}

}  // namespace

void AddAlignCommand(CLI::App& app, TContext& context) {
  auto options = std::make_shared<TDesignOptions>();
  auto* command = app.add_subcommand("align", "The alignments the new-project wizard offers for a driver");
  AddDesignOptions(command, *options);
  command->add_option("--box", options->Box, "closed, vented or bandpass4")->required();
  command->callback([&context, options] { RunAlign(context, *options); });
}

void AddNewCommand(CLI::App& app, TContext& context) {
  auto options = std::make_shared<TDesignOptions>();
  auto* command = app.add_subcommand("new", "Create a project as the new-project wizard does, and save it");
  AddDesignOptions(command, *options);
  command->add_option("--box", options->Box, "closed, vented, bandpass4, bandpass6, pr or abc")->required();
  command->add_option("--name", options->Name, "Project name")->required();
  command->add_option("--alignment", options->Alignment, "Alignment text (default: the one the wizard preselects)");
  command->add_option("-o", options->Output, "Project file to write (.bpr)")->required();
  command->callback([&context, options] { RunNew(context, *options); });
}

}  // namespace bextor::cli
