#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/shell/startup.h"
#include "core/settings/l_regist.h"
#include "core/store/store.h"
#include "core/store/tree.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTabBar;
class QTableWidget;
class QTimer;
class QTreeWidgetItem;

namespace app {

class ModelTreeView;
class MainStatusBar;
class MainFormStoreHost;
class TSpeichernAbfrageForm;

/// Where the main window keeps its settings and finds its icons. Tests pass temporary places.
struct MainFormEnv {
  core::SettingsBackend* registry = nullptr;  ///< must outlive the window
  std::vector<std::filesystem::path> textStoreCandidates;
  std::filesystem::path workingDir;  ///< icon search and icon files ("current working directory")
  std::filesystem::path exeDir;      ///< searched for icons last; may be empty
};

/// Points where modules that come later hook into start-up and shutdown, in the order they run.
enum class Step {
  /// Creation step 3, before StoreInit: serial ports, software timers, value lists, transfer state.
  StartModules,
  /// Creation step 3, after StoreInit: the printing state.
  StartPrinting,
  /// Creation step 9: transfer display fields and the display hold timer.
  TransferDisplay,
  /// Creation step 10: the editor's button repeat counters.
  EditorInit,
  /// Creation step 11: baud rate and port to the transfer protocol, "PortAuto" to the port dialog.
  TransferSettings,
  /// Creation step 12: comparison grid, CloseEditor, ErklaerungPanel.
  ComparisonInit,
  /// Creation step 13, after the options are applied: the editor's tabs.
  OptionsApplied,
  /// First show, before the tree is built: the transfer protocol to idle.
  Shown,
  /// Destruction step 6, before the records are freed: the printing state.
  ReleasePrinting,
  /// Destruction step 6, last: formulas, SwtFreeAll, ComCloseAll.
  ReleaseModules,
};

/// The main window: model memory tree, comment, name panel, status bar, menus.
/// Construction builds the controls only; FormCreate runs the start-up steps, so modules can
/// register their steps in between.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(MainFormEnv env, QWidget* parent = nullptr);
  ~TMainForm() override;

  /// Runs the creation steps 1 to 15 (once).
  void FormCreate();
  /// Runs the destruction steps (once; also run by the destructor).
  void FormDestroy();

  // Registration for later modules.
  void AddStep(Step step, std::function<void()> action);
  /// Fills the shutdown settings the window does not own (transfer rate, port, editor tabs).
  void AddShutdownFiller(std::function<void(core::ShutdownSettings&)> filler);
  /// Painter of status bar panel 1 (the transfer display); rect is the panel's area.
  void SetTransferPainter(std::function<void(QPainter&, const QRect&)> painter);
  /// Transfer display state for the DispTimer (3 keeps the status bar repainting).
  void SetTransferDisplayState(std::function<int()> state);
  /// Once the link is wired: TxButton/"&Senden" follow the active memory, RxButton and
  /// "&Empfangen" are enabled.
  void SetTransferCommandsAvailable(bool available);
  /// Called first when the tree selects with the mouse (the editor closes its in-place editor).
  void SetCloseEditor(std::function<void()> closeEditor);
  /// Called after the store made a model memory active (the editor rebuilds its menu tabs).
  void SetActiveChangedHandler(std::function<void()> handler);
  /// Receives the save query dialog made after the main window (made on demand otherwise).
  void SetSaveQueryForm(TSpeichernAbfrageForm* form);
  /// What "terminate the application" does (default: close the window and quit the loop).
  void SetTerminateHandler(std::function<void()> terminate);

  // Accessors.
  core::ModelMemoryStore& Store() { return *store_; }
  core::Regist& Settings() { return *regist_; }
  const core::StartupSettings& StartupSettingsRead() const { return startup_; }
  QAction* Action(const char* objectName) const;
  QListWidget* RxTxListBox() const { return rxTxListBox_; }
  QPushButton* TxButton() const { return txButton_; }
  QPushButton* RxButton() const { return rxButton_; }
  QWidget* ParameterPanel() const { return parameterPanel_; }
  QWidget* UnterschiedePanel() const { return unterschiedePanel_; }
  QPlainTextEdit* KommentarRichEdit() const { return kommentarRichEdit_; }
  ModelTreeView* MainTreeView() const { return tree_; }
  MainStatusBar* StatusBar() const { return statusBar_; }
  TSpeichernAbfrageForm* SaveQueryForm();
  QString TransmitterVersionText() const;  ///< "FC-28 V3.x" of the checked item
  core::TransmitterVersion CheckedTransmitter() const;
  int ParameterTabIndex() const;
  void SetParameterTabIndex(int index);
  bool IsTerminated() const { return terminated_; }
  bool HasIcons() const { return haveIcons_; }
  int DisplayTickCounter() const { return tickCounter_; }

  // Operations of the window (also used by tests).
  void RebuildTree(const std::string& directory);
  void RefreshIcons();
  void UpdateNamePanel();
  void ShowTabPanel();
  void CommentEdited();
  void RepaintStatus();
  /// The close command, "Exit" and "E&xit": the save query with the closing flag.
  void RequestClose();
  /// One DispTimer tick.
  void DispTimerTimer();
  /// State index of a tree item (0 none).
  static int StateIndex(const QTreeWidgetItem* item);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class MainFormStoreHost;

  // mainform.cpp: controls and layout
  void BuildControls();
  QWidget* BuildNamePanel();
  QWidget* BuildModellPanel();
  QWidget* BuildUnterschiedePanel();
  QWidget* BuildBottomPanel();
  // mainform_menus.cpp
  void BuildMenus();
  QAction* AddAction(QMenu* menu, const char* objectName, const QString& caption,
                     const QString& hint);
  void ConnectCommands();
  void ChangeDirectory();
  void SaveActive();
  void SaveAll();
  // mainform_tree.cpp
  void TreeMousePressed();
  void TreeSelectionMoved();
  // mainform_lifecycle.cpp
  void RunSteps(Step step);
  void LoadIcons();
  void PlaceWindow(const core::WindowPlacement& placement);
  void ApplySplitterSizes();
  void ApplyOptions(const core::ViewOptions& options);
  void FormShow();
  core::ShutdownSettings CollectShutdownSettings();
  // mainform_status.cpp
  void ReportWriteFailure(const std::string& path);
  void ClearWriteFailure();
  void ShowHint(const QString& hint);

  MainFormEnv env_;
  std::unique_ptr<MainFormStoreHost> host_;
  std::unique_ptr<core::Regist> regist_;
  std::unique_ptr<core::ModelMemoryStore> store_;
  core::StartupSettings startup_;
  core::TreeDescription treeDesc_;
  std::string nameToSelect_;
  std::int32_t tickCounter_ = 0;
  int placedTreeWidth_ = 265;
  int placedTreeHeight_ = 200;
  bool drawnSaved_ = true;
  std::map<std::string, QAction*, std::less<>> actions_;  // by objectName; the display timer asks often
  bool created_ = false;
  bool destroyed_ = false;
  bool shownOnce_ = false;
  bool terminating_ = false;
  bool terminated_ = false;
  bool transferAvailable_ = false;
  int writeFailures_ = 0;
  bool haveIcons_ = false;
  std::array<QPixmap, 13> imageListOk_;
  std::vector<std::filesystem::path> iconSearchDirs_;

  std::multimap<Step, std::function<void()>> steps_;
  std::vector<std::function<void(core::ShutdownSettings&)>> shutdownFillers_;
  std::function<int()> transferDisplayState_;
  std::function<void()> closeEditor_;
  std::function<void()> activeChanged_;
  std::function<void()> terminate_;
  TSpeichernAbfrageForm* saveQuery_ = nullptr;
  std::unique_ptr<TSpeichernAbfrageForm> ownSaveQuery_;

  // Controls (owned by Qt's parent chain).
  QWidget* mainPanel_ = nullptr;
  QSplitter* splitterHoriz_ = nullptr;
  QWidget* treeViewPanel_ = nullptr;
  QSplitter* vertikSplitter_ = nullptr;
  ModelTreeView* tree_ = nullptr;
  QWidget* parameterTabControl_ = nullptr;
  QTabBar* parameterTabBar_ = nullptr;
  QLineEdit* modellNameEdit_ = nullptr;
  QLabel* modellDatumLabel_ = nullptr;
  QPushButton* nameUebernehmenButton_ = nullptr;
  QLabel* modelltypLabel_ = nullptr;
  QWidget* parameterPanel_ = nullptr;
  QWidget* modellPanel_ = nullptr;
  QPlainTextEdit* kommentarRichEdit_ = nullptr;
  QWidget* unterschiedePanel_ = nullptr;
  QLabel* letztMemLabel_ = nullptr;
  QLabel* aktMemLabel_ = nullptr;
  QPushButton* compareButton_ = nullptr;
  QPushButton* diffToKommButton_ = nullptr;
  QCheckBox* lowLevelCheckBox_ = nullptr;
  QListWidget* diffListBox_ = nullptr;
  QTableWidget* diffStringGrid_ = nullptr;
  QListWidget* rxTxListBox_ = nullptr;
  QPushButton* txButton_ = nullptr;
  QPushButton* rxButton_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  MainStatusBar* statusBar_ = nullptr;
  QTimer* dispTimer_ = nullptr;
  QActionGroup* versionGroup_ = nullptr;
};

}  // namespace app
