// What a new user and a screen reader meet: the new-memory combo, dialog titles, and a name for
// every widget that takes the keyboard focus, in the main window and in each of its dialogs.

#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <set>

#include "app/application.h"
#include "app/commands.h"
#include "app/model/default_form.h"
#include "core/model/access.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

// The widgets of one window (the main window or a dialog) that take the focus; popups and
// widgets that pass their focus on are reached through others.
std::vector<QWidget*> FocusableWidgets(QWidget* window) {
  std::vector<QWidget*> found;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->window() != window || w->focusPolicy() == Qt::NoFocus || w->focusProxy() != nullptr)
      continue;
    found.push_back(w);
  }
  return found;
}

// The name a screen reader says; a combo box on Linux says its text as its name, so it needs a
// label (its buddy) or a name of its own.
bool Named(QWidget* w) {
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    if (!combo->accessibleName().isEmpty()) return true;
    for (QLabel* l : w->window()->findChildren<QLabel*>())
      if (l->buddy() == combo && !l->text().isEmpty()) return true;
    return false;
  }
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
  return a != nullptr && !a->text(QAccessible::Name).trimmed().isEmpty();
}

// The main window and every dialog it made (the save query is made on first use).
std::vector<QWidget*> Windows(app::TMainForm& f) {
  f.SaveQueryForm();
  std::vector<QWidget*> windows = {&f};
  for (QDialog* d : f.findChildren<QDialog*>()) windows.push_back(d);
  return windows;
}

QString Describe(QWidget* w) {
  return w->window()->objectName() + "/" + w->objectName() + " (" + w->metaObject()->className() +
         ")";
}

TEST_F(WindowTest, EveryFocusableWidgetHasAnAccessibleName) {
  app::TMainForm& f = Open(true);
  QStringList windows, unnamed;
  int checked = 0;
  for (QWidget* top : Windows(f)) {
    windows << top->objectName();
    for (QWidget* w : FocusableWidgets(top)) {
      ++checked;
      if (!Named(w)) unnamed << Describe(w);
    }
  }
  EXPECT_TRUE(unnamed.isEmpty()) << "without a name:\n  " << unnamed.join("\n  ").toStdString()
                                 << "\nin " << windows.join(", ").toStdString();
  EXPECT_GT(checked, 20) << windows.join(", ").toStdString();
}

// Qt appends a display name, once one is set, to every title bar: the program sets none, so the
// display name follows the application name and the titles stay the captions alone.
TEST_F(WindowTest, TitlesAreTheCaptionsAlone) {
  EXPECT_EQ(Open(true).windowTitle(), "Veltrano");
  const QString name = QApplication::applicationName();
  app::SetUpApplication();
  QApplication::setApplicationName("renamed");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "renamed");
  EXPECT_FALSE(QApplication::windowIcon().pixmap(48).isNull());
  QApplication::setApplicationName(name);
}

// The exclusive group of a radio button (Tab enters a group once, arrows move within), or null.
const QObject* RadioGroup(QWidget* w) {
  auto* radio = qobject_cast<QRadioButton*>(w);
  if (radio == nullptr) return nullptr;
  if (radio->group() != nullptr) return radio->group();
  return radio->autoExclusive() ? radio->parent() : nullptr;
}

// Tab (Ctrl+Tab out of the comment box, which takes tabs) reaches every shown, enabled widget
// of the main window and of each dialog that takes focus by tab.
TEST_F(WindowTest, TabReachesEveryWidgetOfEachWindow) {
  WriteMemory("ASW28.FC", "ASW28", {2026, 5, 1, 10, 0});
  settings.texts[kKey + "ModelMem"] = "ASW28";
  app::TMainForm& f = Open(true);
  f.SetParameterTabIndex(1);  // the comment page, whose box takes tabs
  const std::vector<QWidget*> windows = Windows(f);
  ASSERT_GE(windows.size(), 4u);  // with the port, new-memory and save query dialogs
  for (QWidget* top : windows) {
    SCOPED_TRACE(top->objectName().toStdString());
    top->show();
    std::vector<QWidget*> wanted;
    for (QWidget* w : FocusableWidgets(top))
      if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
        wanted.push_back(w);
    std::set<const QObject*> reached;
    for (std::size_t i = 0; i < 2 * wanted.size() + 2; ++i) {
      QWidget* at = top->focusWidget();
      if (at == nullptr) {
        QTest::keyClick(top, Qt::Key_Tab);
        continue;
      }
      reached.insert(at);
      if (const QObject* group = RadioGroup(at)) reached.insert(group);
      auto* text = qobject_cast<QPlainTextEdit*>(at);
      const bool takesTabs = text && !text->isReadOnly() && !text->tabChangesFocus();
      QTest::keyClick(at, Qt::Key_Tab, takesTabs ? Qt::ControlModifier : Qt::NoModifier);
    }
    QStringList missed;
    for (QWidget* w : wanted) {
      const QObject* group = RadioGroup(w);
      if (!reached.count(w) && !(group && reached.count(group))) missed << Describe(w);
    }
    EXPECT_TRUE(missed.isEmpty()) << "not reached by Tab:\n  " << missed.join("\n  ").toStdString();
    if (top != &f) top->hide();
  }
  // A plain Tab stays in the comment box as text.
  auto* comment = f.findChild<QPlainTextEdit*>("KommentarRichEdit");
  comment->setFocus();
  QTest::keyClick(comment, Qt::Key_Tab);
  EXPECT_EQ(f.focusWidget(), comment);
  EXPECT_TRUE(comment->toPlainText().contains('\t'));
}

// Typed text is compared exactly ("acro" is no ACRO) and never becomes an eleventh item.
TEST_F(WindowTest, ModelTypeComboComparesExactlyAndKeepsItsTenItems) {
  struct Row {
    const char* typed;
    bool enter;  // Enter in the box (the default button takes it), else a click on "&Ok"
    int mask;
  };
  const Row rows[] = {
      {"acro", false, 1}, {"acro", true, 1},    {"ACRO", false, 16},
      {"xyz", true, 1},   {"heli h1", true, 1}, {"HELI H1", true, 32},
  };
  app::TMainForm& f = Open(true);
  auto* dialog = f.findChild<app::TDefaultForm*>();
  ASSERT_NE(dialog, nullptr);
  QComboBox* combo = dialog->ModelltypComboBox();
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.typed) + (row.enter ? " Enter" : " Ok"));
    f.Action(app::Cmd::FktNeu)->trigger();
    ASSERT_TRUE(dialog->isVisible());
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), row.typed);
    if (row.enter)
      QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    else
      dialog->findChild<QPushButton*>("OkButton")->click();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_NE(f.Store().GetActive(), nullptr);
    EXPECT_EQ(core::ModelTypeMask(f.Store().GetActive()), row.mask);
    EXPECT_EQ(combo->count(), 10);
  }
}

}  // namespace
}  // namespace apptest
