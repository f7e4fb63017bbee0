#pragma once
// Everything the windows ask or tell the user, and every file dialog and browser call, goes
// through one object: the program's shows real boxes, a test's answers them.

#include "common/MessageSink.h"

#include <QMessageBox>
#include <QString>

#include <functional>

class QFileDialog;
class QUrl;
class QWidget;

namespace bextor {

class TUserDialogs : public TMessageSink {
public:
  // A warning box with a title, a text and the buttons; the button pressed, or Cancel
  // (Escape, closing the box).
  virtual QMessageBox::StandardButton Ask(QWidget* parent, const QString& title, const QString& text,
                                          QMessageBox::StandardButtons buttons);
  // A message box with the program's name as title and an OK button.
  virtual void Inform(QWidget* parent, const QString& text);
  // Shows the prepared file dialog modally: the chosen path, or empty when cancelled.
  virtual QString RunFileDialog(QFileDialog& dialog);
  // Opens a local file or a web page in the system's browser.
  virtual void OpenUrl(const QUrl& url);

  // Messages of the core (conversion errors and the like) become message boxes.
  void ShowMessage(const std::string& text) override;
};

// The program's general error handler: runs `command`; an error it raises ends the command
// and is shown with its text, and the program goes on.
void RunGuarded(TUserDialogs& dialogs, QWidget* parent, const std::function<void()>& command);

}  // namespace bextor
