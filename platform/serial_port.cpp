#include "platform/serial_port.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTimer>
#include <algorithm>
#include <functional>

#if defined(Q_OS_UNIX)
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace platform {

namespace {

// True when the descriptor reports a hang-up or an error (the far end or the adapter is gone).
bool HungUp(QSerialPort& port) {
#if defined(Q_OS_UNIX)
  pollfd p{static_cast<int>(port.handle()), POLLIN, 0};
  return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
  (void)port;
  return false;
#endif
}

class QtSerialDevice : public core::SerialDevice {
 public:
  QtSerialDevice(std::unique_ptr<QSerialPort> port, const std::function<void()>& wake)
      : port_(std::move(port)) {
    QSerialPort* serial = port_.get();
    QObject::connect(serial, &QSerialPort::errorOccurred, serial,
                     [this, serial, wake](QSerialPort::SerialPortError e) {
                       // A dead line keeps reporting read errors, as fast as it is asked: close
                       // it (after this signal) and let the link notice at once.
                       if (lost_) return;
                       if (e != QSerialPort::ResourceError &&
                           !(e == QSerialPort::ReadError && HungUp(*serial))) {
                         return;
                       }
                       lost_ = true;
                       QTimer::singleShot(0, serial, [serial] { serial->close(); });
                       if (wake) wake();
                     });
  }
  ~QtSerialDevice() override { port_->close(); }

  bool LineLost() override { return lost_ || !port_->isOpen(); }

  int InputQueued() override {
    qint64 queued = port_->bytesAvailable();
#if defined(Q_OS_UNIX) && defined(FIONREAD)
    // QSerialPort sees received bytes only once the event loop has read them; the driver's
    // queue counts at once, so a flush also takes what arrived just before it.
    int driver = 0;
    if (queued == 0 && ::ioctl(static_cast<int>(port_->handle()), FIONREAD, &driver) == 0 &&
        driver > 0) {
      port_->waitForReadyRead(0);  // reads what is there; does not wait
      queued = port_->bytesAvailable();
    }
#endif
    // Line errors (parity, framing, overrun) are cleared and otherwise ignored.
    if (port_->error() != QSerialPort::NoError) port_->clearError();
    return static_cast<int>(std::min<qint64>(queued, 1 << 30));
  }

  int OutputQueued() override {
    qint64 queued = port_->bytesToWrite();
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
    // Bytes the driver holds count as well: the write has not left until the line sent them.
    int driver = 0;
    if (::ioctl(static_cast<int>(port_->handle()), TIOCOUTQ, &driver) == 0 && driver > 0) {
      queued += driver;
    }
#endif
    return static_cast<int>(std::min<qint64>(queued, 1 << 30));
  }

  int Read(std::uint8_t* buffer, int count) override {
    const qint64 n = port_->read(reinterpret_cast<char*>(buffer), count);
    return n > 0 ? static_cast<int>(n) : 0;
  }

  int Write(const std::uint8_t* buffer, int count) override {
    const qint64 n = port_->write(reinterpret_cast<const char*>(buffer), count);
    // Hand the bytes to the driver now rather than at the next event loop pass; never blocks.
    port_->flush();
    return n > 0 ? static_cast<int>(n) : 0;
  }

  void SetLines(bool rts, bool dtr) override {
    port_->setRequestToSend(rts);
    port_->setDataTerminalReady(dtr);
    port_->clearError();
  }

 private:
  std::unique_ptr<QSerialPort> port_;
  bool lost_ = false;
};

QSerialPort::Parity ParityOf(int code) {
  switch (code) {
    case core::kParityOdd:
      return QSerialPort::OddParity;
    case core::kParityEven:
      return QSerialPort::EvenParity;
    case core::kParityMark:
      return QSerialPort::MarkParity;
    case core::kParitySpace:
      return QSerialPort::SpaceParity;
    default:
      return QSerialPort::NoParity;
  }
}

}  // namespace

void QtSerialSystem::PinDevice(int port, const std::string& path) {
  if (port >= 1 && port <= 8) pinned_[port] = path;
}

std::vector<std::string> QtSerialSystem::SystemDevices() const {
  std::vector<std::string> devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    devices.push_back(info.systemLocation().toStdString());
  }
  std::sort(devices.begin(), devices.end());
  return devices;
}

std::string QtSerialSystem::DevicePath(int port) const {
  if (port < 1 || port > 8) return {};
  if (!pinned_[port].empty()) return pinned_[port];
#if defined(Q_OS_WIN)
  return "COM" + std::to_string(port);
#else
  const std::vector<std::string> devices = SystemDevices();
  return static_cast<std::size_t>(port) <= devices.size() ? devices[port - 1] : std::string();
#endif
}

std::vector<std::string> QtSerialSystem::ListPortNames() {
  std::vector<std::string> names;
#if defined(Q_OS_WIN)
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    names.push_back(info.portName().toStdString());
  }
  for (int n = 1; n <= 8; ++n) {
    if (!pinned_[n].empty()) names.push_back("COM" + std::to_string(n));
  }
#else
  const std::size_t listed = SystemDevices().size();
  for (int n = 1; n <= 8; ++n) {
    if (!pinned_[n].empty() || static_cast<std::size_t>(n) <= listed) {
      names.push_back("COM" + std::to_string(n));
    }
  }
#endif
  return names;
}

std::unique_ptr<core::SerialDevice> QtSerialSystem::Open(int port, const core::LineSettings& s) {
  const std::string path = DevicePath(port);
  if (path.empty()) return nullptr;
  auto serial = std::make_unique<QSerialPort>();
  serial->setPortName(QString::fromStdString(path));
  // Set before open: QSerialPort applies its settings when it opens the device.
  serial->setBaudRate(s.baud);
  serial->setDataBits(static_cast<QSerialPort::DataBits>(std::clamp(s.dataBits, 5, 8)));
  serial->setParity(ParityOf(s.parity));
  serial->setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
  if (!serial->open(QIODevice::ReadWrite)) return nullptr;
  if (inputHandler_) QObject::connect(serial.get(), &QSerialPort::readyRead, inputHandler_);
  return std::make_unique<QtSerialDevice>(std::move(serial), inputHandler_);
}

}  // namespace platform
