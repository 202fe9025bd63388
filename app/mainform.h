#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/directory_lock.h"
#include "core/settings/l_regist.h"
#include "core/shell/startup.h"
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
class TDateiGeaendertForm;

/// Where the main window keeps its settings and finds its icons. Tests pass temporary places.
struct MainFormEnv {
  core::SettingsBackend* registry = nullptr;  ///< must outlive the window
  std::vector<std::filesystem::path> textStoreCandidates;
  std::filesystem::path workingDir;  ///< icon search and icon files ("current working directory")
  std::filesystem::path exeDir;      ///< searched for icons last; may be empty
};

/// Points where modules hook into start-up and shutdown, in the order they run.
enum class Step {
  /// Before the store is initialised: serial ports, software timers, value lists, transfer state.
  StartModules,
  /// Right after the store is initialised: the printing state.
  StartPrinting,
  /// Once the settings are read: transfer display fields and the display hold timer.
  TransferDisplay,
  /// With the comment page shown: the editor's button repeat counters.
  EditorInit,
  /// Baud rate and port to the transfer protocol, "PortAuto" to the port dialog.
  TransferSettings,
  /// The comparison grid's empty header, the value editor closed, the explanation caption empty.
  ComparisonInit,
  /// After the options are applied: the editor's tabs.
  OptionsApplied,
  /// First show, before the tree is built: the transfer protocol to idle.
  Shown,
  /// At shutdown, before the records are freed: the printing state.
  ReleasePrinting,
  /// At shutdown, last: formulas, software timers, serial ports.
  ReleaseModules,
};

/// The pages of the tab row beside the tree; modules host their panels in them.
enum class Page { Modellspeicher, Kommentar, Vergleich };

/// The main window: model memory tree, comment, name panel, status bar, menus.
/// Construction builds the controls only; FormCreate runs the start-up steps, so modules can
/// register their steps in between.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(MainFormEnv env, QWidget* parent = nullptr);
  ~TMainForm() override;

  /// Runs the start-up steps (once).
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
  /// Lays a module's panel into a page, below what is there (the name panel, earlier panels).
  void HostPanel(Page page, QWidget* panel, int stretch = 0);
  /// Receives the save query dialog made after the main window (made on demand otherwise).
  void SetSaveQueryForm(TSpeichernAbfrageForm* form);
  /// What "terminate the application" does (default: close the window and quit the loop).
  void SetTerminateHandler(std::function<void()> terminate);

  // Accessors.
  core::ModelMemoryStore& Store() { return *store_; }
  core::Regist& Settings() { return *regist_; }
  const core::StartupSettings& StartupSettingsRead() const { return startup_; }
  QAction* Action(Cmd cmd) const;
  QAction* VersionAction(core::TransmitterVersion version) const;
  QListWidget* RxTxListBox() const { return rxTxListBox_; }
  QPushButton* TxButton() const { return txButton_; }
  QPushButton* RxButton() const { return rxButton_; }
  QWidget* ParameterPanel() const { return parameterPanel_; }
  QWidget* UnterschiedePanel() const { return unterschiedePanel_; }
  QPlainTextEdit* KommentarRichEdit() const { return kommentarRichEdit_; }
  ModelTreeView* MainTreeView() const { return tree_; }
  MainStatusBar* StatusBar() const { return statusBar_; }
  TSpeichernAbfrageForm* SaveQueryForm();
  /// "Datei geändert": asked before a file another program changed is written (made on demand).
  TDateiGeaendertForm* FileChangedForm();
  QString TransmitterVersionText() const;  ///< "FC-28 V3.x" of the checked item
  core::TransmitterVersion CheckedTransmitter() const;
  /// 30, 31 or 32, as the parameter model takes it.
  int TransmitterVersion() const;
  int ParameterTabIndex() const;
  void SetParameterTabIndex(int index);
  bool IsTerminated() const { return terminated_; }
  bool HasIcons() const { return haveIcons_; }
  int DisplayTickCounter() const { return tickCounter_; }

  /// Runs change on the record's image as one undo step. When the bytes changed, the record is
  /// marked changed and, when it is the active one, ImageChanged is emitted (structure when
  /// change returned kChangedMore). Returns whether the image changed.
  bool ChangeImage(core::ModellSpeicherTyp& record,
                   const std::function<int(core::ModellSpeicherTyp&)>& change);
  /// Ends an undo step begun with Store().History().Begin that spans several events (a held
  /// step button), with the same consequences as ChangeImage.
  bool CommitImageStep(core::ModellSpeicherTyp& record, int result);
  /// Undo and redo of the active memory's last image step (nothing without one).
  void UndoActive();
  void RedoActive();
  /// Asks whoever shows explanations to explain a menu ("" for none).
  void RequestExplanation(const QString& menuCode) { emit ExplanationRequested(menuCode); }
  /// Asks the editor to show the value at address/bit of the active memory.
  void RequestShowParameter(int address, int bit) { emit ShowParameterRequested(address, bit); }

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

 signals:
  /// The store made another memory active, or none (the labels are updated already).
  void ActiveMemoryChanged();
  /// The active memory's image changed; structure: menus, names or model types may have changed.
  void ImageChanged(bool structure);
  /// A tick of "&Erläuterungen", "Alle &Flugzustände zeigen" or "&Defaultwerte zeigen" changed.
  void OptionsChanged();
  /// "&Senderversion" changed.
  void TransmitterVersionChanged();
  /// The tree is about to take a mouse selection: in-place editors close first.
  void CloseEditorRequested();
  void ExplanationRequested(const QString& menuCode);
  void ShowParameterRequested(int address, int bit);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  friend class MainFormStoreHost;

  // mainform.cpp: controls and layout
  void BuildControls();
  QWidget* BuildNamePanel();
  QWidget* BuildModellPanel();
  QWidget* BuildBottomPanel();
  // mainform_menus.cpp
  void BuildMenus();
  void BuildVersionMenu(QMenu* options);
  void ConnectCommands();
  void ChangeDirectory();
  void SaveActive();
  void SaveAll();
  // mainform_tree.cpp
  void TreeMousePressed();
  void TreeSelectionMoved();
  core::ModellSpeicherTyp* RecordOfItem(const QTreeWidgetItem* item) const;
  void UpdateCommentLock();
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
  void DirectoryOpened(const std::string& directory);
  void ClearWriteFailure();
  void ShowHint(const QString& hint);
  void UpdateModelltypLabel();

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
  std::array<QAction*, std::size(kCommands)> commandActions_{};
  std::array<QAction*, std::size(core::kTransmitterVersions)> versionActions_{};
  bool created_ = false;
  bool destroyed_ = false;
  bool shownOnce_ = false;
  bool terminating_ = false;
  bool terminated_ = false;
  bool transferAvailable_ = false;
  int writeFailures_ = 0;
  QStringList failedFiles_;  // full paths named in the status bar since the last save began
  bool haveIcons_ = false;
  bool loadingComment_ = false;  // the store puts a memory's comment into the box
  std::array<QPixmap, 13> imageListOk_;
  std::vector<std::filesystem::path> iconSearchDirs_;

  std::multimap<Step, std::function<void()>> steps_;
  std::vector<std::function<void(core::ShutdownSettings&)>> shutdownFillers_;
  std::function<int()> transferDisplayState_;
  std::function<void()> terminate_;
  TSpeichernAbfrageForm* saveQuery_ = nullptr;
  std::unique_ptr<TSpeichernAbfrageForm> ownSaveQuery_;
  std::unique_ptr<TDateiGeaendertForm> fileChanged_;
  DirectoryLock directoryLock_;

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
  QListWidget* rxTxListBox_ = nullptr;
  QPushButton* txButton_ = nullptr;
  QPushButton* rxButton_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  MainStatusBar* statusBar_ = nullptr;
  QTimer* dispTimer_ = nullptr;
  QActionGroup* versionGroup_ = nullptr;
};

}  // namespace app
