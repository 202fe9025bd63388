#include "app/mainform.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/datei_geaendert.h"
#include "app/flow_layout.h"
#include "app/main_status_bar.h"
#include "app/mainform_host.h"
#include "app/model_tree_view.h"
#include "app/speichern_abfrage.h"
#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/shell/icons.h"

namespace app {

namespace {

QWidget* Panel(const char* name, QWidget* parent) {
  auto* w = new QWidget(parent);
  w->setObjectName(name);
  return w;
}

QLabel* Label(const char* name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setTextFormat(Qt::PlainText);
  return l;
}

// A text box that takes Tab as text lets Ctrl+Tab and Ctrl+Shift+Tab move the focus on, so a
// keyboard user can leave it.
class CtrlTabMovesFocus : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool back = key->key() == Qt::Key_Backtab;
    if ((key->key() != Qt::Key_Tab && !back) || !(key->modifiers() & Qt::ControlModifier))
      return false;
    auto* box = qobject_cast<QWidget*>(watched);
    if (box == nullptr || box->parentWidget() == nullptr) return false;
    // A plain Tab to the box's parent moves the focus on from the box, as from any widget.
    QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                  back ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(box->parentWidget(), &tab);
    return true;
  }
};

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  return b;
}

}  // namespace

TMainForm::TMainForm(MainFormEnv env, QWidget* parent) : QMainWindow(parent), env_(std::move(env)) {
  setObjectName("MainForm");
  setWindowTitle("Veltrano");
  host_ = std::make_unique<MainFormStoreHost>(*this);
  regist_ = std::make_unique<core::Regist>(*env_.registry, env_.textStoreCandidates);
  store_ = std::make_unique<core::ModelMemoryStore>(*host_);
  BuildControls();
  BuildMenus();
  ConnectCommands();
}

TMainForm::~TMainForm() {
  FormDestroy();
}

void TMainForm::BuildControls() {
  mainPanel_ = Panel("MainPanel", this);
  setCentralWidget(mainPanel_);

  tree_ = new ModelTreeView(nullptr);

  parameterTabControl_ = Panel("ParameterTabControl", nullptr);
  parameterTabBar_ = new QTabBar(parameterTabControl_);
  parameterTabBar_->setObjectName("ParameterTabBar");
  parameterTabBar_->setExpanding(false);
  parameterTabBar_->setDrawBase(false);
  for (const char* t : {"Modellspeicher", "Kommentar", "Vergleich"}) parameterTabBar_->addTab(t);
  auto* client = new QFrame(parameterTabControl_);
  client->setObjectName("ParameterTabClient");
  client->setFrameShape(QFrame::StyledPanel);
  parameterPanel_ = Panel("ParameterPanel", client);
  modellPanel_ = BuildModellPanel();
  unterschiedePanel_ = Panel("UnterschiedePanel", client);
  // Modules lay their panels into these pages.
  for (QWidget* page : {parameterPanel_, unterschiedePanel_}) {
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
  }
  auto* clientLayout = new QVBoxLayout(client);
  clientLayout->setContentsMargins(4, 4, 4, 4);
  clientLayout->addWidget(BuildNamePanel());
  for (QWidget* w : {parameterPanel_, modellPanel_, unterschiedePanel_}) {
    w->setParent(client);
    clientLayout->addWidget(w, 1);
  }
  auto* tabLayout = new QVBoxLayout(parameterTabControl_);
  tabLayout->setContentsMargins(0, 0, 0, 0);
  tabLayout->setSpacing(0);
  tabLayout->addWidget(parameterTabBar_);
  tabLayout->addWidget(client, 1);

  vertikSplitter_ = new QSplitter(Qt::Horizontal);
  vertikSplitter_->setObjectName("VertikSplitter");
  vertikSplitter_->addWidget(tree_);
  vertikSplitter_->addWidget(parameterTabControl_);
  vertikSplitter_->setStretchFactor(1, 1);
  vertikSplitter_->setChildrenCollapsible(false);

  treeViewPanel_ = Panel("TreeViewPanel", nullptr);
  auto* upper = new QHBoxLayout(treeViewPanel_);
  upper->setContentsMargins(0, 0, 0, 0);
  upper->addWidget(vertikSplitter_);

  rxTxListBox_ = new QListWidget;
  rxTxListBox_->setObjectName("RxTxListBox");
  rxTxListBox_->setAccessibleName("Übertragungsprotokoll");

  splitterHoriz_ = new QSplitter(Qt::Vertical);
  splitterHoriz_->setObjectName("SplitterHoriz");
  splitterHoriz_->addWidget(treeViewPanel_);
  splitterHoriz_->addWidget(rxTxListBox_);
  splitterHoriz_->setStretchFactor(0, 1);
  splitterHoriz_->setChildrenCollapsible(false);

  // The stored placement rules, not the controls, decide how small the window may get:
  // what does not fit is clipped.
  for (QWidget* w : {static_cast<QWidget*>(tree_), parameterTabControl_, treeViewPanel_,
                     static_cast<QWidget*>(rxTxListBox_)})
    w->setMinimumSize(1, 1);

  auto* main = new QVBoxLayout(mainPanel_);
  main->setContentsMargins(4, 4, 4, 0);
  main->addWidget(splitterHoriz_, 1);
  main->addWidget(BuildBottomPanel());

  statusBar_ = new MainStatusBar(this);
  setStatusBar(statusBar_);

  dispTimer_ = new QTimer(this);
  dispTimer_->setObjectName("DispTimer");
  dispTimer_->setInterval(200);
  connect(dispTimer_, &QTimer::timeout, this, &TMainForm::DispTimerTimer);
}

QWidget* TMainForm::BuildNamePanel() {
  auto* panel = Panel("ModellNamePanel", nullptr);
  modellNameEdit_ = new QLineEdit(panel);
  modellNameEdit_->setObjectName("ModellNameEdit");
  modellNameEdit_->setAccessibleName("Modellname");
  modellNameEdit_->setMaxLength(core::kNameLength);
  modellNameEdit_->setFixedWidth(modellNameEdit_->fontMetrics().horizontalAdvance('W') * 13);
  modellDatumLabel_ = Label("ModellDatumLabel", "", panel);
  modellDatumLabel_->setMinimumWidth(
      modellDatumLabel_->fontMetrics().horizontalAdvance("00.00.00   00:00 "));
  nameUebernehmenButton_ = Button("NameUebernehmenButton", "Name übernehmen", panel);
  nameUebernehmenButton_->setEnabled(false);
  // Room for the whole caption in every style (some clip the umlaut caption at its size hint).
  nameUebernehmenButton_->setMinimumWidth(
      nameUebernehmenButton_->sizeHint().width() +
      nameUebernehmenButton_->fontMetrics().horizontalAdvance("  "));
  modelltypLabel_ = Label("ModelltypLabel", "Modelltyp: -.-", panel);
  // One row where there is room; in a narrow window the controls wrap instead of overlapping.
  auto* row = new FlowLayout(panel, 10, 4);
  row->setContentsMargins(2, 2, 2, 6);
  row->addWidget(modellNameEdit_);
  row->addWidget(modellDatumLabel_);
  row->addWidget(nameUebernehmenButton_);
  row->addWidget(modelltypLabel_);
  QSizePolicy policy = panel->sizePolicy();
  policy.setHeightForWidth(true);
  panel->setSizePolicy(policy);
  return panel;
}

QWidget* TMainForm::BuildModellPanel() {
  auto* panel = Panel("ModellPanel", nullptr);
  auto* caption = Label("KommentarPanel", "Kommentar:", panel);
  const QString hint =
      "Frei eingebbarer Kommentar, der den Modellspeicher und seine Geschichte beschreiben soll";
  caption->setToolTip(hint);
  caption->setStatusTip(hint);
  kommentarRichEdit_ = new QPlainTextEdit(panel);
  kommentarRichEdit_->setObjectName("KommentarRichEdit");
  kommentarRichEdit_->setAccessibleName("Kommentar");
  kommentarRichEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  kommentarRichEdit_->setTabChangesFocus(false);
  kommentarRichEdit_->installEventFilter(new CtrlTabMovesFocus(kommentarRichEdit_));
  kommentarRichEdit_->setToolTip(hint);
  kommentarRichEdit_->setStatusTip(hint);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(caption);
  layout->addWidget(kommentarRichEdit_, 1);
  return panel;
}

QWidget* TMainForm::BuildBottomPanel() {
  auto* panel = Panel("BottomPanel", nullptr);
  txButton_ = Button("TxButton", "Senden (PC->FC28)", panel);
  rxButton_ = Button("RxButton", "Empfangen (FC28->PC)", panel);
  exitButton_ = Button("ExitButton", "Exit", panel);
  txButton_->setEnabled(false);
  rxButton_->setEnabled(false);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 4, 0, 4);
  row->addWidget(txButton_);
  row->addWidget(rxButton_);
  row->addStretch();
  row->addWidget(exitButton_);
  return panel;
}

TSpeichernAbfrageForm* TMainForm::SaveQueryForm() {
  if (saveQuery_ == nullptr) {
    ownSaveQuery_ = std::make_unique<TSpeichernAbfrageForm>(this);
    saveQuery_ = ownSaveQuery_.get();
  }
  return saveQuery_;
}

TDateiGeaendertForm* TMainForm::FileChangedForm() {
  if (!fileChanged_) fileChanged_ = std::make_unique<TDateiGeaendertForm>(this);
  return fileChanged_.get();
}

void TMainForm::SetSaveQueryForm(TSpeichernAbfrageForm* form) {
  saveQuery_ = form;
}

int TMainForm::ParameterTabIndex() const {
  return parameterTabBar_->currentIndex();
}

void TMainForm::SetParameterTabIndex(int index) {
  if (index >= 0 && index < parameterTabBar_->count()) parameterTabBar_->setCurrentIndex(index);
  ShowTabPanel();
}

void TMainForm::ShowTabPanel() {
  const int tab = parameterTabBar_->currentIndex();
  parameterPanel_->setVisible(tab == 0);
  modellPanel_->setVisible(tab == 1);
  unterschiedePanel_->setVisible(tab == 2);
}

void TMainForm::AddStep(Step step, std::function<void()> action) {
  steps_.emplace(step, std::move(action));
}

void TMainForm::AddShutdownFiller(std::function<void(core::ShutdownSettings&)> filler) {
  shutdownFillers_.push_back(std::move(filler));
}

void TMainForm::SetTransferPainter(std::function<void(QPainter&, const QRect&)> painter) {
  statusBar_->Panel1()->SetPainter(std::move(painter));
}

void TMainForm::SetTransferDisplayState(std::function<int()> state) {
  transferDisplayState_ = std::move(state);
}

void TMainForm::HostPanel(Page page, QWidget* panel, int stretch) {
  QWidget* host = page == Page::Modellspeicher ? parameterPanel_
                  : page == Page::Kommentar    ? modellPanel_
                                               : unterschiedePanel_;
  panel->setParent(host);
  static_cast<QVBoxLayout*>(host->layout())->addWidget(panel, stretch);
}

bool TMainForm::ChangeImage(core::ModellSpeicherTyp& record,
                            const std::function<int(core::ModellSpeicherTyp&)>& change) {
  store_->History().Begin(record);
  const int result = change(record);
  return CommitImageStep(record, result);
}

bool TMainForm::CommitImageStep(core::ModellSpeicherTyp& record, int result) {
  if (!store_->History().Commit(record)) return false;
  store_->MarkChanged(record, false, true);
  if (&record == store_->GetActive()) {
    UpdateModelltypLabel();
    emit ImageChanged(result == core::kChangedMore);
  }
  return true;
}

void TMainForm::UndoActive() {
  core::ModellSpeicherTyp* active = store_->GetActive();
  if (active == nullptr || !store_->UndoImage(*active)) return;
  UpdateModelltypLabel();
  emit ImageChanged(true);
}

void TMainForm::RedoActive() {
  core::ModellSpeicherTyp* active = store_->GetActive();
  if (active == nullptr || !store_->RedoImage(*active)) return;
  UpdateModelltypLabel();
  emit ImageChanged(true);
}

void TMainForm::UpdateModelltypLabel() {
  modelltypLabel_->setText(QString::fromStdString(core::ModelltypLabelText(store_->GetActive())));
}

void TMainForm::SetTerminateHandler(std::function<void()> terminate) {
  terminate_ = std::move(terminate);
}

}  // namespace app
