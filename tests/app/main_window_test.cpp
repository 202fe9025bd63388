#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/main_status_bar.h"
#include "app/model_tree_view.h"
#include "app/modules.h"
#include "core/store/model_memory.h"
#include "core/store/tree.h"
#include "core/util/files.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

std::string FileOf(const core::ModellSpeicherTyp* r) {
  return r != nullptr ? core::FileNameOf(r->fileName) : std::string("-");
}

int Icon(const QTreeWidgetItem* item) {
  return app::TMainForm::StateIndex(item);
}

// One letter per command: 1 when the action has the state (enabled, checked, ...), else 0.
std::string States(app::TMainForm& f, bool (QAction::*state)() const,
                   std::initializer_list<app::Cmd> cmds) {
  std::string bits;
  for (const app::Cmd cmd : cmds) bits += (f.Action(cmd)->*state)() ? '1' : '0';
  return bits;
}

TEST_F(WindowTest, TreeGroupsByNameNewestFirstKeepsOpenNodesAndOnlyTheMouseActivates) {
  WriteMemory("ASW28.FC", "ASW28", {2026, 5, 1, 10, 0});
  WriteMemory("ASW28_1.FC", "ASW28", {2026, 8, 14, 17, 30});
  WriteMemory("ASW28_2.FC", "ASW28", {2026, 11, 20, 9, 5});
  WriteMemory("ASK21.FC", "ASK21", {2026, 3, 7, 14, 12});
  WriteMemory("ASK21_1.FC", "ASK21", {2026, 4, 7, 14, 12});
  WriteMemory("AB.FC", "AB", {2026, 1, 1, 8, 0});
  WriteMemory("A-B.FC", "A-B", {2026, 2, 1, 8, 0});
  WriteMemory("AB_1.FC", "AB", {2026, 3, 1, 8, 0});
  settings.texts[kKey + "ModelMem"] = "ASW28";
  app::TMainForm& f = Open();

  EXPECT_EQ(Texts(), (QStringList{"AB          ", "A-B         ", "ASK21       ", "ASW28       "}));
  EXPECT_EQ(Texts(NameNode("ASW28")),
            (QStringList{"20.11.26    9:05    ASW28_2.FC", "14.08.26   17:30    ASW28_1.FC",
                         "01.05.26   10:00    ASW28.FC"}));
  EXPECT_EQ(Texts(NameNode("AB")),
            (QStringList{"01.03.26    8:00    AB_1.FC", "01.01.26    8:00    AB.FC"}));

  // "ModelMem" ASW28: the newest is active, the second newest the previous one.
  EXPECT_EQ(FileOf(f.Store().GetActive()), "ASW28_2.FC");
  EXPECT_EQ(FileOf(f.Store().GetPrevious()), "ASW28_1.FC");
  EXPECT_EQ(Find<QLineEdit>("ModellNameEdit")->text(), "ASW28");
  EXPECT_EQ(f.StatusBar()->PanelText(2), "ASW28        20.11.26    9:05");

  // A rebuilt tree keeps its open nodes and shows the active memory; long texts are not cut.
  EXPECT_EQ(f.MainTreeView()->currentItem(), NameNode("ASW28")->child(0));
  NameNode("AB")->setExpanded(true);
  f.RebuildTree(f.Store().GetModelMemoryDir());
  EXPECT_TRUE(NameNode("AB")->isExpanded());
  EXPECT_TRUE(NameNode("ASW28")->isExpanded());
  EXPECT_EQ(f.MainTreeView()->currentItem(), NameNode("ASW28")->child(0));
  EXPECT_EQ(f.MainTreeView()->textElideMode(), Qt::ElideNone);

  // Only the mouse changes the active memory: a click on a name node makes its newest active,
  // a click on a memory node that one; the icons follow (which icon is the tree tests').
  QTreeWidgetItem* ask = NameNode("ASK21");
  Click(ask);
  EXPECT_EQ(FileOf(f.Store().GetActive()), "ASK21_1.FC");
  Click(ask->child(1));
  EXPECT_EQ(FileOf(f.Store().GetActive()), "ASK21.FC");
  EXPECT_EQ(FileOf(f.Store().GetPrevious()), "ASK21_1.FC");
  EXPECT_EQ(Icon(ask->child(1)), core::kIconOk);
  // The keyboard moves the selection only; a selected name node shows the open folder.
  f.MainTreeView()->setFocus();
  QTest::keyClick(f.MainTreeView(), Qt::Key_Down);
  EXPECT_EQ(f.MainTreeView()->currentItem(), NameNode("ASW28"));
  EXPECT_EQ(FileOf(f.Store().GetActive()), "ASK21.FC");
  EXPECT_EQ(Icon(NameNode("ASW28")), core::kIconOrdnerOffen);
  // Collapsing (or expanding) a node selects it.
  ASSERT_TRUE(ask->isExpanded());
  f.MainTreeView()->collapseItem(ask);
  EXPECT_EQ(f.MainTreeView()->currentItem(), ask);
}

TEST_F(WindowTest, ChangingTheDirectoryLoadsItAndSelectsThePickedMemory) {
  std::filesystem::path other = root / "other";
  std::filesystem::create_directories(other);
  std::swap(models, other);
  WriteMemory("UHU.FC", "UHU", {2025, 12, 24, 8, 30});
  WriteMemory("UHU_1.FC", "UHU", {2026, 1, 24, 8, 30});
  WriteMemory("DG800.FC", "DG800", {2026, 1, 2, 3, 4});
  std::swap(models, other);
  app::TMainForm& f = OpenActive("ASK21");
  ASSERT_EQ(FileOf(f.Store().GetActive()), "ASK21.FC");

  // Cancelled: the same model memory is active again, and now its own previous one.
  WhenModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "VerzeichnisOpenDialog");
    dialog->reject();
  });
  f.Action(app::Cmd::FktVerzeichnis)->trigger();
  EXPECT_EQ(FileOf(f.Store().GetActive()), "ASK21.FC");
  EXPECT_EQ(f.Store().GetPrevious(), f.Store().GetActive());

  // Confirmed: the picked file's directory is loaded and the picked memory becomes active.
  WhenModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(QString::fromStdString(core::Utf8FromPath(other)));
    Find<QLineEdit>("fileNameEdit", dialog)->setText("UHU.FC");
    static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
  });
  f.Action(app::Cmd::FktVerzeichnis)->trigger();
  EXPECT_EQ(Texts(), (QStringList{"DG800       ", "UHU         "}));
  EXPECT_EQ(FileOf(f.Store().GetActive()), "UHU_1.FC");
  EXPECT_EQ(FileOf(f.Store().GetPrevious()), "UHU.FC");
  EXPECT_EQ(settings.texts[kKey + "ModelMemDir"],
            core::WithTrailingSeparator(core::Utf8FromPath(other)));
}

TEST_F(WindowTest, FirstRunCommandsWaitForAnActiveMemoryAndTheDialogsDeleteOnlyMarks) {
  WriteMemory("UHU.FC", "UHU", {2025, 12, 24, 8, 30}, "mit Kommentar");
  app::TMainForm& f = Open();
  ASSERT_EQ(f.Store().GetActive(), nullptr);
  // Umlauts survive the way from source to caption.
  EXPECT_EQ(f.Action(app::Cmd::FktLoeschenRueckgaengig)->text(), "Löschen &Rückgängig");
  using app::Cmd;
  EXPECT_EQ(States(f, &QAction::isVisible, {Cmd::FktDefaultDaten, Cmd::FktFormelnPruefen}), "00");
  EXPECT_EQ(States(f, &QAction::isEnabled,
                   {Cmd::FktNeu, Cmd::FktCopyData, Cmd::FktResetData, Cmd::FktDrucken,
                    Cmd::MenuFuncSchnittstelle, Cmd::FktSenden, Cmd::FktEmpfangen, Cmd::FktLoeschen,
                    Cmd::FktLoeschenRueckgaengig, Cmd::FktHistory}),
            "0000000000");
  EXPECT_FALSE(f.RxButton()->isEnabled());
  EXPECT_FALSE(f.TxButton()->isEnabled());
  EXPECT_EQ(f.TransmitterVersionText(), "FC-28 V3.2");
  EXPECT_EQ(f.StatusBar()->PanelText(2), "kein Modell gewählt");
  EXPECT_EQ(f.StatusBar()->Panel0()->Fill(), kGreen);
  // Commands without an active model memory do nothing.
  f.Action(app::Cmd::FktKopieren)->trigger();
  f.Action(app::Cmd::FktSpeichern)->trigger();
  EXPECT_EQ(f.Store().GetActive(), nullptr);
  EXPECT_EQ(Texts().size(), 1);
  EXPECT_FALSE(std::filesystem::exists(models / "UHU_1.FC"));

  // With one, delete and undelete follow the icons; a deleted memory is only marked until a save
  // of all. Sending waits for the link.
  Click(NameNode("UHU"));
  WaitTicks(1);
  QTreeWidgetItem* node = NameNode("UHU")->child(0);
  EXPECT_EQ(Icon(node), core::kIconKlammerOk);
  EXPECT_EQ(f.KommentarRichEdit()->toPlainText(), "mit Kommentar");
  f.Action(app::Cmd::FktLoeschen)->trigger();
  EXPECT_EQ(Icon(node), core::kIconKlammerUndMuellOk);
  EXPECT_TRUE(std::filesystem::exists(models / "UHU.FC"));
  WaitTicks(1);
  EXPECT_EQ(States(f, &QAction::isEnabled, {Cmd::FktLoeschen, Cmd::FktLoeschenRueckgaengig}), "01");
  f.Action(app::Cmd::FktLoeschenRueckgaengig)->trigger();
  EXPECT_EQ(Icon(node), core::kIconKlammerOk);
  WaitTicks(1);
  EXPECT_EQ(States(f, &QAction::isEnabled, {Cmd::FktLoeschen, Cmd::FktLoeschenRueckgaengig}), "10");
  EXPECT_FALSE(f.TxButton()->isEnabled());
  f.SetTransferCommandsAvailable(true);  // the buttons then are the link window tests'
  WaitTicks(1);
  EXPECT_TRUE(f.Action(app::Cmd::FktSenden)->isEnabled());

  // The dialogs are made after the main window; the history then becomes available.
  app::CreateModuleDialogs(f);
  f.Action(app::Cmd::FktHistory)->trigger();
  EXPECT_TRUE(Find("HistoryForm")->isVisible());
  EXPECT_FALSE(Find("HistoryForm")->isModal());
}

TEST_F(WindowTest, RenameKeepsTheOldFilesUntilTheNewOnesAreWritten) {
  app::TMainForm& f = OpenActive("ASK21", "Winde");
  auto* edit = Find<QLineEdit>("ModellNameEdit");
  auto* button = Find<QPushButton>("NameUebernehmenButton");
  EXPECT_EQ(edit->maxLength(), 12);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "ASK 21 b");
  EXPECT_TRUE(button->isEnabled());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(button->isEnabled());
  WaitTicks(1);
  EXPECT_EQ(FileOf(f.Store().GetActive()), "ASK21B.FC");
  EXPECT_EQ(edit->text(), "ASK 21 B");
  EXPECT_EQ(f.StatusBar()->Panel0()->Fill(), kRed);
  // Not written yet: the old files are still there (the store test follows every case).
  EXPECT_TRUE(std::filesystem::exists(models / "ASK21.TXT"));
  f.Action(app::Cmd::FktSpeichern)->trigger();
  EXPECT_TRUE(std::filesystem::exists(models / "ASK21B.TXT"));
  EXPECT_FALSE(std::filesystem::exists(models / "ASK21.TXT"));
}

TEST_F(WindowTest, AFailedWriteIsReportedAndKeepsTheMemoryUnsavedAndTheProgramOpen) {
  app::TMainForm& f = OpenActive("ASW28");
  // Something else took the files' places: a directory cannot be written over. Both are named.
  for (const char* file : {"ASW28.FC", "ASW28.TXT"}) {
    std::filesystem::remove(models / file);
    std::filesystem::create_directory(models / file);
  }
  f.SetParameterTabIndex(1);
  f.KommentarRichEdit()->setFocus();
  QTest::keyClicks(f.KommentarRichEdit(), "neu");
  f.Action(app::Cmd::FktSpeichern)->trigger();
  WaitTicks(1);
  EXPECT_TRUE(f.StatusBar()->FailureText().contains("ASW28.FC") &&
              f.StatusBar()->FailureText().contains("ASW28.TXT"))
      << f.StatusBar()->FailureText().toStdString();
  EXPECT_EQ(f.StatusBar()->Panel0()->Fill(), kRed);
  EXPECT_TRUE(f.Store().GetActive()->hasUnsavedChanges());

  // Saved again while closing: the warning that follows is answered by closing it, and the
  // program stays open.
  QueueAnswers({"SpeichernButton"});
  bool warned = false;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      warned = true;
      box->close();
    }
  });
  closer.start(20);
  f.RequestClose();
  EXPECT_TRUE(warned);
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_FALSE(terminated);

  // The message stays until the next save, which succeeds once the place is free again.
  WaitTicks(2);
  EXPECT_FALSE(f.StatusBar()->FailureText().isEmpty());
  std::filesystem::remove(models / "ASW28.FC");
  std::filesystem::remove(models / "ASW28.TXT");
  f.Action(app::Cmd::FktSpeichern)->trigger();
  WaitTicks(1);
  EXPECT_TRUE(f.StatusBar()->FailureText().isEmpty());
  EXPECT_EQ(f.StatusBar()->Panel0()->Fill(), kGreen);
  EXPECT_TRUE(std::filesystem::exists(models / "ASW28.FC"));
}

// The values behind the settings are the start-up tests'; here the window shows and keeps them.
TEST_F(WindowTest, SettingsPlacementAndIconFilesAreShownAndWrittenAtShutdown) {
  const std::pair<const char*, int> stored[] = {
      {"Optionen", 4 + 8},  {"Transmitter", 33},   {"WinPosLeft", 10},     {"WinPosTop", 10},
      {"WinPosWidth", 250}, {"WinPosHeight", 200}, {"TreeViewWidth", 180}, {"TreeViewHeight", 300}};
  for (const auto& [name, value] : stored) settings.ints[kKey + name] = value;
  app::TMainForm& f = OpenActive("ASW28");
  using app::Cmd;
  EXPECT_EQ(States(f, &QAction::isChecked,
                   {Cmd::FktErlaeuterungen, Cmd::FktAlleFlugzustaende, Cmd::FktDefaultwerte}),
            "001");
  EXPECT_TRUE(f.KommentarRichEdit()->isVisible());  // the comment page
  EXPECT_TRUE(f.VersionAction(core::TransmitterVersion::V32)->isChecked());
  EXPECT_EQ(f.size(), QSize(600, 440));
  EXPECT_EQ(f.MainTreeView()->width(), 180);
  EXPECT_EQ(Find("TreeViewPanel")->height(), 300);
  // The icon files are written at the 26th tick (when is the display tests') and shown from the
  // next start.
  EXPECT_FALSE(f.HasIcons());
  EXPECT_TRUE(NameNode("ASW28")->icon(0).isNull());
  while (f.DisplayTickCounter() < 26) f.DispTimerTimer();
  for (const char* file : {"Ok.bmp", "Leer.bmp", "KlammerUndMuellOk.bmp", "OrdnerOffen.bmp"})
    EXPECT_TRUE(std::filesystem::exists(work / file)) << file;

  f.VersionAction(core::TransmitterVersion::V31)->trigger();
  f.Action(app::Cmd::FktErlaeuterungen)->trigger();
  f.FormDestroy();
  const std::pair<const char*, int> written[] = {{"Transmitter", 31},    {"Optionen", 1 + 4 + 8},
                                                 {"WinPosWidth", 600},   {"WinPosHeight", 440},
                                                 {"TreeViewWidth", 180}, {"TreeViewHeight", 300}};
  for (const auto& [name, value] : written) EXPECT_EQ(settings.ints[kKey + name], value) << name;
  EXPECT_EQ(settings.texts[kKey + "ModelMem"], "ASW28");

  form.reset();
  app::TMainForm& again = Open();
  EXPECT_TRUE(again.HasIcons());
  EXPECT_FALSE(NameNode("ASW28")->icon(0).isNull());
  EXPECT_EQ(NameNode("ASW28")->icon(0).availableSizes().value(0), QSize(16, 16));
}

}  // namespace
}  // namespace apptest
