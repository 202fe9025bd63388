#include "core/link/com_ports.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace core {

ComPorts::Slot* ComPorts::SlotOf(int port) {
  if (port < 1 || port > kComPortCount) return nullptr;
  return &slots_[port];
}

void ComPorts::ComInit() {
  for (Slot& s : slots_) {
    s.device.reset();
    s.open = false;
    s.rxAvailable = 0;
    s.writePending = false;
  }
  ComEnumerate();
}

void ComPorts::ComEnumerate() {
  for (Slot& s : slots_) s.present = false;
  bool any = false;
  for (std::string name : system_.ListPortNames()) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int n = 1; n <= kComPortCount; ++n) {
      if (name == "COM" + std::to_string(n)) {
        slots_[n].present = true;
        any = true;
      }
    }
  }
  if (!any) {
    for (int n = 1; n <= kComPortCount; ++n) slots_[n].present = true;
  }
}

std::uint16_t ComPorts::ComOpen(int port, int dataBits, int stopBits, double baud, int parity) {
  Slot* s = SlotOf(port);
  if (!s) return kComBadPort;
  if (s->open) {
    s->device.reset();
    s->open = false;
  }
  LineSettings settings;
  settings.baud = static_cast<int>(baud);
  settings.dataBits = dataBits;
  settings.stopBits = stopBits;
  settings.parity = parity;
  s->device = system_.Open(port, settings);
  if (!s->device) return 0;
  s->open = true;
  s->rxAvailable = 0;
  s->writePending = false;
  ComSetLines(port, false, false);
  return 0;
}

bool ComPorts::ComRxAvailable(int port) {
  Slot* s = SlotOf(port);
  if (!s || !s->open) return false;
  if (s->rxAvailable == 0) {
    const int queued = s->device->InputQueued();
    if (queued > 0) s->rxAvailable = static_cast<std::uint32_t>(queued);
  }
  return s->rxAvailable > 0;
}

bool ComPorts::ComTxDone(int port) {
  Slot* s = SlotOf(port);
  if (!s || !s->open) return false;
  if (!s->writePending) return true;
  if (s->device->OutputQueued() > 0) return false;
  s->writePending = false;
  return true;
}

std::uint16_t ComPorts::ComWrite(int port, const std::uint8_t* buffer, int count) {
  Slot* s = SlotOf(port);
  if (!s || !s->open || count < 0) return kComShortWrite;
  const int written = s->device->Write(buffer, count);
  if (written < count) return kComShortWrite;
  s->writePending = true;
  return 0;
}

std::uint16_t ComPorts::ComRead(int port, std::uint8_t* buffer, int& count) {
  Slot* s = SlotOf(port);
  if (!s || !s->open || count <= 0) {
    if (count < 0) count = 0;
    if (!s || !s->open) count = 0;
    return 0;
  }
  if (s->rxAvailable > static_cast<std::uint32_t>(count)) s->rxAvailable = count;
  if (s->rxAvailable == 0) return 0;
  const int read = s->device->Read(buffer, static_cast<int>(s->rxAvailable));
  if (read > 0) {
    s->rxAvailable = s->rxAvailable > static_cast<std::uint32_t>(read) ? s->rxAvailable - read : 0;
    count = read;
  } else {
    s->rxAvailable = 0;
    count = 0;
  }
  return 0;
}

bool ComPorts::ComPortPresent(int port) const {
  if (port < 1 || port > kComPortCount) return false;
  return slots_[port].present;
}

void ComPorts::ComSetLines(int port, bool rts, bool dtr) {
  Slot* s = SlotOf(port);
  if (!s || !s->open) return;
  s->device->SetLines(rts, dtr);
}

void ComPorts::ComCloseAll() {
  for (Slot& s : slots_) {
    if (s.open && s.device) {
      s.device.reset();
      s.open = false;
    }
  }
}

bool ComPorts::ComLineLost(int port) {
  Slot* s = SlotOf(port);
  return s != nullptr && s->open && s->device->LineLost();
}

void ComPorts::ComClose(int port) {
  Slot* s = SlotOf(port);
  if (s == nullptr || !s->open) return;
  s->device.reset();
  s->open = false;
  s->rxAvailable = 0;
  s->writePending = false;
}

bool ComPorts::IsOpen(int port) const {
  if (port < 1 || port > kComPortCount) return false;
  return slots_[port].open;
}

}  // namespace core
