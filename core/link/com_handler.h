#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/link/com_ports.h"
#include "core/link/link_host.h"
#include "core/link/swt.h"
#include "core/link/wire_format.h"
#include "core/store/record.h"

namespace core {

/// Send machine states (PC->FC28), 0 idle.
enum SendState : int {
  kTxIdle = 0,
  kTxOpenAck = 1,
  kTxWaitOpenAck = 2,
  kTxHeader = 3,
  kTxWaitHeaderAck = 4,
  kTxLength = 5,
  kTxWaitLengthAck = 6,
  kTxImage = 7,
  kTxWaitImageAck = 8,
  kTxFinalAck = 9,
};

/// Receive machine states (FC28->PC), 0 idle.
enum ReceiveState : int {
  kRxIdle = 0,
  kRxOpenAck = 16,
  kRxWaitOpenAck = 32,
  kRxHeader = 48,
  kRxHeaderAck = 64,
  kRxLength = 80,
  kRxLengthAck = 96,
  kRxImage = 112,
  kRxImageAck = 128,
};

inline constexpr int kScratchSize = 1024;

/// Log line when the serial line goes away during a transfer.
inline constexpr char kLineLostLog[] = "Verbindung unterbrochen - Übertragung abgebrochen";

/// Log line for a received memory whose header model memory files cannot be loaded with.
inline constexpr char kForeignHeaderWarning[] =
    "Achtung: Format ist nicht FC2830 - gespeichert lässt sich dieser Modellspeicher nicht wieder "
    "laden!";

/// The stop-and-wait transfer with the FC-28 (both directions), stepped once per timer tick.
/// Polls the port slots and never blocks.
class ComHandler {
 public:
  ComHandler(ComPorts& ports, SoftTimers& timers, LinkHost& host)
      : ports_(ports), timers_(timers), host_(host) {}

  /// Port state 0 (the next tick reopens the port), both machines idle.
  void TransferReset();
  /// One step: opens the port when needed, else one receive step then one send step.
  void TransferTick();
  /// Flushes the input and starts sending the active model memory.
  void StartSend();
  /// Flushes the input and waits for the transmitter's opening acknowledge.
  void StartReceive();
  /// 0..100: image send progress from the stopwatch, or receive progress from the bytes in.
  int TransferProgress();
  /// Send state OR receive state; 0 when idle.
  int TransferBusy() const { return sendState_ | receiveState_; }
  /// True when the last transfer ended because the line went away (cleared by the next start).
  bool LineLost() const { return lineLost_; }

  int BaudRate() const { return baudRate_; }
  void SetBaudRate(int baud) { baudRate_ = baud; }
  int PortNumber() const { return portNumber_; }
  void SetPortNumber(int port) { portNumber_ = port; }
  void ClearReceiveTimeoutId() { rxTimeoutId_ = 0; }

  /// False when the next tick could change nothing unless bytes arrive first: idle with the
  /// port open, or waiting for input without a time limit (an acknowledge, the opening 0xAA,
  /// image bytes) with nothing queued. A caller may then stop ticking until input arrives.
  bool NeedsTicks();

  int PortState() const { return portState_; }
  int SendStateValue() const { return sendState_; }
  int ReceiveStateValue() const { return receiveState_; }
  /// The record a receive fills (valid while the receive runs or just completed), or nullptr.
  const ModellSpeicherTyp* RecordBeingReceived() const { return rxRecord_; }
  std::uint32_t ExpectedDuration() const { return expectedDuration_; }

 private:
  bool CheckLine();
  void ReceiveStep();
  void SendStep();
  void FlushInput();
  bool AckArrived();
  // Writes only when the previous write has left; false when nothing was written.
  bool WriteWhenDone(const std::uint8_t* bytes, int count);
  bool WriteAck();
  std::string NameLine(const ModellSpeicherTyp& record) const;

  ComPorts& ports_;
  SoftTimers& timers_;
  LinkHost& host_;

  int portNumber_ = 1;
  int baudRate_ = 4800;
  int portState_ = 0;
  int sendState_ = kTxIdle;
  int receiveState_ = kRxIdle;
  std::array<std::uint8_t, kScratchSize> scratch_{};
  ModellSpeicherTyp* txRecord_ = nullptr;
  ModellSpeicherTyp* rxRecord_ = nullptr;
  int sendOffset_ = 0;
  std::uint32_t expectedDuration_ = 0;
  std::uint16_t stopwatchId_ = 0;
  std::uint16_t rxTimeoutId_ = 0;
  std::uint64_t rxGeneration_ = 0;
  std::uint64_t txGeneration_ = 0;
  bool lineLost_ = false;
};

}  // namespace core
