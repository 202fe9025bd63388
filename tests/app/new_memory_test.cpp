#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/model/default_form.h"
#include "core/model/access.h"
#include "core/store/model_memory.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

TEST_F(WindowTest, NewMakesAnActiveUnsavedMemoryOfTheChosenType) {
  WriteMemory("UHU.FC", "UHU", {2025, 12, 24, 8, 30});
  app::TMainForm& f = Open(true);
  QAction* neu = f.Action(app::Cmd::FktNeu);
  auto* dialog = f.findChild<app::TDefaultForm*>();
  ASSERT_NE(dialog, nullptr);
  QComboBox* combo = dialog->ModelltypComboBox();

  // Abbruch makes nothing.
  neu->trigger();
  ASSERT_TRUE(dialog->isVisible());
  Find<QPushButton>("AbbruchButton", dialog)->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(f.Store().GetActive(), nullptr);

  neu->trigger();
  combo->setCurrentText("HELI HN3");
  Find<QRadioButton>("FranzoesischRadioButton", dialog)->setChecked(true);
  Find<QPushButton>("OkButton", dialog)->click();
  const core::ModellSpeicherTyp* made = f.Store().GetActive();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(core::ModelTypeMask(made), 512);
  EXPECT_FALSE(made->imageSaved);
  EXPECT_TRUE(
      std::filesystem::equivalent(std::filesystem::path(made->fileName).parent_path(), models));
  // It has a node of its own beside the loaded one, and the label shows its type.
  EXPECT_EQ(Texts().size(), 2);
  WaitTicks(1);
  EXPECT_EQ(Find<QLabel>("ModelltypLabel")->text(), "Modelltyp: HELI HN3");

  // Typed text is compared exactly ("acro" is no ACRO) and never becomes an eleventh item.
  struct Row {
    const char* typed;
    bool enter;  // Enter in the box (the default button takes it), else a click on "&Ok"
    int mask;
  };
  const Row rows[] = {
      {"acro", false, 1}, {"acro", true, 1},    {"ACRO", false, 16},
      {"xyz", true, 1},   {"heli h1", true, 1}, {"HELI H1", true, 32},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.typed) + (row.enter ? " Enter" : " Ok"));
    neu->trigger();
    ASSERT_TRUE(dialog->isVisible());
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), row.typed);
    if (row.enter)
      QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    else
      Find<QPushButton>("OkButton", dialog)->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(core::ModelTypeMask(f.Store().GetActive()), row.mask);
    EXPECT_EQ(combo->count(), 10);
  }
}

}  // namespace
}  // namespace apptest
