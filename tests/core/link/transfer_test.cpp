// The link in both directions against a fake port: whole transfers as step tables, then what
// ends or restarts one (time-outs, refused blocks, port failures, hang-up, records taken); the
// link's soft timers, the transfer panel, the serial ports and the port dialog.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/link/com_form.h"
#include "core/link/com_handler.h"
#include "core/link/com_ports.h"
#include "core/link/transfer_display.h"
#include "tests/core/link/link_fakes.h"

namespace {

using core::SoftTimers;
using core::TransferDisplay;
using linktest::Bytes;
using linktest::Header;
using linktest::Rig;

constexpr std::uint8_t kAck = 0xAA;

Bytes Image(int n) {
  Bytes b(n);
  for (int i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return b;
}

/// Makes a memory of length image bytes named "ASW 28" the active one.
core::ModellSpeicherTyp& ActiveMemory(Rig& r, int length) {
  r.host.records.push_back(std::make_unique<core::ModellSpeicherTyp>());
  auto& rec = *r.host.records.back();
  std::copy_n("FC2830", 6, rec.header.begin());
  rec.setDataLength(length);
  const Bytes name = {1, 19, 23, 0, 55, 61, 0, 0, 0, 0, 0, 0};
  const Bytes image = Image(length);
  std::copy(image.begin(), image.end(), rec.image.begin());
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

void SendUpToImage(Rig& r) {
  StartSending(r);
  r.Answer({kAck}, 2);
  r.Answer({kAck}, 2);
  r.Answer({kAck});
  ASSERT_EQ(r.link.SendStateValue(), core::kTxImage);
}

// Opens the port and starts a receive; the machine waits for the transmitter's 0xAA.
void StartReceiving(Rig& r) {
  r.Tick();
  r.link.StartReceive();
  ASSERT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
}

void ReceiveUpToImage(Rig& r, Bytes length) {
  StartReceiving(r);
  r.Answer({kAck}, 2);
  r.Answer(Header("FC2830"), 2);
  r.Answer(length, 2);
  ASSERT_EQ(r.link.ReceiveStateValue(), core::kRxImage);
}

/// One step: what the transmitter sends, the ticks that follow, and what must hold then.
struct Step {
  Bytes in;
  int ticks;
  int busy;  // the running machine's state (the other stays idle)
  Bytes written;
  const char* log;  // the last log line, if one is expected
  bool needsTicks;
  int progress = -1;  // -1: not checked
};

void RunSteps(Rig& r, const std::vector<Step>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    const Step& s = steps[i];
    r.Feed(s.in);
    if (!s.in.empty()) {
      EXPECT_TRUE(r.link.NeedsTicks());  // queued input
    }
    r.Tick(s.ticks);
    EXPECT_EQ(r.link.TransferBusy(), s.busy);
    EXPECT_EQ(r.TakeWritten(), s.written);
    if (s.log) {
      EXPECT_EQ(r.host.log.back(), s.log);
    }
    EXPECT_EQ(r.link.NeedsTicks(), s.needsTicks);
    if (s.progress >= 0) {
      EXPECT_EQ(r.link.TransferProgress(), s.progress);
    }
  }
}

TEST(Transfer, SendsAWholeMemoryStepByStep) {
  Rig r;
  const auto& rec = ActiveMemory(r, 2048);
  const Bytes image(rec.image.begin(), rec.image.end());
  EXPECT_TRUE(r.link.NeedsTicks());  // the port is to be opened
  r.Tick();
  r.Feed({kAck, 1});
  EXPECT_FALSE(r.link.NeedsTicks());  // idle bytes wait for the next start, which flushes them
  r.link.StartSend();
  RunSteps(r,
           {
               {{}, 0, core::kTxOpenAck, {}, nullptr, true},
               {{}, 1, core::kTxWaitOpenAck, {kAck}, nullptr, false},
               {{}, 100, core::kTxWaitOpenAck, {}, nullptr, false},  // without limit
               {{kAck}, 1, core::kTxHeader, {}, nullptr, true},
               {{}, 1, core::kTxWaitHeaderAck, Header("FC2830"), "Format = FC28 V3.x", false},
               {{kAck}, 2, core::kTxWaitLengthAck, {0x08, 0x00}, "Blocklänge = 2048 byte", false},
               {{kAck}, 1, core::kTxImage, {}, nullptr, true},  // writes wait for the queue
               {{}, 64, core::kTxWaitImageAck, image, "Modell = ASW 28", false},
               {{}, 10, core::kTxWaitImageAck, {}, nullptr, false},
               {{kAck}, 1, core::kTxFinalAck, {}, nullptr, true},
               {{}, 1, core::kTxIdle, {kAck}, nullptr, false},
           });
  EXPECT_EQ(std::count(r.host.log.begin(), r.host.log.end(), "Modell = ASW 28"), 1);
}

TEST(Transfer, ReceivesAWholeMemoryStepByStep) {
  Rig r;
  r.Feed({1, 2, kAck});  // sent before the click: flushed by the start
  r.Tick();
  r.link.StartReceive();
  Bytes image = Image(2048);
  // SEGLER followed by blanks: the name line has no trailing blanks.
  const Bytes name = {19, 5, 7, 12, 5, 18, 0, 0, 0, 0, 0, 0};
  std::copy(name.begin(), name.end(), image.begin());
  const Bytes quarter(image.begin(), image.begin() + 512), rest(image.begin() + 512, image.end());
  RunSteps(r, {
                  {{}, 50, core::kRxWaitOpenAck, {}, nullptr, false},  // without limit
                  {{kAck}, 1, core::kRxOpenAck, {}, nullptr, true},
                  {{}, 1, core::kRxHeader, {kAck}, nullptr, true},  // the header has 300 ms
                  {Header("FC2830"), 1, core::kRxHeaderAck, {}, "Format = FC28 V3.x", true},
                  {{}, 1, core::kRxLength, {kAck}, nullptr, true},
                  {{0x08, 0x00}, 1, core::kRxLengthAck, {}, "Blocklänge = 2048", true},
                  {{}, 1, core::kRxImage, {kAck}, nullptr, false, 0},  // no limit for the image
                  {quarter, 400, core::kRxImage, {}, nullptr, false, 25},
                  {rest, 1, core::kRxImageAck, {}, "Modell = SEGLER", true},  // the ack to write
              });
  EXPECT_EQ(r.host.rebuilds, 0);  // the tree only after the acknowledge went out
  RunSteps(r, {{{}, 1, core::kRxIdle, {kAck}, nullptr, false}});
  EXPECT_EQ(r.host.rebuilds, 1);
}

TEST(Transfer, SendProgressFromTheStopwatch) {
  const struct {
    int length, baud;
    std::uint32_t expected;
    int afterMs, progress;
    int state;  // after one more tick, the writes held: nothing written
  } cases[] = {
      {2048, 4800, 5120, 2560, 50, core::kTxImage}, {2048, 9600, 2560, 1280, 50, core::kTxImage},
      {1870, 4800, 4675, 935, 20, core::kTxImage},  {0, 4800, 0, 0, 100, core::kTxWaitImageAck},
      {50, 0, 0, 0, 100, core::kTxImage},  // a broken stored rate must not divide by zero
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.length) + " bytes at " + std::to_string(c.baud));
    Rig r;
    r.link.SetBaudRate(c.baud);
    ActiveMemory(r, c.length);
    SendUpToImage(r);
    r.TakeWritten();
    EXPECT_EQ(r.link.ExpectedDuration(), c.expected);
    r.line.outputQueued = 1;  // hold the writes: progress does not count bytes
    EXPECT_EQ(r.link.TransferProgress(), c.expected ? 0 : 100);
    r.clock.Advance(c.afterMs);
    EXPECT_EQ(r.link.TransferProgress(), c.progress);
    r.clock.Advance(static_cast<int>(c.expected));
    EXPECT_EQ(r.link.TransferProgress(), 100);
    r.Tick();
    EXPECT_EQ(r.link.SendStateValue(), c.state);
    EXPECT_TRUE(r.TakeWritten().empty());
    r.line.outputQueued = 0;  // released: at most 32 image bytes a tick
    r.Tick(4);
    EXPECT_EQ(r.TakeWritten().size(), std::min<std::size_t>(c.length, 128));
  }
}

TEST(Transfer, ASendEndsWithoutAnActiveMemorySkipsWritesThatMustWaitAndGivesWayToAReceive) {
  Rig r;
  StartSending(r);
  r.Answer({kAck}, 2);
  EXPECT_EQ(r.link.TransferBusy(), 0);
  EXPECT_EQ(r.host.log.back(), "kein Modell gewählt");

  // Outside the image a write that must wait is skipped and the machine goes on.
  ActiveMemory(r, 100);
  r.link.StartSend();
  r.Tick();
  r.line.outputQueued = 1;  // the opening 0xAA has not left yet
  r.TakeWritten();
  r.Answer({kAck}, 2);
  EXPECT_EQ(r.link.SendStateValue(), core::kTxWaitHeaderAck);
  EXPECT_TRUE(r.TakeWritten().empty());
  r.link.StartReceive();
  r.Answer({kAck});
  EXPECT_EQ(r.link.TransferBusy(), core::kRxOpenAck);
}

// Refused or incomplete blocks are not acknowledged; 300 ms after the last acknowledge the
// receive starts over, flushing the rest, and the retry reuses the abandoned record.
TEST(Transfer, ReceiveStartsOverAfterARefusedOrIncompleteBlock) {
  const Bytes header = Header("FC2830");
  Bytes lengthCut = header, length2049 = header;
  lengthCut.push_back(0x07);
  length2049.insert(length2049.end(), {0x08, 0x01});
  length2049.insert(length2049.end(), 100, 0x55);  // more bytes change nothing: the block is full
  const struct {
    const char* what;
    Bytes in;   // after the opening acknowledge
    int state;  // until the time-out
    Bytes acks;
  } cases[] = {
      {"wrong header", Header("XC2830"), core::kRxHeader, {}},
      {"header cut short", {'F', 'C', '2'}, core::kRxHeader, {}},
      {"length cut short", lengthCut, core::kRxLength, {kAck}},
      {"length 2049", length2049, core::kRxLength, {kAck}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Rig r;
    StartReceiving(r);
    r.clock.ms = (r.clock.ms / 1000 + 1) * 1000;  // on a centisecond boundary
    r.Answer({kAck}, 2);                          // the acknowledge: the 300 ms run from here
    r.TakeWritten();
    r.Answer(c.in, 298);
    EXPECT_EQ(r.link.ReceiveStateValue(), c.state);
    EXPECT_EQ(r.TakeWritten(), c.acks);
    EXPECT_LE(r.host.records[0]->dataLength, 2048);
    for (const auto& line : r.host.log) EXPECT_EQ(line.find("Blocklänge"), std::string::npos);
    r.Tick();
    EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
    EXPECT_TRUE(r.line.input.empty());
    EXPECT_FALSE(r.host.records[0]->inUse);
    r.Answer({kAck}, 2);
    r.Answer(header);
    EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxHeaderAck);
    EXPECT_EQ(std::tuple(r.host.records.size(), r.host.allocs), std::tuple(1u, 2));
  }
}

// However a receive ends midway, the bytes after go nowhere, nothing is stored and the record
// stays free; a dead line is logged and closed. The next receive reopens the port.
TEST(Transfer, AReceiveEndedMidwayStoresNothing) {
  const struct {
    const char* what;
    std::function<void(Rig&)> meanwhile;
    int busy;  // once the rest of the image has arrived
    bool taken, lineLost;
  } cases[] = {
      {"started again", [](Rig& r) { r.link.StartReceive(); }, core::kRxWaitOpenAck, false, false},
      {"a send started", [](Rig& r) { r.link.StartSend(); }, core::kTxWaitOpenAck, false, false},
      {"records freed by the store", [](Rig& r) { ++r.host.generation; }, 0, false, false},
      {"record handed to a new memory",
       [](Rig& r) {
         core::ModellSpeicherTyp* taken = r.host.AllocModelMemory();
         ASSERT_EQ(taken, r.host.records[0].get());  // free until the receive completes
         taken->image.fill(0x33);
         taken->inUse = true;
       },
       core::kRxWaitOpenAck, true, false},
      {"line gone", [](Rig& r) { r.line.lost = true; }, 0, false, true},
      {"line gone during a send",
       [](Rig& r) {
         r.link.StartSend();
         r.Tick();
         r.line.lost = true;
       },
       0, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Rig r;
    ReceiveUpToImage(r, {0x00, 0x10});
    r.Answer(Bytes(8, 1));
    c.meanwhile(r);
    r.Answer(Bytes(8, 2), 2);
    EXPECT_EQ(std::tuple(r.link.TransferBusy(), r.link.TransferProgress()), std::tuple(c.busy, 0));
    EXPECT_FALSE(r.link.NeedsTicks());  // nothing to poll: no CPU meanwhile
    EXPECT_EQ(r.host.rebuilds, 0);
    const auto& record = *r.host.records[0];
    EXPECT_EQ(record.inUse, c.taken);
    EXPECT_NE(record.image[8], 2);  // the later bytes went nowhere
    EXPECT_EQ(std::tuple(r.link.LineLost(), r.line.open), std::tuple(c.lineLost, !c.lineLost));
    EXPECT_EQ(r.host.log.back() == core::kLineLostLog, c.lineLost);
    r.line.lost = false;
    r.link.StartReceive();
    r.Answer({kAck}, 3);
    EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxHeader);
    EXPECT_FALSE(r.link.RecordBeingReceived()->inUse);
    EXPECT_TRUE(r.line.open);
  }
}

// The log after a change of port is the window test's.
TEST(Transfer, APortThatCannotOpenWaitsAndResetReopens) {
  Rig r;
  r.system.canOpen[1] = false;
  r.Tick();
  EXPECT_EQ(r.host.log.back(), "COM1: 4800 bit/s");  // logged all the same
  r.link.StartSend();
  r.Tick(20);
  EXPECT_EQ(r.link.SendStateValue(), core::kTxWaitOpenAck);  // nothing written, waits
  EXPECT_TRUE(r.line.written.empty());

  r.link.SetPortNumber(3);
  r.link.SetBaudRate(9600);
  r.link.TransferReset();
  EXPECT_EQ(r.link.TransferBusy(), 0);
  r.link.StartReceive();
  r.system.lines[3].input.push_back(kAck);
  r.Tick();  // opens the port without stepping the machines
  EXPECT_EQ(r.system.lines[3].settings.baud, 9600);
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxWaitOpenAck);
  r.Tick();
  EXPECT_EQ(r.link.ReceiveStateValue(), core::kRxOpenAck);
}

TEST(Transfer, FormatLineOfOtherVersions) {
  EXPECT_EQ(core::FormatLine({'F', 'C', '2', '8', '4', '0'}), "Format = FC28 V4.0");
  EXPECT_EQ(core::FormatLine({'F', 'C', '2', '8', 0xC4, '1'}), "Format = FC28 VÄ.1");  // UTF-8
}

using core::SoftTimers;
using core::TransferDisplay;

struct TimersTest : ::testing::Test {
  linktest::FakeClock clock;
  SoftTimers t{clock};
};

// The link's two kinds, in milliseconds; the exact expiry and a plain stopwatch value are checked
// where it uses them (the block time-out, the "Ok" hold, the send progress).
TEST_F(TimersTest, ExpiryAndValueOfCountDownsAndStopwatches) {
  const struct {
    std::uint8_t mode;
    std::uint16_t duration;
    int afterMs;
    bool expired;  // a stopwatch never counts down: always "expired"
    int value;
  } cases[] = {
      {0x41, 300, 290, false, 10},
      {0x41, 9, 0, true, 0},  // below 10 ms: expired at once
      {0x42, 100, 50, true, 150},
      {0x42, 0, 70000, true, 65535},           // clamped
      {0x42, 100, 10486 * 1000, true, 65535},  // 1048575 cs or more stays unscaled, clamped
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << int{c.mode} << std::dec << " " << c.duration
                                    << " after " << c.afterMs << " ms");
    const auto id = t.SwtStart(0, c.mode, c.duration);
    clock.Advance(c.afterMs);
    EXPECT_EQ(t.SwtValue(id), c.value);
    EXPECT_EQ(t.SwtExpired(id), c.expired);
  }
}

TEST_F(TimersTest, MidnightWrapAndTimersThatStayExpired) {
  clock.ms = core::kMillisecondsPerDay - 100;  // 23:59:59.90
  const auto id = t.SwtStart(0, 0x41, 300);
  clock.ms = 200;  // 00:00:00.20
  EXPECT_EQ(SoftTimers::SwtElapsed(t.SwtNow(), 8639990), 30);
  EXPECT_TRUE(t.SwtExpired(id));
  clock.ms = 0;  // the clock went back: an expired timer stays stopped
  EXPECT_TRUE(t.SwtExpired(id));
  EXPECT_EQ(t.SwtValue(id), 0);
  EXPECT_TRUE(t.SwtExpired(999));  // unknown
  EXPECT_EQ(t.SwtValue(999), 0);
}

TEST(TransferDisplay, StateOfEveryBusyValue) {
  const std::pair<std::vector<int>, int> groups[] = {
      {{0, 10, 15, 17, 129, -1}, 1},
      {{1, 2, 3, 4, 5, 6, 16, 32, 48, 64, 80, 96}, 2},
      {{7, 112}, 3},
      {{8, 9, 128}, 4},
  };
  for (const auto& [busy, state] : groups)
    for (const int b : busy) EXPECT_EQ(core::DisplayStateOfBusy(b), state) << b;
}

// Each step asks NeedsTicks for the step's values, then ticks with them.
TEST_F(TimersTest, TransferDisplayHoldsOkThreeSecondsWhateverTheLinkDoes) {
  TransferDisplay d(t);
  EXPECT_EQ(std::tuple(d.DisplayState(), d.Progress()), std::tuple(-1, -1));
  const struct {
    int advanceMs, progress, busy;
    bool needsTicks;
    bool repaint;
    int state;
  } steps[] = {
      {0, 0, 0, true, true, 1},  // nothing drawn yet
      {0, 0, 0, false, false, 1},
      {0, 0, 32, true, true, 2},  // "Warte auf Daten ..." still to draw
      {0, 40, 112, true, true, 3},
      {0, 41, 112, true, true, 3},  // the bar grew
      {0, 100, 128, true, true, 4},
      {0, 100, 128, true, false, 4},  // the hold runs: ticks even with nothing new to draw
      {10, 0, 0, true, true, 4},      // progress changed; the state stays "Ok" while the hold runs
      {2980, 0, 32, true, false, 4},  // a new transfer inside the hold still shows "Ok"
      {10, 0, 32, true, true, 2},     // and "Warte" follows on time
      {0, 0, 0, true, true, 1},
      // A state that still maps to "Ok" when the hold ends starts another 3 s.
      {0, 0, 8, true, true, 4},
      {3000, 0, 9, false, false, 4},
      {2990, 0, 0, true, false, 4},
      {10, 0, 0, true, true, 1},  // "Ok" is still drawn
  };
  int step = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(step++);
    clock.Advance(s.advanceMs);
    EXPECT_EQ(d.NeedsTicks(s.busy, s.progress), s.needsTicks);
    EXPECT_EQ(d.Tick(s.progress, s.busy), s.repaint);
    EXPECT_EQ(d.DisplayState(), s.state);
  }
}

TEST(TransferDisplay, PanelGeometry) {
  using C = core::PanelColour;
  const core::PanelRect r{19, 2, 219, 20};
  const struct {
    int state, progress;
    std::vector<std::tuple<C, int, int>> fills;  // colour, left, right
    const char* text;
  } cases[] = {
      {1, 0, {{C::ButtonFace, 20, 218}}, "        "},
      {2, 0, {{C::Yellow, 20, 218}}, "Warte auf Daten ..."},
      {4, 0, {{C::Lime, 20, 218}}, "Ok"},
      {3, 50, {{C::Lime, 20, 119}, {C::Yellow, 119, 218}}, "        "},
      {3, 0, {{C::Yellow, 19, 218}}, "        "},
      {3, 100, {{C::Lime, 20, 219}}, "        "},
      {3, -1, {}, "        "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.state) + " " + std::to_string(c.progress));
    const auto d = core::DrawTransferPanel(r, c.state, c.progress);
    std::vector<std::tuple<C, int, int>> fills;
    for (const auto& f : d.fills) fills.emplace_back(f.colour, f.rect.left, f.rect.right);
    EXPECT_EQ(fills, c.fills);
    EXPECT_EQ(d.text, c.text);
  }
  const auto idle = core::DrawTransferPanel(r, 1, 0);
  EXPECT_EQ(std::tuple(idle.fills[0].rect.bottom, idle.textX, idle.textY), std::tuple(19, 25, 3));
}

struct ComPortsTest : ::testing::Test {
  ComPortsTest() { ports.ComInit(); }
  linktest::FakeSystem sys;
  core::ComPorts ports{sys};
  int Open(int port, double baud = 4800.0) { return ports.ComOpen(port, 8, 2, baud, 2); }
};

TEST_F(ComPortsTest, EnumerateMarksListedPortsOnly) {
  // Only COM1..COM8 count, in any case; none of them listed marks them all.
  const struct {
    std::vector<std::string> names;
    const char* present;  // ports 1..8
  } cases[] = {{{"COM2", "COM10", "LPT1"}, "01000000"},
               {{"com3"}, "00100000"},
               {{"COM9", "ttyS0"}, "11111111"},
               {{}, "11111111"}};
  for (const auto& c : cases) {
    sys.names = c.names;
    ports.ComEnumerate();
    std::string present;
    for (int n = 1; n <= 8; ++n) present += ports.ComPortPresent(n) ? '1' : '0';
    EXPECT_EQ(present, c.present) << c.names.size();
  }
  EXPECT_FALSE(ports.ComPortPresent(0) || ports.ComPortPresent(9));
}

TEST_F(ComPortsTest, OpenSetsLineSettingsAndClearsLines) {
  EXPECT_EQ(std::tuple(Open(9), Open(0)), std::tuple(2048, 2048));
  EXPECT_EQ(Open(1, 4800.7), 0);
  const auto& line = sys.lines[1];
  const auto& s = line.settings;
  EXPECT_EQ(std::tuple(s.baud, s.dataBits, s.stopBits, s.parity),
            std::tuple(4800, 8, 2, core::kParityEven));
  EXPECT_EQ(line.lineCalls, (std::vector<std::pair<bool, bool>>{{false, false}}));
  // Reopening closes first and clears the lines again; opening another port keeps it open.
  EXPECT_EQ(Open(1, 9600.0), 0);
  EXPECT_EQ(Open(2, 9600.0), 0);
  EXPECT_EQ(std::tuple(line.opens, s.baud, line.lineCalls.size(), line.open, ports.IsOpen(1)),
            std::tuple(2, 9600, 2u, true, true));
  ports.ComCloseAll();
  EXPECT_FALSE(sys.lines[1].open || sys.lines[2].open || ports.IsOpen(1));
}

TEST_F(ComPortsTest, PortsClosedOrOutside1To8AreHarmlessAndSilent) {
  sys.canOpen[4] = false;
  EXPECT_EQ(Open(4), 0);  // a port that cannot open stays closed
  for (const int port : {4, 5, 0, 9, -1}) {
    SCOPED_TRACE(port);
    EXPECT_FALSE(ports.IsOpen(port) || ports.ComTxDone(port) || ports.ComRxAvailable(port) ||
                 ports.ComLineLost(port));
    std::uint8_t buf[5] = {0xAA};
    EXPECT_EQ(ports.ComWrite(port, buf, 1), 16);
    int count = 5;
    EXPECT_EQ(ports.ComRead(port, buf, count), 0);
    EXPECT_EQ(count, 0);
    ports.ComSetLines(port, true, true);
    ports.ComClose(port);
  }
}

TEST_F(ComPortsTest, ReadTakesOnlyWhatWasReportedWaitingAndWritesWaitForTxDone) {
  Open(1);
  auto& line = sys.lines[1];
  line.input = {1, 2, 3, 4, 5};
  ASSERT_TRUE(ports.ComRxAvailable(1));
  Bytes buf(8);
  int first = 2, second = 8;
  ports.ComRead(1, buf.data(), first);
  ASSERT_TRUE(ports.ComRxAvailable(1));  // asks the driver again: 3 waiting
  ports.ComRead(1, buf.data() + 2, second);
  EXPECT_EQ(std::tuple(first, second), std::tuple(2, 3));
  EXPECT_EQ(buf, (Bytes{1, 2, 3, 4, 5, 0, 0, 0}));
  EXPECT_FALSE(ports.ComRxAvailable(1));
  // A read with nothing known waiting leaves count unchanged and reads nothing.
  Open(3);
  sys.lines[3].input = {7};
  int count = 4;
  ports.ComRead(3, buf.data(), count);
  EXPECT_EQ(std::tuple(count, sys.lines[3].input.size()), std::tuple(4, 1u));

  // Writes: a full write is pending until the driver reports its queue empty.
  EXPECT_TRUE(ports.ComTxDone(1));
  const std::uint8_t block[4] = {1, 2, 3, 4};
  EXPECT_EQ(ports.ComWrite(1, block, 4), 0);
  line.outputQueued = 3;
  EXPECT_FALSE(ports.ComTxDone(1));
  line.outputQueued = 0;
  EXPECT_TRUE(ports.ComTxDone(1));
  line.outputQueued = 3;
  EXPECT_TRUE(ports.ComTxDone(1));  // no write pending any more: the driver is not asked
  line.acceptLimit = 2;
  EXPECT_EQ(ports.ComWrite(1, block, 4), 16);
  EXPECT_TRUE(ports.ComTxDone(1));  // a short write sets no pending write
}

std::array<bool, 9> Only(int port) {
  std::array<bool, 9> p{};
  p[port] = true;
  return p;
}

// The dialog unchecked, with all ports offered and a stored 19200, is the window test's.
TEST(ComForm, OnlyListedPortsAreOfferedAndOddStoredValues) {
  // Checked: a current port no longer listed falls back to 1, even though port 1 is disabled.
  const auto v = core::ComFormShow(5, 4800, true, Only(3));
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(v.enabled[n], n == 3) << n;
  EXPECT_EQ(std::tuple(v.checkedPort, v.checkBox, v.rate48), std::tuple(1, true, true));
  const auto ok = core::ComFormOk(v.rate48, !v.rate48, v.checkedPort, 4800, 5);
  EXPECT_EQ(std::tuple(ok.portNumber, ok.baudRate), std::tuple(1, 4800));
  // "9600 bit/s" checked over a stored 19200 stores 9600.
  EXPECT_EQ(core::ComFormOk(false, true, 1, 19200, 1).baudRate, 9600);
  // A port number outside 1..8 checks port 1.
  for (const int stored : {0, 12})
    EXPECT_EQ(core::ComFormShow(stored, 4800, false, Only(1)).checkedPort, 1) << stored;
}

}  // namespace
