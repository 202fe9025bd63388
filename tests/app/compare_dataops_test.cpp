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
  // New HELI H1 memories HELI_1 (previous) and HELI_2 (active, the newest).
  app::TMainForm& OpenPair() {
    WriteMemory("HELI_1.FC", "HELI", {2026, 5, 1, 10, 0}, "", 32);
    WriteMemory("HELI_2.FC", "HELI", {2026, 5, 2, 10, 0}, "", 32);
    settings.texts[kKey + "ModelMem"] = "HELI";
    return Open(true);
  }
  // The captions of the checked boxes.
  static QStringList Checked(const app::FunctionBoxes* boxes) {
    QStringList codes;
    for (int i = 0; i < 36; ++i)
      if (boxes->Box(i)->isChecked()) codes << boxes->Box(i)->text();
    return codes;
  }
  static void CheckOnly(app::FunctionBoxes* boxes, const QString& code) {
    for (int i = 0; i < 36; ++i) boxes->Box(i)->setChecked(boxes->Box(i)->text() == code);
  }
};

// What differs and what a take-over writes are the comparison's and take-over's tests; here the
// page shows them, and each press is one undo step of the active memory.
TEST_F(DataWindowTest, ComparisonListsShowsAppendsAndTakesOverAsOneUndoStepEach) {
  app::TMainForm& f = OpenPair();
  auto* page = Find<app::ComparePage>(nullptr);
  QTableWidget* grid = page->Grid();
  core::ModellSpeicherTyp &a = *f.Store().GetPrevious(), &b = *f.Store().GetActive();
  ASSERT_TRUE(f.ChangeImage(a, [](core::ModellSpeicherTyp& r) {
    return std::max(Set(r, kAfrRate, "70", true, 0), Set(r, kAfrRate, "80", true, 2));
  }));
  const auto fresh = b.image;
  auto* one = Find<QPushButton>("UebernehmenButton", page);
  auto* all = Find<QPushButton>("AlleUebernehmenButton", page);
  auto* lowLevel = Find<QCheckBox>("LowLevelCheckBox", page);
  lowLevel->setChecked(true);
  Find<QPushButton>("CompareButton", page)->click();
  EXPECT_FALSE(all->isEnabled());  // raw rows are not taken over
  lowLevel->setChecked(false);
  Find<QPushButton>("CompareButton", page)->click();
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "HELI_1.FC");
  EXPECT_EQ(grid->horizontalHeaderItem(5)->text(), "HELI_2.FC");
  ASSERT_EQ(page->Result().rows.size(), 2u);
  EXPECT_EQ(grid->item(1, 0)->text(), "IDL-UP2");
  EXPECT_EQ(grid->item(1, 0)->foreground().color(), QColor(0, 0, 255));  // condition 2 blue
  EXPECT_EQ(grid->item(1, 3)->text(), "80 %");
  EXPECT_EQ(grid->item(2, 0), nullptr);
  EXPECT_TRUE(all->isEnabled());
  EXPECT_FALSE(one->isEnabled());  // no row marked

  QSignalSpy shown(&f, &app::TMainForm::ShowParameterRequested);
  page->DiffStringGridDblClick(1);
  ASSERT_EQ(shown.count(), 1);
  EXPECT_EQ(shown.at(0).at(0).toInt(), core::ParamDef(kAfrRate).address + 700);
  EXPECT_EQ(f.ParameterTabIndex(), 0);

  auto* appendButton = Find<QPushButton>("DiffToKommButton", page);
  appendButton->click();
  appendButton->click();
  const QString comment = f.KommentarRichEdit()->toPlainText();
  EXPECT_EQ(comment.count("Vergleich: HELI_1.FC -> HELI_2.FC"), 2) << comment.toStdString();
  EXPECT_EQ(comment.count("IDL-UP2\\AFR\\AIL-1 RATE1 RIGHT/UP: 80 % -> 100 %"), 2);
  EXPECT_TRUE(b.hasComment);
  EXPECT_FALSE(b.commentSaved);

  // The flight condition 2 row, by Enter in the table.
  grid->selectRow(1);
  QTest::keyClick(grid, Qt::Key_Return);
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
  app::TMainForm& f = OpenActive("HELI", "", 32, true);
  ASSERT_EQ(f.Store().GetPrevious(), nullptr);
  auto* page = Find<app::ComparePage>(nullptr);
  EXPECT_FALSE(Find<QPushButton>("CompareButton", page)->isEnabled());
  f.Action(app::Cmd::FktCopyData)->trigger();
  auto* copy = Find<app::TCopyForm>(nullptr);
  ASSERT_TRUE(copy->isVisible());
  EXPECT_EQ(copy->pos(), f.pos() + QPoint(100, 50));
  for (const char* name : {"QuelleLastRadioButton", "ZielLastCheckBox"}) {
    auto* w = Find<QAbstractButton>(name, copy);
    EXPECT_FALSE(w->isEnabled()) << name;
    EXPECT_FALSE(w->isChecked()) << name;
  }
  EXPECT_EQ(Find<QAbstractButton>("QuelleAktRadioButton", copy)->text(), "von HELI");
  EXPECT_EQ(Find<QAbstractButton>("Flight2RadioButton", copy)->text(), "von IDL-UP2");

  Find<QPushButton>("MarkAllButton", copy)->click();
  EXPECT_EQ(Checked(copy->Functions()).size(), 36);  // a HELI H1 fills every box
  Find<QPushButton>("MarkNoneButton", copy)->click();
  EXPECT_TRUE(Checked(copy->Functions()).isEmpty());
  Find<QPushButton>("FertigButton", copy)->click();
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
  Find<QPushButton>("CopyButton")->click();
  auto* copy = Find<app::TCopyForm>(nullptr);
  ASSERT_TRUE(copy->isVisible());
  EXPECT_EQ(Checked(copy->Functions()), QStringList{onScreen});
  Find<QCheckBox>("Flight2CheckBox", copy)->setChecked(true);  // Flight1 is checked already
  CheckOnly(copy->Functions(), "AFR");
  auto* status = Find<QStatusBar>("CopyFormStatusBar", copy);
  auto* kopieren = Find<QPushButton>("KopierenButton", copy);
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
  auto* reset = Find<app::TResetForm>(nullptr);
  EXPECT_EQ(Find<QCheckBox>("Flight4CheckBox", reset)->text(), "TH-HOLD");
  CheckOnly(reset->Functions(), "AFR");
  auto* resetStatus = Find<QStatusBar>("CopyFormStatusBar", reset);
  Find<QPushButton>("ResetButton", reset)->click();
  EXPECT_EQ(resetStatus->currentMessage(), "OK!");
  EXPECT_EQ(Text(active, kAfrRate, 0), "100 %");
  EXPECT_FALSE(active.imageSaved);
  Find<QPushButton>("ResetButton", reset)->click();
  EXPECT_EQ(resetStatus->currentMessage(), "Keine Daten geändert!");
  f.UndoActive();
  EXPECT_EQ(active.image, edited);
}

}  // namespace
}  // namespace apptest
