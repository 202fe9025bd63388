// What a new user meets first: Qt's own texts in German, a tree that keeps its place, and a
// smallest window whose controls do not lie over each other.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>
#include <QTreeWidget>

#include "app/model_tree_view.h"
#include "app/qt_german.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

TEST(QtGerman, StandardTextsAreGerman) {
  QTranslator* t = app::InstallQtGermanTranslations(App());
  ASSERT_NE(t, nullptr) << "qt6-translations-l10n missing";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Rückgängig");
  QCoreApplication::removeTranslator(t);
  delete t;
}

using PolishTest = WindowTest;

TEST_F(PolishTest, RebuiltTreeKeepsOpenNodesAndShowsTheActiveMemory) {
  WriteMemory("ASW28.FC", "ASW28", {2026, 5, 1, 10, 0});
  WriteMemory("ASW28_1.FC", "ASW28", {2026, 8, 1, 10, 0});
  WriteMemory("UHU.FC", "UHU", {2025, 12, 24, 8, 30});
  settings.texts[kKey + "ModelMem"] = "ASW28";
  app::TMainForm& f = Open();
  ASSERT_NE(NameNode("ASW28"), nullptr);
  EXPECT_TRUE(NameNode("ASW28")->isExpanded());
  QTreeWidgetItem* current = f.MainTreeView()->currentItem();
  ASSERT_NE(current, nullptr);
  EXPECT_EQ(current->parent(), NameNode("ASW28"));
  NameNode("UHU")->setExpanded(true);
  f.RebuildTree(f.Store().GetModelMemoryDir());
  EXPECT_TRUE(NameNode("UHU")->isExpanded());
  EXPECT_TRUE(NameNode("ASW28")->isExpanded());
  EXPECT_EQ(f.MainTreeView()->currentItem()->parent(), NameNode("ASW28"));
  EXPECT_EQ(f.MainTreeView()->textElideMode(), Qt::ElideNone);
}

TEST_F(PolishTest, SmallestWindowHasNoOverlappingControls) {
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
