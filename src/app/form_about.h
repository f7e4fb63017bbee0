#pragma once
// The About window: version, data folders, the delivered "readme.txt" and links to the
// program's web pages. Shown without blocking, above the main window, discarded on close.

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmAbout;
}

namespace bextor {

class TSettings;
class TUserDialogs;
struct TVersionInfo;

class TfrmAbout : public QDialog {
  Q_OBJECT
public:
  TfrmAbout(const TSettings& settings, const TVersionInfo& version, TUserDialogs& dialogs, QWidget* parent);
  ~TfrmAbout() override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::unique_ptr<Ui::TfrmAbout> FUi;
  TUserDialogs& FDialogs;
  QString FHomePage;
};

}  // namespace bextor
