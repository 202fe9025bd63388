#include <gtest/gtest.h>

#include "core/link/com_handler.h"
#include "tests/core/link/link_fakes.h"

namespace {

using linktest::Bytes;
using linktest::Header;
using linktest::Rig;

constexpr std::uint8_t kAck = 0xAA;

Bytes Image(int n) {
  Bytes b(n);
  for (int i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return b;
}

// Opens the port and starts a receive; the machine waits for the transmitter's 0xAA.
void StartReceiving(Rig& r) {
  r.Tick();
  r.link.StartReceive();
  ASSERT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
}

// Runs the receive up to the image state with the given header and length blocks.
void ReceiveUpToImage(Rig& r, const char* header, Bytes length) {
  StartReceiving(r);
  r.Answer({kAck}, 2);
  r.Answer(Header(header), 2);
  r.Answer(length, 2);
}

TEST(Receive, AWholeMemoryStepByStep) {
  Rig r;
  r.Feed({1, 2, kAck});  // sent before the click: flushed by the start
  r.Tick();
  EXPECT_EQ(r.host.log.back(), "COM1: 4800 bit/s");
  r.link.StartReceive();
  EXPECT_TRUE(r.line.input.empty());
  EXPECT_EQ(r.link.TransferBusy(), 32);
  Bytes image = Image(2048);
  // SEGLER followed by blanks: the name line has no trailing blanks.
  const Bytes name = {19, 5, 7, 12, 5, 18, 0, 0, 0, 0, 0, 0};
  std::copy(name.begin(), name.end(), image.begin());
  const struct {
    Bytes in;  // what the transmitter sends before the ticks
    int ticks, state;
    Bytes written;
    const char* log;  // the last log line, if any is expected
    int progress;     // -1: not checked
  } steps[] = {
      {{}, 50, core::kRxWaitOpenAck, {}, nullptr, -1},  // waits without limit
      {{kAck}, 1, core::kRxOpenAck, {}, nullptr, -1},
      {{}, 1, core::kRxHeader, {kAck}, nullptr, -1},
      {Header("FC2830"), 1, core::kRxHeaderAck, {}, "Format = FC28 V3.x", -1},
      {{}, 1, core::kRxLength, {kAck}, nullptr, -1},
      {{0x08, 0x00}, 1, core::kRxLengthAck, {}, "Blocklänge = 2048", -1},
      {{}, 1, core::kRxImage, {kAck}, nullptr, 0},
      {Bytes(image.begin(), image.begin() + 512), 400, core::kRxImage, {}, nullptr, 25},  // no limit
      {Bytes(image.begin() + 512, image.end()), 1, core::kRxImageAck, {}, "Modell = SEGLER", -1},
  };
  int step = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(step++);
    r.Answer(s.in, s.ticks);
    EXPECT_EQ(r.link.ReceiveStateValue(), s.state);
    EXPECT_EQ(r.TakeWritten(), s.written);
    if (s.log) {
      EXPECT_EQ(r.host.log.back(), s.log);
    }
    if (s.progress >= 0) {
      EXPECT_EQ(r.link.TransferProgress(), s.progress);
    }
  }
  EXPECT_EQ(r.host.rebuilds, 0);
  r.Tick();
  EXPECT_EQ(r.TakeWritten(), Bytes{kAck});
  EXPECT_EQ(r.host.rebuilds, 1);

  ASSERT_EQ(r.host.records.size(), 1u);
  const auto& rec = *r.host.records[0];
  EXPECT_TRUE(rec.inUse && rec.dataLength == 2048 && !rec.imageSaved);  // the rebuild names it
  EXPECT_EQ(Bytes(rec.image.begin(), rec.image.end()), image);
}

TEST(Receive, WrongHeaderIsNotAcknowledgedAndRestartsAfter300ms) {
  Rig r;
  StartReceiving(r);
  r.Answer({kAck}, 2);  // acknowledged at this moment: the 300 ms run from here
  r.TakeWritten();
  r.Answer(Header("XC2830"), 297);
  EXPECT_TRUE(r.TakeWritten().empty());
  r.Tick(2);
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
  EXPECT_EQ(r.host.records[0]->inUse, false);
  // Starting over reuses the abandoned record.
  r.Answer({kAck}, 2);
  r.Answer(Header("FC2830"));
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxHeaderAck);
  EXPECT_EQ(r.host.records.size(), 1u);
  EXPECT_EQ(r.host.allocs, 2);
}

TEST(Receive, IncompleteHeaderOrLengthTimesOut) {
  Rig r;
  StartReceiving(r);
  r.Answer({kAck}, 2);
  r.Answer({'F', 'C', '2'}, 310);
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);

  r.clock.ms = (r.clock.ms / 1000 + 1) * 1000;  // on a centisecond boundary
  r.Answer({kAck}, 2);
  r.Answer(Header("FC2830"), 2);
  r.Answer(Bytes{0x07}, 295);
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxLength);
  r.Tick(2);
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
}

TEST(Receive, LengthAbove2048IsNeverAccepted) {
  Rig r;
  ReceiveUpToImage(r, "FC2830", {0x08, 0x01});
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxLength);
  EXPECT_NE(r.host.log.back(), "Blocklänge = 2049");
  EXPECT_LE(r.host.records[0]->dataLength, 2048);
  r.Feed(Bytes(100, 0x55));  // more bytes change nothing: the block is full
  r.Tick(200);
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxLength);
  r.Tick(100);
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
  EXPECT_TRUE(r.line.input.empty());  // the restart flushed the rest
}

TEST(Receive, RestartWhileRunningAndRecordsFreedMeanwhile) {
  Rig r;
  ReceiveUpToImage(r, "FC2830", {0x00, 0x10});
  r.Answer(Bytes(8, 1));
  EXPECT_EQ(r.link.TransferProgress(), 50);
  r.link.StartReceive();  // the same direction again abandons the running one
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
  EXPECT_FALSE(r.host.records[0]->inUse);

  Rig f;
  ReceiveUpToImage(f, "FC2830", {0x00, 0x10});
  ++f.host.generation;  // the store freed its records (directory changed)
  f.Answer(Bytes(16, 1));
  EXPECT_EQ(f.link.TransferBusy(), 0);
  EXPECT_EQ(f.host.rebuilds, 0);
}

TEST(Receive, RecordTakenByAnotherOwnerIsLeftAlone) {
  Rig r;
  ReceiveUpToImage(r, "FC2830", {0x00, 0x10});
  r.Answer(Bytes(4, 1));
  // Meanwhile the user makes a new memory: the store hands out the same free record.
  core::ModellSpeicherTyp* taken = r.host.AllocModelMemory();
  ASSERT_EQ(taken, r.host.records[0].get());
  taken->image.fill(0x33);
  taken->setDataLength(1870);
  taken->inUse = true;
  r.Answer(Bytes(12, 2));
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
  EXPECT_TRUE(taken->image[4] == 0x33 && taken->dataLength == 1870);
  EXPECT_EQ(r.host.rebuilds, 0);
  // The next receive takes a record of its own.
  r.Answer({kAck}, 2);
  EXPECT_EQ(r.host.records.size(), 2u);
}

TEST(Receive, FormatLineOfOtherVersions) {
  std::array<std::uint8_t, 6> v40 = {'F', 'C', '2', '8', '4', '0'};
  EXPECT_EQ(core::FormatLine(v40), "Format = FC28 V4.0");
  std::array<std::uint8_t, 6> odd = {'F', 'C', '2', '8', 0xC4, '1'};
  EXPECT_EQ(core::FormatLine(odd), "Format = FC28 VÄ.1");  // single-byte text made UTF-8
}

TEST(Receive, ALineThatGoesAwayEndsEitherTransferAtOnce) {
  // Cut during a send and during a receive: logged, idle, port closed, nothing stored.
  for (const bool send : {false, true}) {
    Rig r;
    core::ModellSpeicherTyp memory;
    memory.setDataLength(100);
    r.host.active = &memory;
    if (send) {
      r.Tick();
      r.link.StartSend();
      r.Answer({kAck}, 3);
    } else {
      ReceiveUpToImage(r, "FC2830", {0, 100});
      r.Answer(Image(40));
    }
    ASSERT_NE(r.link.TransferBusy(), 0) << send;
    r.line.lost = true;
    r.Tick();
    EXPECT_TRUE(r.link.TransferBusy() == 0 && r.link.LineLost() && !r.line.open) << send;
    EXPECT_EQ(r.host.log.back(), core::kLineLostLog);
    EXPECT_FALSE(r.link.NeedsTicks());  // nothing more to poll: no CPU while idle
    for (const auto& rec : r.host.records) EXPECT_FALSE(rec->inUse);
    // The next start opens the port again.
    r.line.lost = false;
    r.link.StartReceive();
    r.Tick();
    EXPECT_TRUE(r.line.open && !r.link.LineLost()) << send;
  }
}

}  // namespace
