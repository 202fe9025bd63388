// The "Vergleich" page and the copy and reset dialogs in the running window.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <algorithm>

#include "app/compare/compare_page.h"
#include "app/dataops/copy_form.h"
#include "app/dataops/dataops_module.h"
#include "app/dataops/function_boxes.h"
#include "app/dataops/reset_form.h"
#include "core/model/names.h"
#include "tests/app/window_fixture.h"
#include "tests/core/model/model_fixture.h"

namespace apptest {
namespace {

using core::test::RowOfMenu;
using core::test::Set;
using core::test::Text;

constexpr int kAfr = 15;
const int kAfrRate = RowOfMenu(kAfr, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP");

class DataWindowTest : public WindowTest {
 protected:
  // A new memory of the type under the model name HELI, dated so that HELI_2 is the newest.
  void WriteDefault(const std::string& file, int mask, int day) {
    WriteMemory(file, "HELI", {2026, 5, day, 10, 0}, "", mask);
  }
  // HELI_1 (previous) and HELI_2 (active), both HELI H1 unless told otherwise.
  app::TMainForm& OpenPair(int previousMask = 32, int activeMask = 32) {
    WriteDefault("HELI_1.FC", previousMask, 1);
    WriteDefault("HELI_2.FC", activeMask, 2);
    settings.texts[kKey + "ModelMem"] = "HELI";
    app::TMainForm& f = Open(true);
    EXPECT_TRUE(f.Store().GetActive() && f.Store().GetPrevious());
    return f;
  }
  template <typename T>
  T* Child(QObject* parent, const char* name) {
    T* w = parent->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
};

TEST_F(DataWindowTest, ComparisonListsTheChangeAndAppendsItToTheCommentTwice) {
  app::TMainForm& f = OpenPair();
  auto* page = f.findChild<app::ComparePage*>();
  ASSERT_NE(page, nullptr);
  QTableWidget* grid = page->Grid();
  EXPECT_EQ(grid->rowCount(), 49);  // 50 with the header row
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "---");

  core::ModellSpeicherTyp& b = *f.Store().GetActive();
  ASSERT_TRUE(
      f.ChangeImage(b, [](core::ModellSpeicherTyp& r) { return Set(r, kAfrRate, "80", true, 2); }));
  Child<QPushButton>(page, "CompareButton")->click();
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "HELI_1.FC");
  EXPECT_EQ(grid->horizontalHeaderItem(5)->text(), "HELI_2.FC");
  ASSERT_NE(grid->item(0, 0), nullptr);
  EXPECT_EQ(grid->item(0, 0)->text(), "IDL-UP2");
  EXPECT_EQ(grid->item(0, 0)->foreground().color(), QColor(0, 0, 255));  // condition 2 blue
  EXPECT_EQ(grid->item(0, 5)->text(), "80 %");
  EXPECT_EQ(grid->item(1, 0), nullptr);

  QSignalSpy shown(&f, &app::TMainForm::ShowParameterRequested);
  page->DiffStringGridDblClick(0);
  ASSERT_EQ(shown.count(), 1);
  EXPECT_EQ(shown.at(0).at(0).toInt(), core::ParamDef(kAfrRate).address + 700);
  EXPECT_EQ(f.ParameterTabIndex(), 0);

  auto* appendButton = Child<QPushButton>(page, "DiffToKommButton");
  appendButton->click();
  appendButton->click();
  const QString comment = f.KommentarRichEdit()->toPlainText();
  EXPECT_EQ(comment.count("Vergleich: HELI_1.FC -> HELI_2.FC"), 2) << comment.toStdString();
  EXPECT_EQ(comment.count("IDL-UP2\\AFR\\AIL-1 RATE1 RIGHT/UP: 100 % -> 80 %"), 2);
  EXPECT_TRUE(b.hasComment);
  EXPECT_FALSE(b.commentSaved);
}

TEST_F(DataWindowTest, TakeOverOfRowsAndOfAllIsOneUndoStepEach) {
  app::TMainForm& f = OpenPair();
  auto* page = f.findChild<app::ComparePage*>();
  ASSERT_NE(page, nullptr);
  core::ModellSpeicherTyp &a = *f.Store().GetPrevious(), &b = *f.Store().GetActive();
  ASSERT_TRUE(f.ChangeImage(a, [](core::ModellSpeicherTyp& r) {
    return std::max(Set(r, kAfrRate, "70", true, 0), Set(r, kAfrRate, "80", true, 2));
  }));
  const auto fresh = b.image;
  auto* one = Child<QPushButton>(page, "UebernehmenButton");
  auto* all = Child<QPushButton>(page, "AlleUebernehmenButton");
  auto* lowLevel = Child<QCheckBox>(page, "LowLevelCheckBox");
  auto* compare = Child<QPushButton>(page, "CompareButton");
  lowLevel->setChecked(true);
  compare->click();
  EXPECT_FALSE(all->isEnabled());  // raw rows are not taken over
  lowLevel->setChecked(false);
  compare->click();
  ASSERT_EQ(page->Result().rows.size(), 2u);
  EXPECT_TRUE(all->isEnabled());
  EXPECT_FALSE(one->isEnabled());  // no row marked

  // The flight condition 2 row, by Enter in the table.
  page->Grid()->selectRow(1);
  QTest::keyClick(page->Grid(), Qt::Key_Return);
  EXPECT_EQ(Text(b, kAfrRate, 2), "80 %");
  EXPECT_EQ(Text(b, kAfrRate, 0), "100 %");
  EXPECT_FALSE(b.imageSaved);
  EXPECT_EQ(page->StatusLabel()->text().toStdString(),
            "1 Wert übernommen, 1 Wert noch verschieden");
  EXPECT_EQ(page->Result().rows.size(), 1u);  // compared again
  const auto oneTaken = b.image;

  all->click();
  EXPECT_EQ(b.image, a.image);
  f.UndoActive();
  EXPECT_EQ(b.image, oneTaken);  // "Alle übernehmen" was one step
  f.UndoActive();
  EXPECT_EQ(b.image, fresh);
}

TEST_F(DataWindowTest, CopyDialogWithoutPreviousMemoryAndItsMarkButtons) {
  WriteDefault("HELI_1.FC", 32, 1);
  settings.texts[kKey + "ModelMem"] = "HELI";
  app::TMainForm& f = Open(true);
  ASSERT_EQ(f.Store().GetPrevious(), nullptr);
  auto* page = f.findChild<app::ComparePage*>();
  EXPECT_FALSE(Child<QPushButton>(page, "CompareButton")->isEnabled());
  f.Action(app::Cmd::FktCopyData)->trigger();
  auto* copy = f.findChild<app::TCopyForm*>();
  ASSERT_NE(copy, nullptr);
  ASSERT_TRUE(copy->isVisible());
  EXPECT_EQ(copy->pos(), f.pos() + QPoint(100, 50));
  for (const char* name : {"QuelleLastRadioButton", "ZielLastCheckBox"}) {
    auto* w = Child<QAbstractButton>(copy, name);
    EXPECT_FALSE(w->isEnabled()) << name;
    EXPECT_FALSE(w->isChecked()) << name;
  }
  EXPECT_EQ(Child<QAbstractButton>(copy, "QuelleAktRadioButton")->text(), "von HELI_1");
  EXPECT_EQ(Child<QAbstractButton>(copy, "Flight2RadioButton")->text(), "von IDL-UP2");

  Child<QPushButton>(copy, "MarkAllButton")->click();
  for (int i = 0; i < 36; ++i) EXPECT_TRUE(copy->Functions()->Box(i)->isChecked()) << i;  // H1: all
  Child<QPushButton>(copy, "MarkNoneButton")->click();
  for (int i = 0; i < 36; ++i) EXPECT_FALSE(copy->Functions()->Box(i)->isChecked()) << i;
  Child<QPushButton>(copy, "FertigButton")->click();
  EXPECT_FALSE(copy->isVisible());
}

TEST_F(DataWindowTest, CopyAndResetAreOneUndoStepEachAndReportInTheStatus) {
  app::TMainForm& f = OpenPair();
  core::ModellSpeicherTyp& active = *f.Store().GetActive();
  ASSERT_TRUE(f.ChangeImage(
      active, [](core::ModellSpeicherTyp& r) { return Set(r, kAfrRate, "70", true, 0); }));
  const auto edited = active.image;
  QSignalSpy changed(&f, &app::TMainForm::ImageChanged);

  // "Copy" beside the menu title opens the dialog with the menu on screen checked alone.
  const QString onScreen = app::SelectedSubMenuTab(f);
  ASSERT_FALSE(onScreen.isEmpty());
  Child<QPushButton>(&f, "CopyButton")->click();
  auto* copy = f.findChild<app::TCopyForm*>();
  ASSERT_NE(copy, nullptr);
  ASSERT_TRUE(copy->isVisible());
  for (int i = 0; i < 36; ++i)
    EXPECT_EQ(copy->Functions()->Box(i)->isChecked(),
              copy->Functions()->Box(i)->text() == onScreen);
  Child<QCheckBox>(copy, "Flight2CheckBox")->setChecked(true);  // Flight1 is checked already
  for (int i = 0; i < 36; ++i)
    copy->Functions()->Box(i)->setChecked(copy->Functions()->Box(i)->text() == "AFR");
  auto* status = Child<QStatusBar>(copy, "CopyFormStatusBar");
  auto* kopieren = Child<QPushButton>(copy, "KopierenButton");
  kopieren->click();
  EXPECT_EQ(status->currentMessage(), "OK!");
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(Text(active, kAfrRate, 2) + Text(active, kAfrRate, 3), "70 %100 %");
  kopieren->click();
  EXPECT_EQ(status->currentMessage(), "Keine Daten geändert!");
  for (int tick = 1; tick <= 4; ++tick) {
    EXPECT_FALSE(status->currentMessage().isEmpty()) << tick;
    copy->Status()->Tick();
  }
  EXPECT_TRUE(status->currentMessage().isEmpty());
  f.UndoActive();
  EXPECT_EQ(active.image, edited);  // the whole copy was one step

  f.Action(app::Cmd::FktResetData)->trigger();
  auto* reset = f.findChild<app::TResetForm*>();
  ASSERT_NE(reset, nullptr);
  EXPECT_EQ(Child<QCheckBox>(reset, "Flight4CheckBox")->text(), "TH-HOLD");
  reset->Functions()->MarkNoneButtonClick();
  for (int i = 0; i < 36; ++i)
    reset->Functions()->Box(i)->setChecked(reset->Functions()->Box(i)->text() == "AFR");
  Child<QPushButton>(reset, "ResetButton")->click();
  EXPECT_EQ(Child<QStatusBar>(reset, "CopyFormStatusBar")->currentMessage(), "OK!");
  EXPECT_EQ(Text(active, kAfrRate, 0), "100 %");
  EXPECT_FALSE(active.imageSaved);
  Child<QPushButton>(reset, "ResetButton")->click();
  EXPECT_EQ(Child<QStatusBar>(reset, "CopyFormStatusBar")->currentMessage(),
            "Keine Daten geändert!");
  f.UndoActive();
  EXPECT_EQ(active.image, edited);
}

}  // namespace
}  // namespace apptest
