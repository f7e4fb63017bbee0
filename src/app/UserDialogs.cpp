#include "UserDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

#include <exception>

namespace bextor {

QMessageBox::StandardButton TUserDialogs::Ask(QWidget* parent, const QString& title, const QString& text,
                                              QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::Warning, title, text, buttons, parent);
  const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  return buttons.testFlag(pressed) ? pressed : QMessageBox::Cancel;
}

void TUserDialogs::Inform(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QStringLiteral("Bextor"), text);
}

QString TUserDialogs::RunFileDialog(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

void TUserDialogs::OpenUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

void TUserDialogs::ShowMessage(const std::string& text) { Inform(nullptr, QString::fromStdString(text)); }

void RunGuarded(TUserDialogs& dialogs, QWidget* parent, const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    dialogs.Inform(parent, QString::fromStdString(error.what()));
  } catch (...) {
    dialogs.Inform(parent, QStringLiteral("An unexpected error ended the command."));
  }
}

}  // namespace bextor
