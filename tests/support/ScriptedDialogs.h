#pragma once
// Answers the program's questions and file dialogs from a script and records every message,
// question and browser call, for the window tests.

#include "app/UserDialogs.h"

#include <QFileDialog>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>

namespace bextor::test {

class TScriptedDialogs : public TUserDialogs {
public:
  std::deque<QMessageBox::StandardButton> Answers;  // for the questions, in order
  std::deque<QString> Files;                        // for the file dialogs; "" cancels
  QStringList Questions, Messages, Urls;
  QStringList ProposedFiles;  // what each file dialog offered

  QMessageBox::StandardButton Ask(QWidget*, const QString& title, const QString&,
                                  QMessageBox::StandardButtons) override {
    Questions << title;
    if (Answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << title.toStdString();
      return QMessageBox::Cancel;
    }
    const auto answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  void Inform(QWidget*, const QString& text) override { Messages << text; }
  QString RunFileDialog(QFileDialog& dialog) override {
    ProposedFiles << dialog.selectedFiles().value(0);
    if (Files.empty()) {
      ADD_FAILURE() << "unexpected file dialog: " << dialog.windowTitle().toStdString();
      return {};
    }
    const QString file = Files.front();
    Files.pop_front();
    return file;
  }
  void OpenUrl(const QUrl& url) override { Urls << url.toString(); }
};

}  // namespace bextor::test
