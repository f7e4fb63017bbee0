// bextor-cli plot: the plot window's picture of some projects, as PNG or SVG.

#include "cli/CliSupport.h"
#include "common/Errors.h"
#include "plot/PlotHelper.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace bextor::cli {
namespace {

struct TPlotOptions {
  std::vector<std::string> Projects;
  int Type = 0;
  std::string Size = "1000x600";
  std::string Output;
};

QSize ParseSize(const std::string& text) {
  const auto x = text.find('x');
  try {
    if (x != std::string::npos) {
      const int width = std::stoi(text.substr(0, x)), height = std::stoi(text.substr(x + 1));
      if (width >= 50 && height >= 50 && width <= 20000 && height <= 20000) return {width, height};
    }
  } catch (const std::exception&) {
  }
  throw EBextorError("--size: '" + text + "' is not WIDTHxHEIGHT (50..20000 pixels each)");
}

void RunPlot(TContext& context, const TPlotOptions& options) {
  if (options.Type < 1 || options.Type > kPlotTypeCount)
    throw EBextorError("--type: " + std::to_string(options.Type) + " is not a plot type (1..21)");
  const QSize size = ParseSize(options.Size);
  const QString output = QString::fromStdString(options.Output);
  const bool svg = output.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
  if (!svg && !output.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
    throw EBextorError("-o: the file must end in .png or .svg");
  std::vector<TProject*> projects;
  for (const auto& path : options.Projects) projects.push_back(&OpenProject(context, path));

  TPlotHelper plot(context.Settings);
  plot.SetPlotType(options.Type);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (svg) {
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QString::fromUtf8(PlotTypeInfo(options.Type).Caption));
    QPainter painter(&generator);
    plot.Render(painter, size, projects, projects.back(), true);
  } else {
    QImage image(size, QImage::Format_RGB32);
    {
      QPainter painter(&image);
      plot.Render(painter, size, projects, projects.back(), true);
    }
    image.save(&buffer, "PNG");
  }
  WriteOutput(options.Output, buffer.data().toStdString());
}

}  // namespace

void AddPlotCommand(CLI::App& app, TContext& context) {
  auto options = std::make_shared<TPlotOptions>();
  auto* command = app.add_subcommand("plot", "Draw the plot of one or more projects into a PNG or SVG file");
  command->add_option("projects", options->Projects, "Project files (.bpr); the last one is active")->required();
  command->add_option("--type", options->Type, "Plot type 1..21")->required();
  command->add_option("--size", options->Size, "Picture size WIDTHxHEIGHT (default 1000x600)");
  command->add_option("-o", options->Output, "Output file (.png or .svg)")->required();
  command->callback([&context, options] { RunPlot(context, *options); });
}

}  // namespace bextor::cli
