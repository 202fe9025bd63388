#include "app/link/link_module.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "app/link/com_nr_form.h"
#include "app/main_status_bar.h"
#include "app/mainform.h"
#include "core/settings/l_regist.h"

namespace app {

/// What the link needs of the store and the main window.
class LinkModule::Host : public core::LinkHost {
 public:
  explicit Host(TMainForm& form) : form_(form) {}
  core::ModellSpeicherTyp* AllocModelMemory() override { return form_.Store().AllocModelMemory(); }
  core::ModellSpeicherTyp* GetActive() override { return form_.Store().GetActive(); }
  void RebuildTree() override { form_.RebuildTree(form_.Store().GetModelMemoryDir()); }
  void AppendLog(const std::string& line) override {
    QListWidget* log = form_.RxTxListBox();
    log->addItem(QString::fromStdString(line));
    log->setCurrentRow(log->count() - 1);
  }
  std::uint64_t RecordGeneration() const override { return form_.Store().Generation(); }

 private:
  TMainForm& form_;
};

LinkModule::LinkModule(TMainForm& form)
    : QObject(&form),
      form_(form),
      host_(std::make_unique<Host>(form)),
      link_(ports_, timers_, *host_),
      comTimer_([this] { return ComTimerTimer(); }, this) {
  setObjectName("LinkModule");
  comTimer_.Timer().setObjectName("ComTimer");
  // The timer sleeps while the link only waits for bytes; arriving bytes wake it.
  serial_.SetInputHandler([this] { comTimer_.Wake(); });
}

LinkModule::~LinkModule() = default;

LinkModule* LinkModule::Install(TMainForm& form) {
  auto* m = new LinkModule(form);
  form.AddStep(Step::StartModules, [m] {
    m->ReadPinnedDevices();
    m->ports_.ComInit();
    m->timers_.SwtInit();
    m->link_.ClearReceiveTimeoutId();
  });
  form.AddStep(Step::TransferDisplay,
               [m] { m->display_ = std::make_unique<core::TransferDisplay>(m->timers_); });
  form.AddStep(Step::TransferSettings, [m, &form] {
    const core::StartupSettings& s = form.StartupSettingsRead();
    m->link_.SetBaudRate(s.transferRate);
    // The port slots know only 1..8; another stored number starts on port 1.
    m->link_.SetPortNumber(s.comPort >= 1 && s.comPort <= core::kComPortCount ? s.comPort : 1);
    m->showOnlyPresent_ = s.portAuto;
  });
  form.AddStep(Step::Shown, [m] { m->TransferReset(); });
  form.AddStep(Step::ReleaseModules, [m] {
    m->comTimer_.Timer().stop();
    m->timers_.SwtFreeAll();
    m->ports_.ComCloseAll();
  });
  form.AddShutdownFiller([m](core::ShutdownSettings& s) {
    s.transferRate = m->link_.BaudRate();
    s.comPort = m->link_.PortNumber();
    s.portAuto = m->showOnlyPresent_;
  });
  form.SetTransferPainter([m](QPainter& p, const QRect& r) { m->PaintTransferPanel(p, r); });
  form.SetTransferDisplayState([m] { return m->display_ ? m->display_->DisplayState() : 0; });

  connect(form.TxButton(), &QPushButton::clicked, m, &LinkModule::StartSend);
  connect(form.Action(Cmd::FktSenden), &QAction::triggered, m, &LinkModule::StartSend);
  connect(form.RxButton(), &QPushButton::clicked, m, &LinkModule::StartReceive);
  connect(form.Action(Cmd::FktEmpfangen), &QAction::triggered, m, &LinkModule::StartReceive);
  if (QAction* a = form.Action(Cmd::MenuFuncSchnittstelle)) {
    a->setEnabled(true);
    connect(a, &QAction::triggered, m, &LinkModule::ShowComNrForm);
  }
  form.SetTransferCommandsAvailable(true);
  return m;
}

void LinkModule::ReadPinnedDevices() {
  // Where the system's own list does not say which device is which port (or for a
  // pseudo-terminal), "ComDevice1".."ComDevice8" pin a port number to a device path.
  for (int n = 1; n <= core::kComPortCount; ++n) {
    serial_.PinDevice(n, form_.Settings().ReadTextSetting("ComDevice" + std::to_string(n),
                                                          core::kHkeyCurrentUser));
  }
}

void LinkModule::CreateComNrForm() {
  if (!comNrForm_) comNrForm_ = new TComNrForm(*this, &form_);
}

void LinkModule::ShowComNrForm() {
  CreateComNrForm();
  comNrForm_->SetOwnerPosition(form_.x(), form_.y(), form_.width(), form_.height());
  comNrForm_->ShowForm();
}

void LinkModule::StartSend() {
  link_.StartSend();
  comTimer_.Wake();
}

void LinkModule::StartReceive() {
  link_.StartReceive();
  comTimer_.Wake();
}

void LinkModule::TransferReset() {
  link_.TransferReset();
  comTimer_.Wake();
}

bool LinkModule::ComTimerTimer() {
  link_.TransferTick();
  const int progress = link_.TransferProgress();
  if (display_ && display_->Tick(progress, link_.TransferBusy()))
    form_.StatusBar()->Panel1()->update();
  return link_.NeedsTicks() || !display_ ||
         display_->NeedsTicks(link_.TransferBusy(), link_.TransferProgress());
}

void LinkModule::PaintTransferPanel(QPainter& p, const QRect& rect) const {
  if (!display_) return;
  const core::PanelRect r{rect.left(), rect.top(), rect.left() + rect.width(),
                          rect.top() + rect.height()};
  const core::TransferPanelDrawing d =
      core::DrawTransferPanel(r, display_->DisplayState(), display_->Progress());
  auto colour = [](core::PanelColour c) {
    switch (c) {
      case core::PanelColour::Yellow:
        return QColor(255, 255, 0);
      case core::PanelColour::Lime:
        return QColor(0, 255, 0);
      default:
        return QApplication::palette().color(QPalette::Button);
    }
  };
  for (const core::PanelFill& f : d.fills) {
    p.fillRect(
        QRect(f.rect.left, f.rect.top, f.rect.right - f.rect.left, f.rect.bottom - f.rect.top),
        colour(f.colour));
  }
  p.setPen(Qt::black);
  p.drawText(QRect(d.textX, d.textY, rect.right() - d.textX, rect.bottom() - d.textY),
             Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(d.text));
}

}  // namespace app
