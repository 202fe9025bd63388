#include <QAction>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusTipEvent>

#include "app/main_status_bar.h"
#include "app/mainform.h"
#include "core/shell/display.h"
#include "core/shell/icons.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"

namespace app {

namespace {
QColor ToQColor(core::Rgb c) {
  return QColor(c.r, c.g, c.b);
}
}  // namespace

void TMainForm::RepaintStatus() {
  const core::ModellSpeicherTyp* active = store_->GetActive();
  drawnSaved_ = core::ShowsSaved(active);
  statusBar_->Panel0()->SetFill(ToQColor(core::PanelZeroColour(active)));
  statusBar_->Panel1()->update();
}

void TMainForm::DispTimerTimer() {
  statusBar_->SetPanelText(3, QString::fromUtf8(core::kCreditText));
  const core::ModellSpeicherTyp* active = store_->GetActive();
  const int transferState = transferDisplayState_ ? transferDisplayState_() : 0;
  const core::DisplayState d =
      core::DecideDisplay(active, core::NameText(active), drawnSaved_, transferState);
  statusBar_->SetPanelText(2, QString::fromStdString(d.panel2));
  // Sending needs the link; until it is wired the commands stay disabled.
  const bool tx = d.txEnabled && transferAvailable_;
  txButton_->setEnabled(tx);
  Action(Cmd::FktSenden)->setEnabled(tx);
  Action(Cmd::FktLoeschen)->setEnabled(d.deleteEnabled);
  Action(Cmd::FktLoeschenRueckgaengig)->setEnabled(d.undeleteEnabled);
  if (d.repaint) RepaintStatus();
  if (core::DisplayTick(tickCounter_)) core::WriteIconFiles(env_.workingDir, iconSearchDirs_);
}

void TMainForm::SetTransferCommandsAvailable(bool available) {
  transferAvailable_ = available;
  rxButton_->setEnabled(available);
  Action(Cmd::FktEmpfangen)->setEnabled(available);
  if (!available) {
    txButton_->setEnabled(false);
    Action(Cmd::FktSenden)->setEnabled(false);
  }
}

void TMainForm::ReportWriteFailure(const std::string& path) {
  ++writeFailures_;
  // Every file that failed since the last save began is named, not only the last one.
  const QString file = QString::fromStdString(path);
  if (!failedFiles_.contains(file)) failedFiles_ << file;
  QStringList names;
  for (const QString& f : failedFiles_)
    names << QString::fromStdString(core::FileNameOf(f.toStdString()));
  statusBar_->SetFailureText(QString(names.size() == 1 ? "Fehler: %1 wurde nicht gespeichert!"
                                                       : "Fehler: %1 wurden nicht gespeichert!")
                                 .arg(names.join(", ")));
  statusBar_->setToolTip(failedFiles_.join('\n'));
}

void TMainForm::DirectoryOpened(const std::string& directory) {
  if (directoryLock_.Take(QString::fromStdString(directory))) return;
  // Once per opening, without blocking: the checks before every write keep both windows safe.
  auto* box = new QMessageBox(QMessageBox::Warning, "Verzeichnis wird schon bearbeitet",
                              "Ein anderes Veltrano-Fenster arbeitet bereits im "
                              "Modellspeicherverzeichnis\n" +
                                  QString::fromStdString(directory) +
                                  "\n\nÄnderungen des einen Fensters sieht das andere erst nach "
                                  "einem neuen Start. Bevor eine Datei überschrieben wird, die das "
                                  "andere Fenster geändert hat, wird gefragt.",
                              QMessageBox::Ok, this);
  box->setObjectName("VerzeichnisBelegtMeldung");
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void TMainForm::ClearWriteFailure() {
  failedFiles_.clear();
  statusBar_->SetFailureText({});
  statusBar_->setToolTip({});
}

void TMainForm::ShowHint(const QString& hint) {
  statusBar_->SetHintText(hint);
}

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    // Hints go beside the four panels, which keep their content.
    ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

}  // namespace app
