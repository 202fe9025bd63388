// The window loses no comment and overwrites no other program's file: untyped comment edits,
// names that are not valid text, unreadable comment files, a second window, a changed file.

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QLockFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <fstream>

#include "app/main_status_bar.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

std::string ReadText(const std::filesystem::path& path) {
  const auto bytes = core::ReadFileBytes(core::Utf8FromPath(path));
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<none>");
}

TEST_F(WindowTest, EveryUserChangeOfTheCommentMarksIt) {
  struct Case {
    const char* how;
    std::function<void(QPlainTextEdit*)> change;
  };
  const Case cases[] = {
      {"paste from the menu", [](QPlainTextEdit* box) {
         QApplication::clipboard()->setText("eingefügt");
         box->paste();
       }},
      {"drop", [](QPlainTextEdit* box) {
         QMimeData data;
         data.setText("gezogen");
         const QPoint at = box->viewport()->rect().center();
         QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(box->viewport(), &enter);
         QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(box->viewport(), &drop);
       }},
      {"undo", [](QPlainTextEdit* box) { box->undo(); }},
  };
  app::TMainForm& f = OpenActive("ASW28", "alt");
  QPlainTextEdit* box = f.KommentarRichEdit();
  core::ModellSpeicherTyp* active = f.Store().GetActive();
  ASSERT_NE(active, nullptr);
  EXPECT_FALSE(active->hasUnsavedChanges());  // loading the comment marks nothing
  box->appendPlainText("zum Rückgängigmachen");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    f.Store().SaveActiveModelMemory();
    ASSERT_FALSE(active->hasUnsavedChanges());
    const QString before = box->toPlainText();
    c.change(box);
    ASSERT_NE(box->toPlainText(), before);
    EXPECT_TRUE(active->hasUnsavedChanges());
  }
}

TEST_F(WindowTest, AFileNameThatIsNotValidTextWorksLikeAnyOther) {
  WriteMemory("K\xE4.FC", "KA", {2026, 5, 1, 10, 0});  // Latin-1 "Kä": not UTF-8
  app::TMainForm& f = Open();
  QTreeWidgetItem* row = NameNode("KA          ")->child(0);
  ASSERT_NE(row, nullptr);
  EXPECT_TRUE(row->text(0).endsWith(QString("K") + QChar(0xFFFD) + ".FC")) << row->text(0).toStdString();
  Click(row);
  ASSERT_NE(f.Store().GetActive(), nullptr);
  EXPECT_EQ(core::FileNameOf(f.Store().GetActive()->fileName), "K\xE4.FC");
  QTest::keyClicks(f.KommentarRichEdit(), "Text");
  f.Action(app::Cmd::FktSpeichern)->trigger();
  EXPECT_EQ(ReadText(models / "K\xE4.TXT"), "Text\r\n");
}

TEST_F(WindowTest, AnUnreadableCommentFileLeavesTheBoxReadOnly) {
  WriteMemory("ASW28.FC", "ASW28", {2026, 5, 1, 10, 0});
  ASSERT_EQ(::mkfifo(core::Utf8FromPath(models / "ASW28.TXT").c_str(), 0600), 0);
  settings.texts[kKey + "ModelMem"] = "ASW28";
  app::TMainForm& f = Open();  // a FIFO would hang the start if it were read
  ASSERT_NE(f.Store().GetActive(), nullptr);
  EXPECT_TRUE(f.KommentarRichEdit()->isReadOnly());
  EXPECT_TRUE(f.StatusBar()->NoteText().contains("ASW28.FC")) << f.StatusBar()->NoteText().toStdString();
  f.Store().RenameActive("ASW 29");
  f.Action(app::Cmd::FktSpeichern)->trigger();
  EXPECT_TRUE(std::filesystem::is_fifo(models / "ASW28.TXT"));
}

TEST_F(WindowTest, ASecondWindowOnTheDirectoryIsWarnedOnce) {
  struct Case {
    const char* lock;
    bool warned;
  };
  for (const Case c : {Case{"none", false}, Case{"held", true}, Case{"stale", false}}) {
    SCOPED_TRACE(c.lock);
    form.reset();
    const QString lockPath = QString::fromStdString(core::Utf8FromPath(models / ".veltrano.lock"));
    QLockFile other(lockPath);
    if (std::string(c.lock) == "held") {
      ASSERT_TRUE(other.tryLock(0));
    }
    if (std::string(c.lock) == "stale") {  // left by a crashed program on this machine
      std::ofstream(lockPath.toStdString())
          << "999999\nveltrano\n" << QSysInfo::machineHostName().toStdString() << "\n";
    }
    app::TMainForm& f = Open();
    QWidget* warning = f.findChild<QWidget*>("VerzeichnisBelegtMeldung");
    EXPECT_EQ(warning != nullptr && warning->isVisible(), c.warned);
    if (warning != nullptr) warning->close();
  }
}

TEST_F(WindowTest, AFileAnotherProgramChangedIsOnlyOverwrittenWhenTheUserSaysSo) {
  app::TMainForm& f = OpenActive("ASW28", "mein");
  f.KommentarRichEdit()->moveCursor(QTextCursor::End);
  QTest::keyClicks(f.KommentarRichEdit(), " neu");
  std::ofstream(models / "ASW28.TXT", std::ios::binary) << "vom anderen Fenster\r\n";
  WhenModal([](QWidget* dialog) {
    EXPECT_EQ(dialog->objectName(), "DateiGeaendertForm");
    dialog->findChild<QPushButton*>("AndereBehaltenButton")->click();
  });
  f.Action(app::Cmd::FktSpeichern)->trigger();
  EXPECT_EQ(ReadText(models / "ASW28.TXT"), "vom anderen Fenster\r\n");
  EXPECT_EQ(ReadText(models / "ASW28_1.TXT"), "mein neu\r\n");
  EXPECT_EQ(core::FileNameOf(f.Store().GetActive()->fileName), "ASW28_1.FC");
  EXPECT_FALSE(f.Store().GetActive()->hasUnsavedChanges());
}

}  // namespace
}  // namespace apptest
