// What a new user and a screen reader meet: Qt's own texts in German, dialog titles, a smallest
// window whose controls do not lie over each other, and a name for every widget that takes the
// keyboard focus, in the main window and in each of its dialogs.

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTranslator>
#include <set>

#include "app/application.h"
#include "app/qt_german.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

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

QString Describe(QWidget* w) {
  return w->window()->objectName() + "/" + w->objectName() + " (" + w->metaObject()->className() +
         ")";
}

// The exclusive group of a radio button (Tab enters a group once, arrows move within), or null.
const QObject* RadioGroup(QWidget* w) {
  auto* radio = qobject_cast<QRadioButton*>(w);
  if (radio == nullptr) return nullptr;
  if (radio->group() != nullptr) return radio->group();
  return radio->autoExclusive() ? radio->parent() : nullptr;
}

// Every widget that takes the focus, in the main window and in each dialog, has a name a screen
// reader says; Tab (Ctrl+Tab out of the comment box, which takes tabs) reaches every shown,
// enabled one.
TEST_F(WindowTest, EveryFocusableWidgetIsNamedAndReachedByTab) {
  app::TMainForm& f = OpenActive("ASW28", "", 0, true);
  EXPECT_EQ(f.windowTitle(), "Veltrano");
  f.SetParameterTabIndex(1);  // the comment page, whose box takes tabs
  f.SaveQueryForm();          // made on first use
  std::vector<QWidget*> windows = {&f};
  for (QDialog* d : f.findChildren<QDialog*>()) windows.push_back(d);
  ASSERT_GE(windows.size(), 4u);  // with the port, new-memory and save query dialogs
  int named = 0;
  for (QWidget* top : windows) {
    SCOPED_TRACE(top->objectName().toStdString());
    top->show();
    QStringList unnamed;
    std::vector<QWidget*> wanted;
    for (QWidget* w : top->findChildren<QWidget*>()) {
      // Popups and widgets that pass their focus on are reached through others.
      if (w->window() != top || w->focusPolicy() == Qt::NoFocus || w->focusProxy() != nullptr)
        continue;
      if (Named(w))
        ++named;
      else
        unnamed << Describe(w);
      if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
        wanted.push_back(w);
    }
    EXPECT_TRUE(unnamed.isEmpty()) << "without a name:\n  " << unnamed.join("\n  ").toStdString();
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
  EXPECT_GT(named, 20);
  // A plain Tab stays in the comment box as text.
  QPlainTextEdit* comment = f.KommentarRichEdit();
  comment->setFocus();
  QTest::keyClick(comment, Qt::Key_Tab);
  EXPECT_EQ(f.focusWidget(), comment);
  EXPECT_TRUE(comment->toPlainText().contains('\t'));
}

// Qt appends a display name, once one is set, to every title bar: the program sets none, so the
// display name follows the application name and the titles stay the captions alone. Qt's own
// texts are German.
TEST(Application, TitlesAreTheCaptionsAloneAndQtSpeaksGerman) {
  App();
  const QString name = QApplication::applicationName();
  app::SetUpApplication();
  QApplication::setApplicationName("renamed");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "renamed");
  EXPECT_FALSE(QApplication::windowIcon().pixmap(48).isNull());
  QApplication::setApplicationName(name);
  QTranslator* t = app::InstallQtGermanTranslations(App());
  ASSERT_NE(t, nullptr) << "qt6-translations-l10n missing";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Rückgängig");
  QCoreApplication::removeTranslator(t);
  delete t;
}

TEST_F(WindowTest, SmallestWindowHasNoOverlappingControls) {
  app::TMainForm& f = OpenActive("ASW28");
  f.SetParameterTabIndex(0);
  f.resize(600, 440);
  QTest::qWait(50);
  // Every visible label, field and button of the name panel and the editor page.
  QList<QWidget*> controls;
  for (QWidget* w : f.findChildren<QWidget*>()) {
    if (!w->isVisible() || w->width() <= 1) continue;
    if (!qobject_cast<QLabel*>(w) && !qobject_cast<QLineEdit*>(w) &&
        !qobject_cast<QAbstractButton*>(w))
      continue;
    if (w->parentWidget() && w->parentWidget()->objectName() != "ModellNamePanel" &&
        w->parentWidget()->objectName() != "EditorPanel")
      continue;
    controls << w;
  }
  ASSERT_GE(controls.size(), 4);
  for (int i = 0; i < controls.size(); ++i)
    for (int j = i + 1; j < controls.size(); ++j) {
      const QRect a(controls[i]->mapTo(&f, QPoint()), controls[i]->size());
      const QRect b(controls[j]->mapTo(&f, QPoint()), controls[j]->size());
      EXPECT_FALSE(a.intersects(b)) << controls[i]->objectName().toStdString() << " over "
                                    << controls[j]->objectName().toStdString();
    }
}

}  // namespace
}  // namespace apptest
