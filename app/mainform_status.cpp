#include <QAction>
#include <QEvent>
#include <QPushButton>
#include <QStatusTipEvent>

#include "core/shell/display.h"
#include "core/shell/icons.h"
#include "app/main_status_bar.h"
#include "app/mainform.h"
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
  statusBar_->SetFailureText(QString("Fehler: %1 wurde nicht gespeichert!")
                                 .arg(QString::fromStdString(core::FileNameOf(path))));
  statusBar_->setToolTip(QString::fromStdString(path));
}

void TMainForm::ClearWriteFailure() {
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
