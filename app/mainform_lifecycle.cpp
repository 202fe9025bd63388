#include <QAction>
#include <QBitmap>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QTimer>

#include "core/shell/display.h"
#include "core/shell/icons.h"
#include "core/shell/program_version.h"
#include "app/main_status_bar.h"
#include "app/mainform.h"
#include "app/model_tree_view.h"
#include "core/store/model_memory.h"

namespace app {

void TMainForm::RunSteps(Step step) {
  auto [first, last] = steps_.equal_range(step);
  for (auto it = first; it != last; ++it) it->second();
}

void TMainForm::LoadIcons() {
  iconSearchDirs_ = core::IconSearchDirs(env_.workingDir, env_.exeDir);
  haveIcons_ = false;
  const auto dir = core::FindIconDirectory(iconSearchDirs_);
  if (!dir) return;
  const auto files = core::ReadIconFiles(*dir);
  if (!files) return;
  std::array<QPixmap, 13> images;
  for (std::size_t i = 0; i < files->size(); ++i) {
    const auto& bytes = (*files)[i];
    if (!images[i].loadFromData(bytes.data(), static_cast<uint>(bytes.size()), "BMP")) return;
    // The bitmaps' background (the colour of their bottom-left pixel, as image lists take it)
    // is transparent, so a selected row shows through.
    const QImage image = images[i].toImage();
    if (!image.isNull())
      images[i].setMask(images[i].createMaskFromColor(image.pixelColor(0, image.height() - 1),
                                                      Qt::MaskInColor));
  }
  imageListOk_ = images;
  haveIcons_ = true;
}

void TMainForm::FormCreate() {
  if (created_) return;
  created_ = true;
  // Display tick counter and icons first: the tree needs them.
  tickCounter_ = 0;
  LoadIcons();
  regist_->SettingsInit(core::kVeltranoIdentity);
  // Modules, then the model memories of the directory.
  RunSteps(Step::StartModules);
  store_->StoreInit();
  RunSteps(Step::StartPrinting);
  store_->LoadDirectory(store_->GetModelMemoryDir());
  // Settings with their defaults, window placement, the name to select.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  startup_ = core::ReadStartupSettings(*regist_, area.width(), area.height());
  PlaceWindow(startup_.placement);
  nameToSelect_ = startup_.modelMem;
  VersionAction(startup_.transmitter)->setChecked(true);
  RunSteps(Step::TransferDisplay);
  // The comment page shown, the comment box empty.
  parameterPanel_->hide();
  unterschiedePanel_->hide();
  modellPanel_->show();
  kommentarRichEdit_->clear();
  RunSteps(Step::EditorInit);
  RunSteps(Step::TransferSettings);
  RunSteps(Step::ComparisonInit);
  // Options: check marks and tabs.
  ApplyOptions(startup_.options);
  RunSteps(Step::OptionsApplied);
  Action(Cmd::FktVersion)->setText(QString("&Version ") + core::kProgramVersion);
  setWindowTitle("Veltrano");

  statusBar_->SetPanelText(3, QString::fromUtf8(core::kCreditText));
  RepaintStatus();
  dispTimer_->start();
}

void TMainForm::PlaceWindow(const core::WindowPlacement& p) {
  move(p.left, p.top);
  resize(p.width, p.height);
  placedTreeWidth_ = p.treeWidth;
  placedTreeHeight_ = p.treeHeight;
  ApplySplitterSizes();
}

void TMainForm::ApplySplitterSizes() {
  // Exact only once the window has its size; showing applies them again.
  if (QLayout* l = layout()) l->activate();
  const int across = vertikSplitter_->width() - vertikSplitter_->handleWidth();
  const int down = splitterHoriz_->height() - splitterHoriz_->handleWidth();
  vertikSplitter_->setSizes({placedTreeWidth_, std::max(1, across - placedTreeWidth_)});
  splitterHoriz_->setSizes({placedTreeHeight_, std::max(1, down - placedTreeHeight_)});
}

void TMainForm::ApplyOptions(const core::ViewOptions& options) {
  Action(Cmd::FktErlaeuterungen)->setChecked(options.explanations);
  Action(Cmd::FktAlleFlugzustaende)->setChecked(options.allFlightConditions);
  Action(Cmd::FktDefaultwerte)->setChecked(options.defaultValues);
  // Tab 3 does not exist on this tab row; the first tab stands in for it.
  SetParameterTabIndex(options.parameterTab < 3 ? options.parameterTab : 0);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    ApplySplitterSizes();
    FormShow();
  }
}

void TMainForm::FormShow() {
  RunSteps(Step::Shown);
  RebuildTree(store_->GetModelMemoryDir());
  RefreshIcons();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (terminating_) {
    event->accept();
    return;
  }
  // The window closes only through termination; the close command asks first.
  event->ignore();
  QTimer::singleShot(0, this, &TMainForm::RequestClose);
}

void TMainForm::RequestClose() {
  if (terminating_) return;
  ClearWriteFailure();
  const int failuresBefore = writeFailures_;
  const bool mayEnd = store_->QueryAndSaveAll(true);
  RepaintStatus();
  if (!mayEnd) return;
  if (writeFailures_ != failuresBefore) {
    // Ending now would lose what could not be written.
    QMessageBox::warning(this, "Veltrano",
                         "Mindestens ein Modellspeicher konnte nicht gespeichert werden.\n"
                         "Das Programm bleibt geöffnet.");
    return;
  }
  terminating_ = true;
  terminated_ = true;
  if (terminate_) {
    terminate_();
  } else {
    close();
    QCoreApplication::quit();
  }
}

core::ShutdownSettings TMainForm::CollectShutdownSettings() {
  core::ShutdownSettings s;
  s.transferRate = startup_.transferRate;
  s.comPort = startup_.comPort;
  s.portAuto = startup_.portAuto;
  s.options = startup_.options;
  s.options.explanations = Action(Cmd::FktErlaeuterungen)->isChecked();
  s.options.allFlightConditions = Action(Cmd::FktAlleFlugzustaende)->isChecked();
  s.options.defaultValues = Action(Cmd::FktDefaultwerte)->isChecked();
  s.options.parameterTab = ParameterTabIndex();
  s.transmitter = CheckedTransmitter();
  const Qt::WindowStates state = windowState();
  if (!(state & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
    const QList<int> treeSizes = vertikSplitter_->sizes();
    const QList<int> upperSizes = splitterHoriz_->sizes();
    const QRect frame = frameGeometry();
    s.placement = core::WindowPlacement{frame.left(), frame.top(),        width(),
                                        height(),     treeSizes.value(0), upperSizes.value(0)};
  }
  s.modelMem = core::TrimmedName(store_->GetActive());
  for (auto& fill : shutdownFillers_) fill(s);
  return s;
}

void TMainForm::FormDestroy() {
  if (!created_ || destroyed_) return;
  destroyed_ = true;
  dispTimer_->stop();
  core::WriteShutdownSettings(*regist_, CollectShutdownSettings());
  // Release printing, the records, the icons, then the modules.
  RunSteps(Step::ReleasePrinting);
  tree_->clear();
  treeDesc_ = {};
  store_->FreeAllModelMemories();
  imageListOk_ = {};
  haveIcons_ = false;
  RunSteps(Step::ReleaseModules);
}

}  // namespace app
