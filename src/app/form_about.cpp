#include "form_about.h"
#include "ui_form_about.h"

#include "app/UserDialogs.h"
#include "app/VersionInfo.h"
#include "settings/Settings.h"

#include <QEvent>
#include <QFile>
#include <QUrl>

namespace bextor {

TfrmAbout::TfrmAbout(const TSettings& settings, const TVersionInfo& version, TUserDialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), FUi(std::make_unique<Ui::TfrmAbout>()),
      FDialogs(dialogs) {
  FUi->setupUi(this);
  setAttribute(Qt::WA_DeleteOnClose);
  FUi->lblTitle->setText(QStringLiteral("Bextor ") + QString::fromStdString(version.Number));
  FUi->lblAllUsers->setText(QStringLiteral("All Users: ") + QString::fromStdString(settings.FAllUsersFolder));
  FUi->lblCurrentUser->setText(QStringLiteral("Current User: ") + QString::fromStdString(settings.FUserFolder));
  QFile readme(QString::fromStdString(settings.FAllUsersFolder + "readme.txt"));
  FUi->memoReadme->setPlainText(readme.open(QIODevice::ReadOnly) ? QString::fromUtf8(readme.readAll())
                                                                  : QStringLiteral("File not found : readme.txt"));
  FHomePage = version.WebLinks.empty() ? QString() : QString::fromStdString(version.WebLinks.front().Url);
  FUi->lblTitle->installEventFilter(this);
  const QString donation = QString::fromStdString(DonationUrl(version));
  FUi->btnDonate->setVisible(!donation.isEmpty());
  connect(FUi->btnDonate, &QPushButton::clicked, this, [this, donation] { FDialogs.OpenUrl(QUrl(donation)); });
  connect(FUi->btnClose, &QPushButton::clicked, this, &QDialog::close);
  if (parent) move(parent->geometry().center() - rect().center());
}

TfrmAbout::~TfrmAbout() = default;

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FUi->lblTitle && event->type() == QEvent::MouseButtonRelease && !FHomePage.isEmpty())
    FDialogs.OpenUrl(QUrl(FHomePage));
  return QDialog::eventFilter(watched, event);
}

}  // namespace bextor
