#pragma once
// What the bextor-cli commands share: the loaded settings, reading drivers and projects as
// the program does, number options that accept "." or ",", and writing output files.

#include "app/Project.h"
#include "drivers/Driver.h"
#include "settings/Settings.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

namespace bextor::cli {

struct TContext {
  TSettings& Settings;
  TProjectManager& Manager;
};

// A number as every typed value is read: "." or "," as the decimal mark.
double NumberOption(const std::string& text, const std::string& option);
// CLI11 validator for such numbers.
std::string CheckNumber(const std::string& text);

// Reads a driver file; a missing or unreadable file or a malformed date raises EFileError
// "path: reason". Corrections are printed to stderr.
std::unique_ptr<TDriverObject> ReadDriverFile(const std::string& path, const TEnvironment& environment);

// Opens a project as the program opens and shows it: read into a new project of the
// manager (removed again when reading fails), vents re-derived, voltage from power.
TProject& OpenProject(TContext& context, const std::string& path);

// Box types by their command-line names: closed vented bandpass4 bandpass6 pr abc.
int BoxTypeByName(const std::string& name);

// Writes the bytes to `path` atomically, or to stdout for an empty path.
void WriteOutput(const std::string& path, const std::string& bytes);

// A float with "." and 15 significant digits.
std::string Number(double value);

void AddCurveCommand(CLI::App& app, TContext& context);
void AddDriverCommand(CLI::App& app, TContext& context);
void AddAlignCommand(CLI::App& app, TContext& context);
void AddNewCommand(CLI::App& app, TContext& context);
void AddPlotCommand(CLI::App& app, TContext& context);
void AddAirCommand(CLI::App& app, TContext& context);
void AddToneCommand(CLI::App& app, TContext& context);

}  // namespace bextor::cli
