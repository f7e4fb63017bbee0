// bextor-cli curve: the values a plot type shows for a project, as CSV, FRD or ZMA.

#include "cli/CliSupport.h"
#include "common/Errors.h"
#include "plot/PlotHelper.h"

#include <cmath>
#include <numbers>
#include <set>

namespace bextor::cli {
namespace {

const std::set<int> kMagnitudeTypes = {1, 2, 11, 12, 13, 16, 17};

struct TCurveOptions {
  std::string Project;
  int Type = 0;
  std::string From, To, Output;
  int Points = 200;
  std::string Format = "csv";
};

void RunCurve(TContext& context, const TCurveOptions& options) {
  if (options.Type < 1 || options.Type > kPlotTypeCount)
    throw EBextorError("--type: " + std::to_string(options.Type) + " is not a plot type (1..21)");
  if (options.Format == "frd" && !kMagnitudeTypes.count(options.Type))
    throw EBextorError("--format frd: plot type " + std::to_string(options.Type) + " is not a magnitude (1, 2, 11, 12, 13, 16, 17)");
  if (options.Format == "zma" && options.Type != 6)
    throw EBextorError("--format zma: only for plot type 6 (impedance)");
  if (options.Points < 2) throw EBextorError("--points: at least 2");
  const TLimits& limits = context.Settings.Plot.Limits;
  const double from = options.From.empty() ? limits.FreqStart() : NumberOption(options.From, "--from");
  const double to = options.To.empty() ? limits.FreqEnd : NumberOption(options.To, "--to");
  if (!(from > 0.0) || !(to > from) || !std::isfinite(to)) throw EBextorError("--from/--to: the range must be positive and increasing");

  TProject& project = OpenProject(context, options.Project);
  TPlotHelper plot(context.Settings);
  plot.SetPlotType(options.Type);
  plot.SetProject(&project);

  std::string text;
  const bool csv = options.Format == "csv";
  const std::string comment = csv ? "# " : "* ";
  text += comment + "plot: " + PlotTypeInfo(options.Type).Caption + "\n";
  text += comment + "unit: " + plot.UnitCaption() + "\n";
  text += comment + "project: " + project.GetName() + "\n";
  text += csv ? "frequency_hz,value\n" : comment + (options.Format == "zma" ? "freq ohm phase_deg\n" : "freq dB phase_deg\n");
  for (int k = 0; k < options.Points; ++k) {
    const double f = k == options.Points - 1 ? to : from * std::pow(to / from, static_cast<double>(k) / (options.Points - 1));
    const double value = plot.GetValue(f);
    if (csv) {
      text += Number(f) + "," + Number(value) + "\n";
    } else {
      const double phase = std::arg(plot.GetComplex(f)) * 180.0 / std::numbers::pi;
      text += Number(f) + " " + Number(value) + " " + Number(std::isfinite(phase) ? phase : 0.0) + "\n";
    }
  }
  WriteOutput(options.Output, text);
}

}  // namespace

void AddCurveCommand(CLI::App& app, TContext& context) {
  auto options = std::make_shared<TCurveOptions>();
  auto* command = app.add_subcommand("curve", "The values of a plot type for a project, as CSV, FRD or ZMA");
  command->add_option("project", options->Project, "Project file (.bpr)")->required();
  command->add_option("--type", options->Type, "Plot type 1..21")->required();
  command->add_option("--from", options->From, "First frequency in Hz (default: the settings' start)")->check(CheckNumber);
  command->add_option("--to", options->To, "Last frequency in Hz (default: the settings' end)")->check(CheckNumber);
  command->add_option("--points", options->Points, "Number of points, logarithmically spaced (default 200)");
  command->add_option("--format", options->Format, "csv, frd (magnitude types) or zma (impedance)")
      ->check(CLI::IsMember({"csv", "frd", "zma"}));
  command->add_option("-o", options->Output, "Output file (default: standard output)");
  command->callback([&context, options] { RunCurve(context, *options); });
}

}  // namespace bextor::cli
