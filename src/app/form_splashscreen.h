#pragma once
// The window shown while the program starts: title, status line and the progress of the
// driver database scan.

#include <QWidget>

#include <memory>

namespace Ui {
class TfrmSplashScreen;
}

namespace bextor {

class TfrmSplashScreen : public QWidget {
  Q_OBJECT
public:
  explicit TfrmSplashScreen(const QString& version_number);
  ~TfrmSplashScreen() override;

  // Shows the text at once.
  void SetStatus(const QString& text);
  // Moves the bar at once; values outside 0..100 are ignored.
  void SetProgress(int percentage);

private:
  std::unique_ptr<Ui::TfrmSplashScreen> FUi;
};

}  // namespace bextor
