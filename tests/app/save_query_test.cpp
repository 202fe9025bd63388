#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "app/speichern_abfrage.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

class SaveQueryTest : public WindowTest {
 protected:
  /// ASK21 active with two unsaved copies, ASK21_1.FC and ASK21_2.FC (not yet written).
  app::TMainForm& OpenWithTwoCopies() {
    app::TMainForm& f = OpenActive("ASK21");
    f.Action(app::Cmd::FktKopieren)->trigger();
    f.Action(app::Cmd::FktKopieren)->trigger();
    EXPECT_EQ(core::FileNameOf(f.Store().GetActive()->fileName), "ASK21_2.FC");
    return f;
  }
  bool Written(const std::string& baseName) const {
    return std::filesystem::exists(models / (baseName + ".FC"));
  }
  app::TSpeichernAbfrageForm* Dialog() { return form->SaveQueryForm(); }
  QPushButton* DialogButton(const char* name) { return Dialog()->findChild<QPushButton*>(name); }
};

// How the answers decide is the store's test; here each way to close asks, each button answers,
// and the program ends only when the last answer lets it.
TEST_F(SaveQueryTest, EveryWayToCloseAsksAndContinuingAtTheLastQuestionKeepsTheProgram) {
  app::TMainForm& f = OpenWithTwoCopies();
  duringQuestion = [&] {
    if (asked.size() > 0) return;
    EXPECT_TRUE(DialogButton("AbbrechenButton")->isVisible());  // closing: "fortsetzen"
    EXPECT_TRUE(DialogButton("AllesSpeichernButton")->isEnabled());
    EXPECT_TRUE(DialogButton("KeinenSpeichernButton")->isEnabled());
  };
  QueueAnswers({"SpeichernButton", "AbbrechenButton"});
  Find<QPushButton>("ExitButton")->click();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_TRUE(Written(asked[0]));
  EXPECT_FALSE(Written(asked[1]));
  EXPECT_FALSE(terminated);
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(core::FileNameOf(f.Store().GetActive()->fileName), "ASK21_2.FC");  // active again

  // With one unsaved memory "Alle" and "Keinen" are not offered.
  duringQuestion = [&] {
    EXPECT_FALSE(DialogButton("AllesSpeichernButton")->isEnabled());
    EXPECT_FALSE(DialogButton("KeinenSpeichernButton")->isEnabled());
  };
  QueueAnswers({"AbbrechenButton"});
  f.Action(app::Cmd::FktExit)->trigger();
  EXPECT_EQ(asked.size(), 3u);
  EXPECT_FALSE(terminated);
  // The window's own close command asks too, and itself never closes the window.
  QueueAnswers({"SpeichernButton"});
  f.close();
  EXPECT_TRUE(f.isVisible());
  WaitTicks(2);
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_TRUE(Written(asked[3]));
  EXPECT_TRUE(terminated);
}

TEST_F(SaveQueryTest, QuestionIsModalWhileTheTimersRun) {
  app::TMainForm& f = OpenWithTwoCopies();
  bool checked = false;
  duringQuestion = [&] {
    if (checked) return;
    checked = true;
    app::TSpeichernAbfrageForm* d = Dialog();
    EXPECT_EQ(QApplication::activeModalWidget(), d);
    EXPECT_NE(d->windowModality(), Qt::NonModal);
    EXPECT_FALSE(DialogButton("AbbrechenButton")->isVisible());  // not closing: no "fortsetzen"
    EXPECT_TRUE(DialogButton("SpeichernButton")->isDefault());
    EXPECT_EQ(d->pos(), f.frameGeometry().topLeft() + QPoint(40, 40));
    // The display timer keeps ticking.
    WaitTicks(2);
    // Neither Escape nor the close command ends the question, and a second save of all
    // started meanwhile does nothing.
    QTest::keyClick(d, Qt::Key_Escape);
    d->close();
    f.Action(app::Cmd::FktAlleSpeichern)->trigger();
    Wait(50);
    EXPECT_TRUE(d->IsAsking());
    EXPECT_TRUE(d->isVisible());
  };
  QueueAnswers({"AllesSpeichernButton"});
  f.Action(app::Cmd::FktAlleSpeichern)->trigger();
  EXPECT_TRUE(checked);
  // "Alle speichern" answers for the rest: one question, both written.
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_TRUE(Written("ASK21_1") && Written("ASK21_2"));
  EXPECT_FALSE(terminated);
}

}  // namespace
}  // namespace apptest
