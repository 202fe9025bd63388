// The parameter page driven as a user drives it: tabs, grid, step buttons, lists, typing, undo.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>

#include "app/commands.h"
#include "app/editor/editor_module.h"
#include "app/editor/grid_model.h"
#include "app/editor/parameter_grid.h"
#include "app/model_tree_view.h"
#include "core/editor/menutab.h"
#include "core/editor/tabrow.h"
#include "core/model/access.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

using core::StepButton;

class EditorTest : public WindowTest {
 protected:
  // ACRO active with the modules; a HELI beside it when asked.
  app::TMainForm& OpenAcro(bool withHeli = false) {
    if (withHeli) WriteMemory("HELI.FC", "HELI", {2026, 5, 1, 10, 0}, "", 32);
    app::TMainForm& f = OpenActive("ACRO", "", 16, true);
    editor = f.findChild<app::EditorModule*>();
    return f;
  }
  QStringList Tabs() const {
    QStringList texts;
    for (int i = 0; i < editor->SubTabs()->count(); ++i) texts << editor->SubTabs()->tabText(i);
    return texts;
  }
  QString Tab() const { return editor->SubTabs()->tabText(editor->SubTabs()->currentIndex()); }
  void SelectMenu(int main, const QString& code) {
    editor->MainTabs()->setCurrentIndex(main);
    QTabBar* sub = editor->SubTabs();
    for (int i = 0; i < sub->count(); ++i)
      if (sub->tabText(i) == code) sub->setCurrentIndex(i);
    ASSERT_EQ(Tab(), code);
  }
  void Click(int col, int row) {
    app::ParameterGrid* g = editor->Grid();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(col, row).center());
  }
  // Picks an item of the value list shown over the cell, as a click in its popup does.
  QString Choose(QComboBox* combo, int index) {
    combo->hidePopup();
    combo->setCurrentIndex(index);
    emit combo->textActivated(combo->itemText(index));
    return combo->itemText(index);
  }
  std::string Text(int col, int row) const { return editor->Grid()->Fill().Text(col, row); }
  app::EditorModule* editor = nullptr;
};

// Each press of a step button is one undo step and a held button's run one more; undo tells
// when the bytes are back to those saved, and belongs to its memory.
TEST_F(EditorTest, StepButtonsAndHeldRunsAreUndoStepsOfTheirMemory) {
  app::TMainForm& f = OpenAcro(true);
  SelectMenu(0, "ATV");
  Click(2, 1);  // AIL RATE LEFT/DOWN, NORMAL
  QPushButton* plus = editor->Button(StepButton::Up);
  QPushButton* minus = editor->Button(StepButton::Down);
  ASSERT_TRUE(plus->isVisible());
  EXPECT_FALSE(editor->Button(StepButton::MInc)->isVisible());
  EXPECT_FALSE(editor->ButtonTimer()->isActive());  // idle: no timer
  const std::string before = Text(2, 1);
  minus->click();
  EXPECT_EQ(Text(2, 1), "99 %");
  core::ModellSpeicherTyp* acro = f.Store().GetActive();
  EXPECT_FALSE(acro->imageSaved);
  QAction* undo = f.Action(app::Cmd::FktRueckgaengig);
  QAction* redo = f.Action(app::Cmd::FktWiederherstellen);
  undo->trigger();
  EXPECT_EQ(Text(2, 1), before);
  EXPECT_TRUE(acro->imageSaved);  // back to the bytes last saved
  redo->trigger();
  EXPECT_EQ(Text(2, 1), "99 %");
  EXPECT_FALSE(acro->imageSaved);

  minus->click();
  minus->click();  // 97 %
  QTest::mousePress(plus, Qt::LeftButton);
  EXPECT_TRUE(editor->ButtonTimer()->isActive());
  for (int tick = 0; tick < 1000 / core::ButtonRepeat::kTickMs; ++tick) editor->ButtonTimerTick();
  QTest::mouseRelease(plus, Qt::LeftButton);
  QTest::qWait(20);
  EXPECT_FALSE(editor->ButtonTimer()->isActive());
  EXPECT_EQ(Text(2, 1), "100 %");  // two repeated steps and the click
  undo->trigger();
  EXPECT_EQ(Text(2, 1), "97 %");

  WindowTest::Click(NameNode("HELI"));
  ASSERT_NE(f.Store().GetActive(), acro);
  EXPECT_FALSE(undo->isEnabled());
  WindowTest::Click(NameNode("ACRO"));
  ASSERT_EQ(f.Store().GetActive(), acro);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(Tab(), "ATV");
}

TEST_F(EditorTest, TypedTextAndListChoice) {
  app::TMainForm& f = OpenAcro();
  SelectMenu(0, "ATV");
  Click(2, 1);
  QTest::keyClick(editor->Grid(), '1');  // typing opens the grid's own text editor
  auto* typing = Find<QLineEdit>(nullptr, editor->Grid());
  QTest::keyClicks(typing, ",5");
  QTest::keyClick(typing, Qt::Key_Return);  // commits once the editor has closed
  for (int i = 0; i < 200 && Text(2, 1) != "1 %"; ++i) QTest::qWait(10);
  EXPECT_EQ(Text(2, 1), "1 %");
  EXPECT_FALSE(f.Store().GetActive()->imageSaved);
  // MODE has a value list: the list opens over the cell, a choice is stored.
  Click(7, 1);
  auto* combo = Find<QComboBox>("ParameterComboBox");
  ASSERT_TRUE(combo->isVisible());
  EXPECT_EQ(combo->currentText().toStdString(), Text(7, 1));
  const QString choice = Choose(combo, combo->currentIndex() == 0 ? 1 : 0);
  EXPECT_EQ(QString::fromStdString(Text(7, 1)), choice);
  // Moving with the keys over list cells moves on and leaves their values alone.
  const std::string below = Text(7, 2);
  editor->Grid()->setFocus();
  QTest::keyClick(editor->Grid(), Qt::Key_Down);
  EXPECT_TRUE(combo->isVisible());
  QTest::keyClick(editor->Grid(), Qt::Key_Down);
  EXPECT_EQ(editor->Grid()->CurrentCell(), QPoint(7, 3));
  EXPECT_EQ(Text(7, 2), below);
  // Nothing typed: leaving a cell writes nothing.
  core::ModellSpeicherTyp* rec = f.Store().GetActive();
  const auto image = rec->image;
  Click(2, 3);
  Click(4, 3);
  EXPECT_EQ(rec->image, image);
}

TEST_F(EditorTest, TabsTitleAndGridFollowTheMemoryAndUndoOfATypeChangeRebuildsThem) {
  app::TMainForm& f = OpenAcro();
  SelectMenu(1, "DIFF");
  const core::MenuTabRow row = core::BuildMenuTabRow(1, f.Store().GetActive(), 32, "", 0);
  ASSERT_EQ(Tabs().size(), static_cast<int>(row.captions.size()));
  EXPECT_EQ(Find<QLabel>("MenuNameLabel")->text().toStdString(), core::MenuTitle("DIFF"));
  EXPECT_EQ(editor->Grid()->model()->rowCount(), 10);
  // "Defaultwerte zeigen" adds or takes away the default column; the tab stays.
  const int columns = editor->Grid()->model()->columnCount();
  QAction* defaults = f.Action(app::Cmd::FktDefaultwerte);
  defaults->trigger();
  EXPECT_EQ(editor->Grid()->model()->columnCount(), columns + (defaults->isChecked() ? 1 : -1));
  EXPECT_EQ(Tab(), "DIFF");
  EXPECT_TRUE(Find<QPushButton>("CopyButton")->isEnabled());  // the copy dialog is there

  SelectMenu(1, "MxTY");
  Click(1, 0);  // MODELLTYP, a list in grid row 0
  auto* combo = Find<QComboBox>("ParameterComboBox");
  ASSERT_TRUE(combo->isVisible());
  ASSERT_GE(combo->findText("HELI", Qt::MatchContains), 0);
  Choose(combo, combo->findText("HELI", Qt::MatchContains));
  EXPECT_TRUE(Tabs().contains("REVO"));
  EXPECT_EQ(Tab(), "MxTY");
  f.Action(app::Cmd::FktRueckgaengig)->trigger();
  EXPECT_EQ(core::ModelTypeMask(f.Store().GetActive()), 16);
  EXPECT_FALSE(Tabs().contains("REVO"));
  EXPECT_TRUE(Tabs().contains("ELVN"));
  EXPECT_TRUE(f.Store().GetActive()->imageSaved);
  f.Action(app::Cmd::FktWiederherstellen)->trigger();
  EXPECT_TRUE(Tabs().contains("REVO"));
  // The comparison's request shows a value: its menu, its cell.
  f.RequestShowParameter(145, 0);
  EXPECT_EQ(editor->MainTabs()->currentIndex(), 0);
  EXPECT_EQ(Tab(), "ATV");
  const QPoint cell = editor->Grid()->CurrentCell();
  EXPECT_EQ(editor->Grid()->Fill().LayoutCellAt(cell.x(), cell.y())->Address, 145);
}

}  // namespace
}  // namespace apptest
