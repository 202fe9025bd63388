#include <QAction>
#include <QComboBox>
#include <QLabel>
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

  // Abbruch makes nothing.
  neu->trigger();
  ASSERT_TRUE(dialog->isVisible());
  dialog->findChild<QPushButton*>("AbbruchButton")->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(f.Store().GetActive(), nullptr);

  neu->trigger();
  dialog->ModelltypComboBox()->setCurrentText("HELI HN3");
  dialog->findChild<QRadioButton*>("FranzoesischRadioButton")->setChecked(true);
  dialog->findChild<QPushButton*>("OkButton")->click();
  const core::ModellSpeicherTyp* made = f.Store().GetActive();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(core::ModelTypeMask(made), 512);
  EXPECT_FALSE(made->imageSaved);
  EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::path(made->fileName).parent_path(), models));
  // It has a node of its own beside the loaded one, and the status shows it unsaved.
  EXPECT_EQ(NameNodes().size(), 2);
  WaitTicks(1);
  EXPECT_EQ(f.findChild<QLabel*>("ModelltypLabel")->text(), "Modelltyp: HELI HN3");
}

}  // namespace
}  // namespace apptest
