#pragma once

#include <QObject>
#include <memory>

#include "core/link/com_handler.h"
#include "core/link/com_ports.h"
#include "core/link/swt.h"
#include "core/link/transfer_display.h"
#include "platform/clock.h"
#include "platform/serial_poll_timer.h"
#include "platform/serial_port.h"

class QPainter;
class QRect;

namespace app {

class TMainForm;
class TComNrForm;

/// The transmitter link in the main window: port slots, software timers, the transfer
/// protocol, `ComTimer`, the transfer display in status bar panel 1, `TxButton`, `RxButton`,
/// the "&Verbindung" entries and the port dialog. Owned by the main window.
class LinkModule : public QObject {
  Q_OBJECT

 public:
  /// Makes the module and registers its start-up and shutdown steps and commands.
  static LinkModule* Install(TMainForm& form);
  ~LinkModule() override;
  /// Makes `TComNrForm` (after the main window's creation, before the other dialogs).
  void CreateComNrForm();

  core::ComHandler& Link() { return link_; }
  core::ComPorts& Ports() { return ports_; }
  platform::QtSerialSystem& Serial() { return serial_; }
  const core::TransferDisplay* Display() const { return display_.get(); }
  TComNrForm* ComNrForm() const { return comNrForm_; }
  /// `ComTimer`: 1 ms while the link has work, asleep otherwise.
  QTimer& ComTimer() { return comTimer_.Timer(); }

  void StartSend();
  void StartReceive();
  /// Ends any transfer; the next tick reopens the port with the current settings.
  void TransferReset();

  /// "nur vorhandene Schnittstellen anzeigen" ("PortAuto").
  bool ShowOnlyPresentPorts() const { return showOnlyPresent_; }
  void SetShowOnlyPresentPorts(bool on) { showOnlyPresent_ = on; }

  /// One `ComTimer` tick; false when no further tick is needed until the link gets work.
  bool ComTimerTimer();
  /// Draws status bar panel 1.
  void PaintTransferPanel(QPainter& painter, const QRect& rect) const;

 private:
  class Host;
  explicit LinkModule(TMainForm& form);
  void ReadPinnedDevices();
  void ShowComNrForm();

  TMainForm& form_;
  std::unique_ptr<Host> host_;
  platform::QtSerialSystem serial_;
  platform::SystemWallClock clock_;
  core::ComPorts ports_{serial_};
  core::SoftTimers timers_{clock_};
  core::ComHandler link_;
  std::unique_ptr<core::TransferDisplay> display_;
  platform::SerialPollTimer comTimer_;
  bool showOnlyPresent_ = true;
  TComNrForm* comNrForm_ = nullptr;
};

}  // namespace app
