#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/cli/command_line.h"

#if defined(VELTRANO_HAVE_PLATFORM)
#include <QCoreApplication>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>
#include <vector>

#include "core/link/com_handler.h"
#include "core/link/com_ports.h"
#include "core/link/swt.h"
#include "core/link/wire_format.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "platform/clock.h"
#include "platform/serial_poll_timer.h"
#include "platform/serial_port.h"
#endif

namespace cli {

#if !defined(VELTRANO_HAVE_PLATFORM)

static int Unavailable(const char* what) {
  std::fprintf(
      stderr, "veltrano-cli: '%s' needs the serial port layer, not built here (VELTRANO_GUI=OFF)\n",
      what);
  return 2;
}

int CmdReceive(const Args&) {
  return Unavailable("receive");
}
int CmdSend(const Args&) {
  return Unavailable("send");
}

#else

namespace {

struct LinkOptions {
  std::string file;
  int port = 0;
  std::string device;
  int baud = 4800;
  double timeoutS = -1;  // wait as the window does
  bool force = false;    // receive: replace an existing OUT
};

// Anything at the path counts (a link, a directory), not only a regular file.
bool OutExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::symlink_status(core::PathFromUtf8(path), ec).type() !=
         std::filesystem::file_type::not_found;
}

bool ParseOptions(const char* command, const Args& args, LinkOptions& o, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        error = "missing value after " + a;
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--port") {
      if (!value(v)) return false;
      o.port = std::atoi(v.c_str());
      if (o.port < 1 || o.port > core::kComPortCount) {
        error = "--port takes a number from 1 to 8";
        return false;
      }
    } else if (a == "--device") {
      if (!value(o.device)) return false;
    } else if (a == "--baud") {
      if (!value(v)) return false;
      o.baud = std::atoi(v.c_str());
      if (o.baud != 4800 && o.baud != 9600) {
        error = "--baud takes 4800 or 9600";
        return false;
      }
    } else if (a == "--force") {
      o.force = true;
    } else if (a == "--timeout") {
      if (!value(v)) return false;
      char* end = nullptr;
      o.timeoutS = std::strtod(v.c_str(), &end);
      if (end == v.c_str() || *end != '\0' || o.timeoutS <= 0) {
        error = "--timeout takes a number of seconds above 0";
        return false;
      }
    } else if (!a.empty() && a[0] == '-') {
      error = "unknown option " + a;
      return false;
    } else if (o.file.empty()) {
      o.file = a;
    } else {
      error = "more than one file given";
      return false;
    }
  }
  if (o.file.empty())
    error = std::string(command) + " needs a model memory file";
  else if ((o.port == 0) == o.device.empty())
    error = "give either --port N or --device PATH";
  return error.empty();
}

/// A store of the records one transfer needs; the transfer log goes to standard error.
class CliHost : public core::LinkHost {
 public:
  core::ModellSpeicherTyp* AllocModelMemory() override {
    for (auto& r : records_) {
      if (!r->inUse) {
        core::ResetModelMemory(*r);
        return r.get();
      }
    }
    records_.push_back(std::make_unique<core::ModellSpeicherTyp>());
    return records_.back().get();
  }
  core::ModellSpeicherTyp* GetActive() override { return active_; }
  void RebuildTree() override {
    for (auto& r : records_) {
      if (r->inUse) received_ = r.get();
    }
  }
  void AppendLog(const std::string& line) override { std::fprintf(stderr, "%s\n", line.c_str()); }

  void SetActive(core::ModellSpeicherTyp* r) { active_ = r; }
  core::ModellSpeicherTyp* Received() const { return received_; }

 private:
  std::vector<std::unique_ptr<core::ModellSpeicherTyp> > records_;
  core::ModellSpeicherTyp* active_ = nullptr;
  core::ModellSpeicherTyp* received_ = nullptr;
};

/// Runs one transfer with the window's link code and timer until done() or the time limit.
/// Returns 0 when done, 1 on the time limit or when the port cannot be opened.
int RunTransfer(const LinkOptions& o, CliHost& host, bool send,
                const std::function<bool(const core::ComHandler&)>& done) {
  int argc = 1;
  char name[] = "veltrano-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);

  platform::QtSerialSystem system;
  int port = o.port;
  if (!o.device.empty()) {
    port = 1;
    system.PinDevice(port, o.device);
  }
  // Like the window, the timer sleeps while the link only waits for bytes; they wake it.
  platform::SerialPollTimer* wake = nullptr;
  system.SetInputHandler([&wake] {
    if (wake) wake->Wake();
  });
  platform::SystemWallClock clock;
  core::ComPorts ports(system);
  core::SoftTimers timers(clock);
  core::ComHandler link(ports, timers, host);
  ports.ComInit();
  timers.SwtInit();
  link.ClearReceiveTimeoutId();
  link.SetBaudRate(o.baud);
  link.SetPortNumber(port);
  link.TransferReset();
  link.TransferTick();  // opens the port and logs the "COM" line
  if (!ports.IsOpen(port)) {
    const std::string device = system.DevicePath(port);
    return Fail("cannot open " + (device.empty() ? "port " + std::to_string(port) : device));
  }
  if (send)
    link.StartSend();
  else
    link.StartReceive();

  int result = -1;
  bool draining = false;
  platform::SerialPollTimer ticker([&] {
    if (!draining) {
      link.TransferTick();
      if (link.LineLost()) {
        result = 3;
        app.quit();
        return false;
      }
      if (!done(link)) return link.NeedsTicks();
      draining = true;
    }
    // Let the last acknowledge leave the line before the port closes.
    if (!ports.ComTxDone(port)) return true;
    const int ms = static_cast<int>(core::ByteTimeNs(o.baud) * 2 / 1'000'000) + 5;
    QTimer::singleShot(ms, &app, [&] {
      result = 0;
      app.quit();
    });
    return false;
  });
  wake = &ticker;
  ticker.Wake();
  if (o.timeoutS > 0) {
    QTimer::singleShot(static_cast<int>(o.timeoutS * 1000), &app, [&] {
      if (result < 0) {
        result = 1;
        app.quit();
      }
    });
  }
  app.exec();
  ports.ComCloseAll();
  timers.SwtFreeAll();
  if (result == 3) {
    const std::string device = system.DevicePath(port);
    return Fail("the serial line went away during the transfer (" +
                (device.empty() ? "port " + std::to_string(port) : device) + "); nothing done");
  }
  if (result != 0) {
    return Fail("no complete transfer within " + QString::number(o.timeoutS).toStdString() + " s" +
                (link.TransferBusy() ? " (waiting for the transmitter)" : ""));
  }
  return 0;
}

}  // namespace

int CmdReceive(const Args& args) {
  LinkOptions o;
  std::string error;
  if (!ParseOptions("receive", args, o, error)) return Fail(error, 2);
  // Checked before the transfer too, so nobody waits for the transmitter in vain.
  if (!o.force && OutExists(o.file))
    return Fail(o.file + " exists already; not overwritten (--force replaces it)", 2);
  CliHost host;
  const int rc = RunTransfer(o, host, false,
                             [&](const core::ComHandler&) { return host.Received() != nullptr; });
  if (rc != 0) return Fail("nothing written to " + o.file);
  core::ModellSpeicherTyp& r = *host.Received();
  core::SetDateNow(r);
  if (!o.force && OutExists(o.file))
    return Fail(o.file + " appeared during the transfer; not overwritten (--force replaces it)", 2);
  // The image alone: a comment file beside OUT.fc stays as it is.
  if (!core::WriteModelImage(r, o.file)) return Fail("cannot write " + o.file);
  if (!core::HeaderLoadable(r.header)) {
    std::fprintf(stderr,
                 "veltrano-cli: %s keeps the transmitter's header; the program will not load it\n",
                 o.file.c_str());
  }
  std::fprintf(stderr, "veltrano-cli: %d image bytes written to %s\n", r.dataLength,
               o.file.c_str());
  return 0;
}

int CmdSend(const Args& args) {
  LinkOptions o;
  std::string error;
  if (!ParseOptions("send", args, o, error)) return Fail(error, 2);
  CliHost host;
  core::ModellSpeicherTyp* r = host.AllocModelMemory();
  if (!core::LoadModelMemory(*r, o.file))
    return Fail("cannot load the model memory file " + o.file, 2);
  host.SetActive(r);
  // The send is over when the machine is back at rest after its final acknowledge.
  return RunTransfer(o, host, true,
                     [](const core::ComHandler& link) { return link.TransferBusy() == 0; });
}

#endif

}  // namespace cli
