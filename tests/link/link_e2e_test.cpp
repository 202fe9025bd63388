// The link end to end against fc28-sim on a pseudo-terminal: through veltrano-cli (the real
// serial port layer and the link), then the main window with its link module: receiving into
// the tree, sending the active memory, the port dialog, the sleeping ComTimer and the settings.
#include <QCheckBox>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include "app/link/com_nr_form.h"
#include "app/link/link_module.h"
#include "app/model_tree_view.h"
#include "core/store/model_memory.h"
#include "tests/app/window_fixture.h"
#include "tests/core/util/temp_dir.h"

namespace {

using Bytes = std::vector<unsigned char>;
using apptest::kKey;
using core::testing::ReadBytes;
using core::testing::WriteBytes;

/// A model memory file of length image bytes named "ASK 21" (blanks inside and after).
Bytes MemoryFile(int length, const char* header = "FC2830") {
  Bytes f(header, header + 6);
  f.push_back(static_cast<unsigned char>(length >> 8));
  f.push_back(static_cast<unsigned char>(length & 0xFF));
  const Bytes name = {1, 19, 11, 0, 55, 54, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i < length; ++i)
    f.push_back(i < 12 ? name[i] : static_cast<unsigned char>((i * 37 + 11) & 0xFF));
  return f;
}

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

/// Starts fc28-sim; its first line is the device path of its pseudo-terminal.
std::string StartSim(QProcess& sim, const QStringList& args, const char* baud = "9600") {
  sim.start(FC28_SIM, args + QStringList{"--baud", baud, "--timeout", "20"});
  return sim.waitForReadyRead(5000) ? sim.readLine().trimmed().toStdString() : "";
}

struct ProcessRun {
  int exitCode = -1;
  std::string err;
};

ProcessRun Finish(QProcess& p, int ms) {
  ProcessRun r;
  if (p.waitForFinished(ms)) r.exitCode = p.exitCode();
  r.err = p.readAllStandardError().toStdString();
  if (p.state() != QProcess::NotRunning) {
    p.kill();
    p.waitForFinished(2000);
  }
  return r;
}

ProcessRun Cli(QStringList args) {
  QProcess p;
  p.start(VELTRANO_CLI, args);
  return Finish(p, 30000);
}

struct Outcome {
  ProcessRun sim, cli;
};

// One fixture for both: the CLI runs use its temporary directory, the window runs its window.
class LinkE2E : public apptest::WindowTest {
 protected:
  LinkE2E() { settings.ints[kKey + "TransferRate"] = 9600; }
  ~LinkE2E() override {
    form.reset();
    Finish(sim_, 0);
  }

  std::string Path(const char* name) { return (root / name).string(); }
  /// Where a transfer leaves the memory: veltrano-cli's out.fc or the transmitter's got.fc.
  std::string Result(const std::string& mode) { return Path(mode == "send" ? "got.fc" : "out.fc"); }

  // "receive": the transmitter sends `file` and veltrano-cli stores it in out.fc.
  // "send": veltrano-cli sends `file` and the transmitter stores what it got in got.fc.
  Outcome Transfer(const std::string& mode, const Bytes& file, const QStringList& simExtra,
                   const char* baud = "9600", const char* timeout = "15") {
    const bool send = mode == "send";
    const std::string in = Path("in.fc");
    std::filesystem::remove(Result(mode));
    WriteBytes(in, file);
    const std::string device = StartSim(
        sim_, QStringList{send ? "receive" : "send", Q(send ? Result(mode) : in)} + simExtra, baud);
    EXPECT_FALSE(device.empty());
    Outcome r;
    r.cli = Cli({Q(mode), Q(send ? in : Result(mode)), "--device", Q(device), "--baud", baud,
                 "--timeout", timeout});
    r.sim = Finish(sim_, r.cli.exitCode == 0 ? 10000 : 100);
    return r;
  }

  /// Starts the simulator with the file it sends or receives, on the window's port 1.
  void RunSim(const char* mode, const char* file, const QStringList& extra = {}) {
    if (std::string(mode) == "send") WriteBytes(Path(file), MemoryFile(1870));
    settings.texts[kKey + "ComDevice1"] = StartSim(sim_, QStringList{mode, Q(Path(file))} + extra);
    ASSERT_FALSE(settings.texts[kKey + "ComDevice1"].empty());
  }

  app::TMainForm& OpenLinked() {
    app::TMainForm& f = Open(true);
    Wait(100);
    return f;
  }

  app::LinkModule& Link() { return *form->findChild<app::LinkModule*>(); }

  QStringList Log() const {
    QStringList lines;
    for (int i = 0; i < form->RxTxListBox()->count(); ++i)
      lines << form->RxTxListBox()->item(i)->text();
    return lines;
  }

  QProcess sim_;
};
using LinkWindow = LinkE2E;

// Faults the link copes with apply to every attempt; a refused block to the first only.
TEST_F(LinkE2E, MemoriesArriveByteForByteWhateverTheLineDoes) {
  const struct {
    const char* mode;
    const char* baud;
    Bytes file;
    const char* fault;
    bool refused;     // the first attempt is refused and started over
    const char* log;  // consecutive lines of veltrano-cli's log
  } cases[] = {
      {"receive", "9600", MemoryFile(1870), "", false,
       "COM1: 9600 bit/s\nFormat = FC28 V3.x\nBlocklänge = 1870\nModell = ASK 21\n"},
      {"send", "9600", MemoryFile(1870), "", false, "Blocklänge = 1870 byte\nModell = ASK 21\n"},
      {"receive", "4800", MemoryFile(300), "", false, "COM1: 4800 bit/s\n"},
      {"send", "4800", MemoryFile(300), "", false, ""},
      // Length 0 completes at once; a header other than FC2830 is kept, with a warning.
      {"receive", "9600", MemoryFile(0), "", false, "Blocklänge = 0\n"},
      {"receive", "9600", MemoryFile(64, "FC2831"), "", false,
       "Format = FC28 V3.1\nBlocklänge = 64\nModell = ASK 21\nAchtung: Format ist nicht FC2830"},
      {"receive", "9600", MemoryFile(200), "bytewise", false, ""},
      {"receive", "9600", MemoryFile(200), "noise", false, ""},
      {"send", "9600", MemoryFile(200), "noise", false, ""},
      {"receive", "9600", MemoryFile(200), "wrong-header", true, ""},
      {"receive", "9600", MemoryFile(200), "length-2049", true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " " + c.baud + " " + c.fault);
    const QStringList fault =
        *c.fault ? QStringList{"--fault", c.fault, "--fault-times", c.refused ? "1" : "0"}
                 : QStringList{};
    const Outcome r = Transfer(c.mode, c.file, fault, c.baud);
    EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
    EXPECT_EQ(r.sim.exitCode, 0) << r.sim.err;
    EXPECT_EQ(ReadBytes(Result(c.mode)), c.file);
    EXPECT_TRUE(Has(r.cli.err, c.log)) << r.cli.err;
    // Refused, then started over. Clean rows may still take a second attempt on a loaded
    // machine (a late answer to a repeated opening byte), so only the refused ones are checked.
    if (c.refused) {
      EXPECT_FALSE(Has(r.sim.err, "in 1 attempt(s)")) << r.sim.err;
    }
    EXPECT_FALSE(Has(r.cli.err, "Blocklänge = 2049")) << r.cli.err;
  }
  EXPECT_FALSE(std::filesystem::exists(Path("out.fc.part")));
}

TEST_F(LinkE2E, StallOrSilenceEndsAtTheTimeLimitWithoutAFile) {
  for (const auto& [mode, fault] : {std::pair{"receive", "stall:100"}, std::pair{"send", "silent"},
                                    std::pair{"send", "stall:50"}}) {
    SCOPED_TRACE(std::string(mode) + " " + fault);
    const Outcome r = Transfer(mode, MemoryFile(400), {"--fault", fault}, "9600", "1.5");
    EXPECT_EQ(r.cli.exitCode, 1);
    EXPECT_TRUE(Has(r.cli.err, "no complete transfer")) << r.cli.err;
    EXPECT_FALSE(std::filesystem::exists(Result(mode)));
    EXPECT_FALSE(std::filesystem::exists(Result(mode) + ".part"));
  }
}

// A device that cannot be opened is the CLI test's (tests/core/model/cli_test.cpp).
TEST_F(LinkE2E, BadArgumentsAreRefusedClearly) {
  ProcessRun r = Cli({"receive", "x.fc"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(Has(r.err, "--port N or --device PATH")) << r.err;
  r = Cli({"send", "x.fc", "--port", "3", "--baud", "19200"});
  EXPECT_EQ(r.exitCode, 2);
}

TEST_F(LinkWindow, ReceivedMemoryAppearsInTheTreeAsNewAndUnsaved) {
  RunSim("send", "in.fc");
  app::TMainForm& f = OpenLinked();
  EXPECT_EQ(Log().value(0), "COM1: 9600 bit/s");
  // Port open, nothing to do: the timer sleeps (each opening byte of the simulator wakes it
  // for a tick).
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Link().ComTimer().isActive(); }, 1000));
  EXPECT_TRUE(f.RxButton()->isEnabled());

  f.RxButton()->click();
  EXPECT_TRUE(Link().ComTimer().isActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return f.MainTreeView()->topLevelItemCount() == 1; }, 8000));
  EXPECT_EQ(f.MainTreeView()->topLevelItem(0)->text(0).trimmed(), "ASK 21");
  EXPECT_EQ(Link().Display()->DisplayState(), core::kDisplayDone);
  EXPECT_EQ(Log().last(), "Modell = ASK 21");  // the lines themselves are the CLI runs'
  EXPECT_EQ(f.RxTxListBox()->currentRow(), f.RxTxListBox()->count() - 1);

  const core::ModellSpeicherTyp* got = nullptr;
  for (auto* r = f.Store().MainListHead(); r; r = r->next) {
    if (r->inUse) got = r;
  }
  ASSERT_NE(got, nullptr);
  EXPECT_FALSE(got->imageSaved);
  EXPECT_NE(got->fileName.find("ASK21.FC"), std::string::npos);
  EXPECT_EQ(f.Store().GetActive(), nullptr);  // shown, not made active

  // "Ok" for three seconds, then idle, and the timer goes back to sleep.
  Wait(2500);
  EXPECT_EQ(Link().Display()->DisplayState(), core::kDisplayDone);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Link().ComTimer().isActive(); }, 2000));
  EXPECT_EQ(Link().Display()->DisplayState(), core::kDisplayIdle);

  // Saved, it is byte for byte what the transmitter sent.
  core::ModellSpeicherTyp copy = *got;
  copy.commentSaved = true;
  ASSERT_TRUE(core::WriteModelMemory(copy, got->fileName).ok());
  EXPECT_EQ(ReadBytes(got->fileName), ReadBytes(Path("in.fc")));
}

TEST_F(LinkWindow, ATransmitterThatGoesAwayEndsTheReceiveAtOnce) {
  RunSim("send", "in.fc", {"--fault", "stall:300"});
  app::TMainForm& f = OpenLinked();
  f.RxButton()->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Log().contains("Blocklänge = 1870"); }, 5000));
  sim_.kill();  // the far end of the pseudo-terminal closes
  EXPECT_TRUE(QTest::qWaitFor([&] { return Log().contains(core::kLineLostLog); }, 2000));
  EXPECT_EQ(Link().Link().TransferBusy(), 0);
  // No CPU while idle, and nothing stored.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Link().ComTimer().isActive(); }, 5000));
  EXPECT_EQ(f.MainTreeView()->topLevelItemCount(), 0);
}

TEST_F(LinkWindow, SendsTheActiveMemory) {
  const Bytes file = MemoryFile(600);
  WriteBytes(models / "ASK21.FC", file);
  settings.texts[kKey + "ModelMem"] = "ASK 21";
  RunSim("receive", "got.fc");
  app::TMainForm& f = OpenLinked();
  ASSERT_NE(f.Store().GetActive(), nullptr);
  Wait(250);  // the display timer enables the send controls
  ASSERT_TRUE(f.TxButton()->isEnabled());
  f.TxButton()->click();
  // Waiting with the event loop running: the link works on the window's timer.
  ASSERT_TRUE(QTest::qWaitFor([&] { return sim_.state() == QProcess::NotRunning; }, 8000));
  EXPECT_EQ(sim_.exitCode(), 0) << sim_.readAllStandardError().toStdString();
  EXPECT_EQ(ReadBytes(Path("got.fc")), file);
  EXPECT_TRUE(Log().contains("Blocklänge = 600 byte"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return Link().Link().TransferBusy() == 0; }, 1000));
}

TEST_F(LinkWindow, PortDialogAndSettings) {
  settings.ints[kKey + "ComPort"] = 5;
  settings.ints[kKey + "TransferRate"] = 19200;
  settings.ints[kKey + "PortAuto"] = 0;
  app::TMainForm& f = OpenLinked();
  EXPECT_EQ(Log().value(0), "COM5: 19200 bit/s");
  app::TComNrForm* d = Link().ComNrForm();
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(d->isVisible());
  f.Action(app::Cmd::MenuFuncSchnittstelle)->trigger();
  ASSERT_TRUE(d->isVisible());
  EXPECT_EQ(d->windowTitle(), "Schnittstellenparameter");
  auto* box = d->findChild<QCheckBox*>("ManuellCheckBox");
  EXPECT_FALSE(box->isChecked());
  EXPECT_TRUE(d->ComRadioButton(5)->isChecked());
  for (int n = 1; n <= 8; ++n) EXPECT_TRUE(d->ComRadioButton(n)->isEnabled());
  EXPECT_TRUE(d->findChild<QRadioButton*>("Rate96RadioButton")->isChecked());
  EXPECT_EQ(d->ComRadioButton(7)->text(), "Com 7");

  d->ComRadioButton(2)->setChecked(true);
  d->findChild<QRadioButton*>("Rate48RadioButton")->setChecked(true);
  d->findChild<QPushButton*>("ComOkButton")->click();
  EXPECT_FALSE(d->isVisible());
  Wait(50);
  EXPECT_EQ(Log().last(), "COM2: 4800 bit/s");

  // Waiting for a transmitter costs nothing: the timer sleeps once "Warte auf Daten ..." shows.
  f.RxButton()->click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Link().ComTimer().isActive(); }, 1000));
  EXPECT_EQ(Link().Link().TransferBusy(), 32);
  EXPECT_EQ(Link().Display()->DisplayState(), core::kDisplayWaiting);

  // The check box takes effect at once and stays even after "&Abbruch".
  f.Action(app::Cmd::MenuFuncSchnittstelle)->trigger();
  box->click();
  EXPECT_TRUE(Link().ShowOnlyPresentPorts());
  d->findChild<QPushButton*>("ComAbbruchButton")->click();
  EXPECT_FALSE(d->isVisible());

  form.reset();  // shutdown writes the link settings
  EXPECT_EQ(settings.ints[kKey + "ComPort"], 2);
  EXPECT_EQ(settings.ints[kKey + "TransferRate"], 4800);
  EXPECT_EQ(settings.ints[kKey + "PortAuto"], 1);
}

}  // namespace
