#include "form_splashscreen.h"
#include "ui_form_splashscreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace bextor {

TfrmSplashScreen::TfrmSplashScreen(const QString& version_number)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), FUi(std::make_unique<Ui::TfrmSplashScreen>()) {
  FUi->setupUi(this);
  FUi->lblTitle->setText(QStringLiteral("Loading Bextor ") + version_number);
  setWindowTitle(FUi->lblTitle->text());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

TfrmSplashScreen::~TfrmSplashScreen() = default;

void TfrmSplashScreen::SetStatus(const QString& text) {
  FUi->lblStatus->setText(text);
  FUi->lblStatus->repaint();
}

void TfrmSplashScreen::SetProgress(int percentage) {
  if (percentage < FUi->ProgressBar1->minimum() || percentage > FUi->ProgressBar1->maximum()) return;
  FUi->ProgressBar1->setValue(percentage);
  FUi->ProgressBar1->repaint();
}

}  // namespace bextor
