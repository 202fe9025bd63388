#pragma once

#include <QDialog>
#include <string>

#include "core/store/store_host.h"

class QLabel;
class QPushButton;

namespace app {

/// `TDateiGeaendertForm`, "Datei geändert": a file about to be written was changed by another
/// program since this one loaded or wrote it. Modal like the save query (the application's
/// timers keep running); it closes only through its buttons.
class TDateiGeaendertForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDateiGeaendertForm(QWidget* mainWindow);

  /// Shows the question for the file at path and waits for a button.
  core::FileChangedAnswer Ask(const std::string& path);
  bool IsAsking() const { return asking_ && isVisible(); }

 signals:
  void Answered();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  QPushButton* AddButton(const char* name, const QString& caption, core::FileChangedAnswer answer);
  void Choose(core::FileChangedAnswer answer);

  bool asking_ = false;
  core::FileChangedAnswer answer_ = core::FileChangedAnswer::kCancel;
  QLabel* fileLabel_;
};

}  // namespace app
