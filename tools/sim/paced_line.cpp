#include "tools/sim/paced_line.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "core/link/wire_format.h"

namespace sim {

std::int64_t NowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

void SleepUntilNs(std::int64_t t) {
  timespec ts{};
  ts.tv_sec = t / 1'000'000'000;
  ts.tv_nsec = t % 1'000'000'000;
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
  }
}

bool PacedLine::Create(std::string& error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  const char* name = ptsname(master_);
  if (!name) {
    error = "no name for the pseudo-terminal";
    return false;
  }
  path_ = name;
  slave_ = open(name, O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    error = "cannot open " + path_ + ": " + std::strerror(errno);
    return false;
  }
  // Raw, so nothing is echoed or translated before the PC opens its end.
  termios tio{};
  tcgetattr(slave_, &tio);
  cfmakeraw(&tio);
  tcsetattr(slave_, TCSANOW, &tio);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  return true;
}

PacedLine::~PacedLine() {
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
}

void PacedLine::SetBaud(int baud) {
  byteTimeNs_ = core::ByteTimeNs(baud);
}

void PacedLine::Send(const Bytes& bytes, std::int64_t gapNs) {
  bool first = true;
  for (std::uint8_t b : bytes) {
    // Within a block the bytes follow each other on the line without a pause, however late
    // this process wakes up to hand each one over.
    const std::int64_t start = first ? std::max(NowNs(), txFreeAt_) : txFreeAt_ + gapNs;
    first = false;
    const std::int64_t done = start + byteTimeNs_;
    // Gather what the PC sends meanwhile, so its timing is kept.
    Pull(done);
    SleepUntilNs(done);
    // A full buffer (nobody reading) drops the byte, as a line without listener would.
    [[maybe_unused]] ssize_t n = write(master_, &b, 1);
    txFreeAt_ = done;
  }
}

void PacedLine::Pull(std::int64_t waitUntilNs) {
  for (;;) {
    const std::int64_t now = NowNs();
    const std::int64_t waitNs = std::max<std::int64_t>(0, waitUntilNs - now);
    pollfd p{master_, POLLIN, 0};
    timespec timeout{};
    timeout.tv_sec = waitNs / 1'000'000'000;
    timeout.tv_nsec = waitNs % 1'000'000'000;
    const int r = ppoll(&p, 1, &timeout, nullptr);
    if (r <= 0 || !(p.revents & POLLIN)) {
      // POLLHUP while the PC has its end closed: wait out the time without spinning.
      if (r > 0 && waitNs > 0) SleepUntilNs(std::min(waitUntilNs, now + 1'000'000));
      if (NowNs() >= waitUntilNs) return;
      continue;
    }
    std::uint8_t buf[4096];
    const ssize_t n = read(master_, buf, sizeof buf);
    if (n <= 0) {
      SleepUntilNs(std::min(waitUntilNs, NowNs() + 1'000'000));
      if (NowNs() >= waitUntilNs) return;
      continue;
    }
    const std::int64_t seen = NowNs();
    for (ssize_t i = 0; i < n; ++i) {
      // A byte cannot have arrived before its whole frame was on the line.
      const std::int64_t arrival = std::max(seen, rxLineFreeAt_) + byteTimeNs_;
      rxLineFreeAt_ = arrival;
      input_.push_back({buf[i], arrival});
    }
    return;
  }
}

std::optional<std::uint8_t> PacedLine::Receive(std::int64_t deadlineNs) {
  for (;;) {
    if (!input_.empty()) {
      const InByte b = input_.front();
      if (deadlineNs >= 0 && b.arrival > deadlineNs) {
        SleepUntilNs(deadlineNs);
        return std::nullopt;
      }
      SleepUntilNs(b.arrival);
      input_.pop_front();
      lastArrival_ = b.arrival;
      return b.value;
    }
    const std::int64_t now = NowNs();
    if (deadlineNs >= 0 && now >= deadlineNs) return std::nullopt;
    Pull(deadlineNs >= 0 ? deadlineNs : now + 100'000'000);
  }
}

void PacedLine::DropInput() {
  Pull(NowNs());
  input_.clear();
}

}  // namespace sim
