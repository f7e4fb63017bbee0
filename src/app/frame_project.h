#pragma once
// The editing area at the bottom of the main window. Until the editing pages exist it shows
// the "No projects open" page, or the shown project's name, box type and driver.

#include <QWidget>

#include <memory>

namespace Ui {
class TframeProject;
}

namespace bextor {

class TProject;

class TframeProject : public QWidget {
  Q_OBJECT
public:
  explicit TframeProject(QWidget* parent = nullptr);
  ~TframeProject() override;

  // Shows the project (not owned), or the "No projects open" page for none.
  void ShowProject(TProject* project);
  TProject* Project() const { return FProject; }

private:
  std::unique_ptr<Ui::TframeProject> FUi;
  TProject* FProject = nullptr;
};

}  // namespace bextor
