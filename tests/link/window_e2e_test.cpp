// The main window with its link module against fc28-sim: receiving into the tree, sending the
// active memory, the port dialog, the sleeping ComTimer and the link settings.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include "tests/app/window_fixture.h"
#include "tests/core/util/temp_dir.h"
#include "app/link/com_nr_form.h"
#include "app/link/link_module.h"
#include "app/model_tree_view.h"
#include "core/store/model_memory.h"

namespace {

using Bytes = std::vector<unsigned char>;
using core::testing::ReadBytes;
using core::testing::WriteBytes;
using apptest::kKey;

Bytes MemoryFile(int length) {
  Bytes f = {'F', 'C', '2', '8', '3', '0', static_cast<unsigned char>(length >> 8),
             static_cast<unsigned char>(length & 0xFF)};
  const Bytes name = {1, 19, 11, 0, 55, 54, 0, 0, 0, 0, 0, 0};  // ASK 21
  for (int i = 0; i < length; ++i)
    f.push_back(i < 12 ? name[i] : static_cast<unsigned char>(i * 13 + 5));
  return f;
}

class LinkWindow : public apptest::WindowTest {
 protected:
  LinkWindow() { settings.ints[kKey + "TransferRate"] = 9600; }
  ~LinkWindow() override {
    form.reset();
    if (sim_.state() != QProcess::NotRunning) {
      sim_.kill();
      sim_.waitForFinished(2000);
    }
  }

  void StartSim(QStringList args) {
    sim_.start(FC28_SIM, args + QStringList{"--baud", "9600", "--timeout", "20"});
    ASSERT_TRUE(sim_.waitForReadyRead(5000));
    settings.texts[kKey + "ComDevice1"] = sim_.readLine().trimmed().toStdString();
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

  static bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) Wait(10);
    return done();
  }

  QProcess sim_;
};

TEST_F(LinkWindow, ReceivedMemoryAppearsInTheTreeAsNewAndUnsaved) {
  const Bytes file = MemoryFile(1870);
  WriteBytes(root / "in.fc", file);
  StartSim({"send", QString::fromStdString((root / "in.fc").string())});
  app::TMainForm& f = OpenLinked();
  EXPECT_EQ(Log().value(0), "COM1: 9600 bit/s");
  // Port open, nothing to do: the timer sleeps (each opening byte of the simulator wakes it
  // for a tick).
  EXPECT_TRUE(WaitFor([&] { return !Link().ComTimer().isActive(); }, 1000));
  EXPECT_TRUE(f.RxButton()->isEnabled());

  f.RxButton()->click();
  EXPECT_TRUE(Link().ComTimer().isActive());
  EXPECT_TRUE(WaitFor([&] { return f.MainTreeView()->topLevelItemCount() == 1; }, 8000));
  EXPECT_EQ(f.MainTreeView()->topLevelItem(0)->text(0).trimmed(), "ASK 21");
  EXPECT_EQ(Link().Display()->DisplayState(), core::kDisplayDone);
  for (const char* line : {"Format = FC28 V3.x", "Blocklänge = 1870", "Modell = ASK 21"})
    EXPECT_TRUE(Log().contains(line)) << line;
  EXPECT_EQ(f.RxTxListBox()->currentRow(), f.RxTxListBox()->count() - 1);

  const core::ModellSpeicherTyp* got = nullptr;
  for (auto* r = f.Store().MainListHead(); r; r = r->next) {
    if (r->inUse) got = r;
  }
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(got->dataLength, 1870);
  EXPECT_EQ(Bytes(got->image.begin(), got->image.begin() + 1870),
            Bytes(file.begin() + 8, file.end()));
  EXPECT_FALSE(got->imageSaved);
  EXPECT_NE(got->fileName.find("ASK21.FC"), std::string::npos);
  EXPECT_EQ(f.Store().GetActive(), nullptr);  // shown, not made active

  // "Ok" for three seconds, then idle, and the timer goes back to sleep.
  Wait(2500);
  EXPECT_EQ(Link().Display()->DisplayState(), core::kDisplayDone);
  EXPECT_TRUE(WaitFor([&] { return !Link().ComTimer().isActive(); }, 2000));
  EXPECT_EQ(Link().Display()->DisplayState(), core::kDisplayIdle);

  // Saved, it is byte for byte what the transmitter sent.
  core::ModellSpeicherTyp copy = *got;
  copy.commentSaved = true;
  ASSERT_TRUE(core::WriteModelMemory(copy, got->fileName).ok());
  EXPECT_EQ(ReadBytes(got->fileName), file);
}

TEST_F(LinkWindow, ATransmitterThatGoesAwayEndsTheReceiveAtOnce) {
  WriteBytes(root / "in.fc", MemoryFile(1870));
  StartSim({"send", QString::fromStdString((root / "in.fc").string()), "--fault", "stall:300"});
  app::TMainForm& f = OpenLinked();
  f.RxButton()->click();
  ASSERT_TRUE(WaitFor([&] { return Log().contains("Blocklänge = 1870"); }, 5000));
  sim_.kill();  // the far end of the pseudo-terminal closes
  EXPECT_TRUE(WaitFor([&] { return Log().contains(core::kLineLostLog); }, 2000));
  EXPECT_EQ(Link().Link().TransferBusy(), 0);
  EXPECT_TRUE(WaitFor([&] { return !Link().ComTimer().isActive(); }, 5000));  // no CPU while idle
  EXPECT_EQ(f.MainTreeView()->topLevelItemCount(), 0);  // nothing stored
}

TEST_F(LinkWindow, SendsTheActiveMemory) {
  const Bytes file = MemoryFile(600);
  WriteBytes(models / "ASK21.FC", file);
  settings.texts[kKey + "ModelMem"] = "ASK 21";
  StartSim({"receive", QString::fromStdString((root / "got.fc").string())});
  app::TMainForm& f = OpenLinked();
  ASSERT_NE(f.Store().GetActive(), nullptr);
  Wait(250);  // the display timer enables the send controls
  ASSERT_TRUE(f.TxButton()->isEnabled());
  f.TxButton()->click();
  // Waiting with the event loop running: the link works on the window's timer.
  ASSERT_TRUE(WaitFor([&] { return sim_.state() == QProcess::NotRunning; }, 8000));
  EXPECT_EQ(sim_.exitCode(), 0) << sim_.readAllStandardError().toStdString();
  EXPECT_EQ(ReadBytes(root / "got.fc"), file);
  EXPECT_TRUE(Log().contains("Blocklänge = 600 byte"));
  EXPECT_TRUE(WaitFor([&] { return Link().Link().TransferBusy() == 0; }, 1000));
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
  EXPECT_TRUE(WaitFor([&] { return !Link().ComTimer().isActive(); }, 1000));
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
