// The window loses no comment and overwrites no other program's file: untyped comment edits,
// names that are not valid text, unreadable comment files, a second window, a changed file.

#include <sys/stat.h>

#include <QClipboard>
#include <QLockFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <fstream>

#include "app/main_status_bar.h"
#include "core/util/files.h"
#include "core/util/text.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

std::string ReadText(const std::filesystem::path& path) {
  const auto bytes = core::ReadFileBytes(core::Utf8FromPath(path));
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<none>");
}

void Drop(QPlainTextEdit* box, const QString& text) {
  QMimeData data;
  data.setText(text);
  const QPoint at = box->viewport()->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box->viewport(), &enter);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box->viewport(), &drop);
}

// Loading keeps every character of the comment and marks nothing; every user change marks it.
TEST_F(WindowTest, EveryUserChangeOfTheCommentMarksItLoadingDoesNot) {
  const std::string comment =
      "Tab\there, no\xC2\xA0"
      "break, \xC3\xA4\xC3\xB6\xC3\xBC\n\n  \nEnde";
  const std::pair<const char*, std::function<void(QPlainTextEdit*)>> changes[] = {
      {"typing", [](QPlainTextEdit* box) { QTest::keyClicks(box, "x"); }},
      {"paste", [](QPlainTextEdit* box) { QApplication::clipboard()->setText("x"), box->paste(); }},
      {"drop", [](QPlainTextEdit* box) { Drop(box, "gezogen"); }},
      {"undo", [](QPlainTextEdit* box) { box->undo(); }},
  };
  WriteMemory("UHU.FC", "UHU", {2025, 12, 24, 8, 30});
  app::TMainForm& f = OpenActive("ASW28", comment);
  core::ModellSpeicherTyp* active = f.Store().GetActive();
  Click(NameNode("UHU"));  // takes the comment box's lines, then loads the other's
  EXPECT_EQ(active->comment, core::SplitLines(comment));
  EXPECT_FALSE(active->hasUnsavedChanges());
  f.Store().SetActiveModelMemory(active);
  for (const auto& [how, change] : changes) {
    f.Store().SaveActiveModelMemory();
    ASSERT_FALSE(active->hasUnsavedChanges()) << how;
    change(f.KommentarRichEdit());
    EXPECT_TRUE(active->hasUnsavedChanges()) << how;
  }
}

TEST_F(WindowTest, AFileNameThatIsNotValidTextWorksLikeAnyOther) {
  WriteMemory("K\xE4.FC", "KA", {2026, 5, 1, 10, 0});  // Latin-1 "Kä": not UTF-8
  app::TMainForm& f = Open();
  QTreeWidgetItem* row = NameNode("KA")->child(0);
  EXPECT_TRUE(row->text(0).endsWith(QString("K") + QChar(0xFFFD) + ".FC"));
  Click(row);
  ASSERT_NE(f.Store().GetActive(), nullptr);
  QTest::keyClicks(f.KommentarRichEdit(), "Text");
  f.Action(app::Cmd::FktSpeichern)->trigger();
  EXPECT_EQ(ReadText(models / "K\xE4.TXT"), "Text\r\n");
}

TEST_F(WindowTest, AnUnreadableCommentFileLeavesTheBoxReadOnly) {
  WriteMemory("ASW28.FC", "ASW28", {2026, 5, 1, 10, 0});
  ASSERT_EQ(::mkfifo(core::Utf8FromPath(models / "ASW28.TXT").c_str(), 0600), 0);
  settings.texts[kKey + "ModelMem"] = "ASW28";
  app::TMainForm& f = Open();  // a FIFO would hang the start if it were read
  EXPECT_TRUE(f.KommentarRichEdit()->isReadOnly());
  EXPECT_TRUE(f.StatusBar()->NoteText().contains("ASW28.FC"));
}

TEST_F(WindowTest, ASecondWindowOnTheDirectoryIsWarnedAStaleLockTakenOver) {
  const QString lockPath = QString::fromStdString(core::Utf8FromPath(models / ".veltrano.lock"));
  for (const char* lock : {"none", "held", "stale"}) {
    form.reset();
    QLockFile other(lockPath);
    if (std::string(lock) == "held") other.tryLock(0);
    if (std::string(lock) == "stale")  // left by a crashed program on this machine
      std::ofstream(lockPath.toStdString()) << "999999\nveltrano\n"
                                            << QSysInfo::machineHostName().toStdString() << "\n";
    QWidget* warning = Open().findChild<QWidget*>("VerzeichnisBelegtMeldung");
    EXPECT_EQ(warning != nullptr && warning->isVisible(), std::string(lock) == "held") << lock;
  }
}

TEST_F(WindowTest, AFileAnotherProgramChangedIsKeptWhenTheUserSaysSo) {
  app::TMainForm& f = OpenActive("ASW28", "mein");
  QTest::keyClicks(f.KommentarRichEdit(), "X");
  std::ofstream(models / "ASW28.TXT", std::ios::binary) << "anderes\r\n";
  WhenModal(
      [](QWidget* dialog) { dialog->findChild<QPushButton*>("AndereBehaltenButton")->click(); });
  f.Action(app::Cmd::FktSpeichern)->trigger();
  EXPECT_EQ(ReadText(models / "ASW28.TXT"), "anderes\r\n");
  EXPECT_EQ(ReadText(models / "ASW28_1.TXT"), "Xmein\r\n");
  EXPECT_FALSE(f.Store().GetActive()->hasUnsavedChanges());
}

}  // namespace
}  // namespace apptest
