#include "tests/app/window_fixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/model_tree_view.h"
#include "app/modules.h"
#include "app/speichern_abfrage.h"
#include "core/model/defaults.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "core/util/text.h"

namespace apptest {

QApplication& App() {
  static int argc = 1;
  static char name[] = "app_test";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: Qt tears down its platform plugin badly after other statics are gone.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

WindowTest::WindowTest() : root(temp_.path()), models(root / "models"), work(root / "work") {
  App();
  std::filesystem::create_directories(models);
  std::filesystem::create_directories(work);
  settings.texts[kKey + "ModelMemDir"] = core::WithTrailingSeparator(core::Utf8FromPath(models));
}

std::string WindowTest::WriteMemory(const std::string& file, const std::string& name,
                                    const core::DateTime& date, const std::string& comment,
                                    int factoryMask) {
  core::ModellSpeicherTyp r;
  if (factoryMask != 0) {
    core::FillDefaultMemory(r, factoryMask, core::NewMemoryLanguage::Englisch, 32);
  } else {
    r.image.fill(0);
    for (int i = 1870; i < core::kImageSize; ++i) r.image[static_cast<std::size_t>(i)] = 0xFF;
    for (int i = 0; i < core::kHeaderSize; ++i)
      r.header[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(core::kFileHeader[i]);
    r.setDataLength(1870);
  }
  core::SetNameFromText(r, name);
  r.dateText = core::FormatDateText(date);
  r.inUse = true;
  if (!comment.empty()) {
    r.comment = core::SplitLines(comment);
    r.hasComment = true;
  }
  const std::string path = core::Utf8FromPath(models / file);
  EXPECT_TRUE(core::WriteModelMemory(r, path).ok()) << path;
  return path;
}

app::TMainForm& WindowTest::Open(bool withModules) {
  app::MainFormEnv env;
  env.registry = &settings;
  env.workingDir = work;
  form = std::make_unique<app::TMainForm>(env);
  form->SetTerminateHandler([this] { terminated = true; });
  if (withModules) app::InstallModules(*form);
  form->FormCreate();
  if (withModules) app::CreateModuleDialogs(*form);
  form->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  WaitTicks(1);
  return *form;
}

app::TMainForm& WindowTest::OpenActive(const std::string& name, const std::string& comment,
                                       int factoryMask, bool withModules) {
  WriteMemory(name + ".FC", name, {2026, 5, 1, 10, 0}, comment, factoryMask);
  settings.texts[kKey + "ModelMem"] = name;
  return Open(withModules);
}

void WindowTest::WhenModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer(form.get());
  QObject::connect(timer, &QTimer::timeout, form.get(), [timer, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start(20);
}

void WindowTest::WaitTicks(int n) {
  const int target = form->DisplayTickCounter() + n;
  QElapsedTimer clock;
  clock.start();
  while (form->DisplayTickCounter() < target && clock.elapsed() < 10000) QTest::qWait(10);
  EXPECT_GE(form->DisplayTickCounter(), target) << "the display timer stopped";
}

QStringList WindowTest::Texts(QTreeWidgetItem* parent) const {
  QStringList texts;
  if (parent == nullptr) parent = form->MainTreeView()->invisibleRootItem();
  for (int i = 0; i < parent->childCount(); ++i) texts << parent->child(i)->text(0);
  return texts;
}

QTreeWidgetItem* WindowTest::NameNode(const QString& text) const {
  QTreeWidget* tree = form->MainTreeView();
  for (int i = 0; i < tree->topLevelItemCount(); ++i) {
    const QString node = tree->topLevelItem(i)->text(0);
    if (node == text || node.trimmed() == text) return tree->topLevelItem(i);
  }
  throw std::runtime_error("no name node " + text.toStdString());
}

void WindowTest::Click(QTreeWidgetItem* item) {
  QTreeWidget* tree = form->MainTreeView();
  if (item->parent() != nullptr && !item->parent()->isExpanded()) item->parent()->setExpanded(true);
  tree->scrollToItem(item);
  const QRect r = tree->visualItemRect(item);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
}

void WindowTest::QueueAnswers(std::vector<std::string> buttonNames) {
  pendingAnswers = std::move(buttonNames);
  auto* timer = new QTimer(form.get());
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, form.get(), [this, timer] {
    app::TSpeichernAbfrageForm* dialog = form->SaveQueryForm();
    if (pendingAnswers.empty()) {
      timer->deleteLater();
      timer->stop();
      return;
    }
    if (!dialog->IsAsking()) return;
    if (duringQuestion) duringQuestion();
    const std::string name = pendingAnswers.front();
    pendingAnswers.erase(pendingAnswers.begin());
    asked.push_back(dialog->findChild<QLabel*>("SpeichernAbfrageLabel1")->text().toStdString());
    auto* button = dialog->findChild<QPushButton*>(QString::fromStdString(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  });
  timer->start();
}

}  // namespace apptest
