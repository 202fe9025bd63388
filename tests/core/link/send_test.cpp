#include <gtest/gtest.h>

#include "core/link/com_handler.h"
#include "tests/core/link/link_fakes.h"

namespace {

using linktest::Bytes;
using linktest::Header;
using linktest::Rig;

constexpr std::uint8_t kAck = 0xAA;

core::ModellSpeicherTyp& ActiveMemory(Rig& r, int length) {
  r.host.records.push_back(std::make_unique<core::ModellSpeicherTyp>());
  auto& rec = *r.host.records.back();
  std::copy_n("FC2830", 6, rec.header.begin());
  rec.setDataLength(length);
  for (int i = 0; i < length; ++i) rec.image[i] = static_cast<std::uint8_t>(255 - i % 200);
  const Bytes name = {1, 19, 23, 0, 55, 61, 0, 0, 0, 0, 0, 0};  // ASW 28
  std::copy(name.begin(), name.end(), rec.image.begin());
  rec.inUse = true;
  r.host.active = &rec;
  return rec;
}

// Opens the port, starts the send and writes the opening 0xAA.
void StartSending(Rig& r) {
  r.Tick();
  r.link.StartSend();
  r.Tick();
}

// Runs the send to the image state.
void SendUpToImage(Rig& r) {
  StartSending(r);
  r.Answer({kAck}, 2);
  r.Answer({kAck}, 2);
  r.Answer({kAck});
  ASSERT_EQ(r.link.SendStateValue(), core::kTxImage);
}

TEST(Send, AWholeMemoryStepByStep) {
  Rig r;
  auto& rec = ActiveMemory(r, 2048);
  r.Tick();
  r.Feed({kAck, 1});
  r.link.StartSend();
  EXPECT_TRUE(r.line.input.empty());
  EXPECT_EQ(r.link.TransferBusy(), 1);
  const struct {
    Bytes in;  // what the transmitter sends before the ticks
    int ticks, state;
    Bytes written;
    const char* log;  // the last log line, if any is expected
  } steps[] = {
      {{}, 1, core::kTxWaitOpenAck, {kAck}, nullptr},
      {{}, 100, core::kTxWaitOpenAck, {}, nullptr},  // without limit
      {{kAck}, 1, core::kTxHeader, {}, nullptr},
      {{}, 1, core::kTxWaitHeaderAck, Header("FC2830"), "Format = FC28 V3.x"},
      {{kAck}, 2, core::kTxWaitLengthAck, {0x08, 0x00}, "Blocklänge = 2048 byte"},
      {{kAck}, 1, core::kTxImage, {}, nullptr},
  };
  int step = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(step++);
    r.Answer(s.in, s.ticks);
    EXPECT_EQ(r.link.SendStateValue(), s.state);
    EXPECT_EQ(r.TakeWritten(), s.written);
    if (s.log) {
      EXPECT_EQ(r.host.log.back(), s.log);
    }
  }
  EXPECT_EQ(r.link.ExpectedDuration(), 5120u);

  r.line.writes.clear();
  r.Tick(64);
  EXPECT_EQ(r.link.SendStateValue(), core::kTxWaitImageAck);
  ASSERT_EQ(r.line.writes.size(), 64u);
  for (const auto& w : r.line.writes) EXPECT_EQ(w.size(), 32u);
  EXPECT_EQ(r.TakeWritten(), Bytes(rec.image.begin(), rec.image.end()));
  EXPECT_EQ(std::count(r.host.log.begin(), r.host.log.end(), "Modell = ASW 28"), 1);

  r.Tick(10);
  EXPECT_EQ(r.link.SendStateValue(), core::kTxWaitImageAck);
  r.Answer({kAck});
  EXPECT_EQ(r.link.SendStateValue(), core::kTxFinalAck);
  r.Tick();
  EXPECT_EQ(r.TakeWritten(), Bytes{kAck});
  EXPECT_EQ(r.link.TransferBusy(), 0);
}

TEST(Send, WritesWaitForTheOutputQueue) {
  Rig r;
  ActiveMemory(r, 100);
  SendUpToImage(r);
  r.line.outputQueued = 40;  // the last write has not left yet
  r.line.writes.clear();
  r.Tick(6);
  EXPECT_TRUE(r.line.writes.empty());
  r.line.outputQueued = 0;
  r.Tick(4);
  EXPECT_EQ(r.line.writes.size(), 4u);  // 32 + 32 + 32 + 4
  EXPECT_EQ(r.line.writes.back().size(), 4u);
  EXPECT_EQ(r.link.SendStateValue(), core::kTxWaitImageAck);

  // Outside the image state a write that must wait is skipped and the machine goes on.
  Rig s;
  ActiveMemory(s, 10);
  StartSending(s);
  s.Answer({kAck});
  s.line.outputQueued = 1;
  s.TakeWritten();
  s.Tick();
  EXPECT_EQ(s.link.SendStateValue(), core::kTxWaitHeaderAck);
  EXPECT_TRUE(s.TakeWritten().empty());
}

TEST(Send, ProgressFromTheStopwatch) {
  struct Case {
    int length, baud;
    std::uint32_t expected;
    int afterMs, progress;
  };
  for (const Case c : {Case{2048, 4800, 5120, 2560, 50}, Case{2048, 9600, 2560, 1280, 50},
                       Case{1870, 4800, 4675, 935, 20}}) {
    Rig r;
    r.link.SetBaudRate(c.baud);
    ActiveMemory(r, c.length);
    SendUpToImage(r);
    EXPECT_EQ(r.link.ExpectedDuration(), c.expected);
    r.line.outputQueued = 1;  // hold the writes: progress does not count bytes
    EXPECT_EQ(r.link.TransferProgress(), 0);
    r.clock.Advance(c.afterMs);
    EXPECT_EQ(r.link.TransferProgress(), c.progress) << c.baud << " " << c.length;
    r.clock.Advance(static_cast<int>(c.expected));
    EXPECT_EQ(r.link.TransferProgress(), 100);
    EXPECT_EQ(r.link.SendStateValue(), core::kTxImage);
  }
}

TEST(Send, EmptyImageAndOddBaudRates) {
  Rig r;
  ActiveMemory(r, 0);
  SendUpToImage(r);
  EXPECT_EQ(r.link.TransferProgress(), 100);
  r.Tick();
  EXPECT_EQ(r.link.SendStateValue(), core::kTxWaitImageAck);

  Rig z;
  z.link.SetBaudRate(0);  // a broken stored rate must not divide by zero
  ActiveMemory(z, 50);
  SendUpToImage(z);
  EXPECT_EQ(z.link.TransferProgress(), 100);
}

TEST(Send, NoActiveMemoryEndsTheSend) {
  Rig r;
  StartSending(r);
  r.Answer({kAck}, 2);
  EXPECT_EQ(r.link.TransferBusy(), 0);
  EXPECT_EQ(r.host.log.back(), "kein Modell gewählt");
}

TEST(Send, SwitchingDirectionMidTransfer) {
  Rig r;
  ActiveMemory(r, 100);
  StartSending(r);
  r.link.StartReceive();
  EXPECT_EQ(r.link.SendStateValue(), 0);
  EXPECT_EQ(r.link.TransferBusy(), 32);
  r.Answer({kAck});
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxOpenAck);

  // And back: a receive in the image state is abandoned by a send, its record stays free.
  Rig s;
  ActiveMemory(s, 100);
  s.Tick();
  s.link.StartReceive();
  s.Answer({kAck}, 2);
  s.Answer(Header("FC2830"), 2);
  s.Answer({0, 50}, 2);
  EXPECT_EQ(s.link.ReceiveStateValue(), core::kRxImage);
  s.link.StartSend();
  EXPECT_EQ(s.link.ReceiveStateValue(), 0);
  EXPECT_EQ(s.link.TransferBusy(), 1);
  EXPECT_FALSE(s.host.records.back()->inUse);
  EXPECT_EQ(s.link.TransferProgress(), 0);
}

TEST(Link, ResetReopensAndPortFailureStillLogs) {
  Rig r;
  r.system.canOpen[1] = false;
  r.Tick();
  EXPECT_EQ(r.host.log.back(), "COM1: 4800 bit/s");
  ActiveMemory(r, 10);
  r.link.StartSend();
  r.Tick(20);
  EXPECT_EQ(r.link.SendStateValue(), core::kTxWaitOpenAck);  // nothing written, waits
  EXPECT_TRUE(r.line.written.empty());

  r.system.canOpen[3] = true;
  r.link.SetPortNumber(3);
  r.link.SetBaudRate(9600);
  r.link.TransferReset();
  EXPECT_EQ(r.link.TransferBusy(), 0);
  EXPECT_EQ(r.link.PortState(), 0);
  r.Tick();
  EXPECT_EQ(r.host.log.back(), "COM3: 9600 bit/s");
  EXPECT_EQ(r.system.lines[3].settings.baud, 9600);
  // The open tick does not step the machines.
  r.link.TransferReset();
  r.link.StartReceive();
  r.system.lines[3].input.push_back(kAck);
  r.Tick();
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
  r.Tick();
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxOpenAck);
}

TEST(Link, TicksAreNeededUnlessOnlyInputCanMoveIt) {
  Rig r;
  ActiveMemory(r, 40);
  EXPECT_TRUE(r.link.NeedsTicks());  // the port is to be opened
  r.Tick();
  EXPECT_FALSE(r.link.NeedsTicks());  // idle
  r.Feed(Bytes{1});
  EXPECT_FALSE(r.link.NeedsTicks());  // idle bytes wait for the next start
  r.link.StartSend();
  EXPECT_TRUE(r.link.NeedsTicks());  // the opening 0xAA is to be written
  r.Tick();
  EXPECT_FALSE(r.link.NeedsTicks());  // waits for the acknowledge, nothing queued
  r.Feed(kAck);
  EXPECT_TRUE(r.link.NeedsTicks());  // queued input
  r.Tick(2);
  EXPECT_FALSE(r.link.NeedsTicks());  // header written, its acknowledge awaited
  r.Answer({kAck}, 2);
  EXPECT_FALSE(r.link.NeedsTicks());
  r.Answer({kAck});
  EXPECT_TRUE(r.link.NeedsTicks());  // image: writes wait for the output queue
  r.Tick(2);
  EXPECT_EQ(r.link.SendStateValue(), core::kTxWaitImageAck);
  EXPECT_FALSE(r.link.NeedsTicks());

  Rig v;
  v.Tick();
  v.link.StartReceive();
  EXPECT_FALSE(v.link.NeedsTicks());  // waits for the transmitter without limit
  v.Answer({kAck}, 2);
  EXPECT_TRUE(v.link.NeedsTicks());  // the header has 300 ms
  v.Answer(Header("FC2830"), 2);
  v.Answer({0, 4}, 2);
  EXPECT_EQ(v.link.ReceiveStateValue(), core::kRxImage);
  EXPECT_FALSE(v.link.NeedsTicks());  // image bytes have no time limit
  v.Feed({1, 2, 3, 4});
  EXPECT_TRUE(v.link.NeedsTicks());
  v.Tick();
  EXPECT_TRUE(v.link.NeedsTicks());  // complete: the acknowledge is to be written
}

}  // namespace
