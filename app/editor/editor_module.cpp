#include "app/editor/editor_module.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "app/commands.h"
#include "app/editor/grid_delegate.h"
#include "app/editor/grid_model.h"
#include "app/editor/parameter_grid.h"
#include "app/mainform.h"
#include "core/editor/menutab.h"
#include "core/editor/tabrow.h"
#include "core/model/access.h"
#include "core/model/partab.h"

namespace app {

namespace {

constexpr const char* kNoMemoryCaption = "Kein Modellspeicher gewählt";

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

}  // namespace

EditorModule::EditorModule(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName("EditorModule");
  BuildPanel();
  Connect();
}

EditorModule* EditorModule::Install(TMainForm& form) {
  auto* m = new EditorModule(form);
  form.HostPanel(Page::Modellspeicher, m->panel_, 1);
  form.AddStep(Step::EditorInit, [m] { m->repeat_.ReleaseAll(); });
  form.AddStep(Step::OptionsApplied, [m] { m->BuildMenuTabs(m->MainTabIndex()); });
  return m;
}

void EditorModule::BuildPanel() {
  panel_ = new QWidget;
  panel_->setObjectName("EditorPanel");
  auto* layout = new QVBoxLayout(panel_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  mainTabs_ = new QTabBar(panel_);
  mainTabs_->setObjectName("MainMenuTabControl");
  mainTabs_->setExpanding(false);
  mainTabs_->addTab("System");
  mainTabs_->addTab("Special Mix (SMIX)");
  subTabs_ = new QTabBar(panel_);
  subTabs_->setObjectName("SubMenuTabControl");
  subTabs_->setExpanding(false);
  subTabs_->setUsesScrollButtons(true);
  subTabs_->setElideMode(Qt::ElideNone);
  mainTabs_->setAccessibleName("Menügruppe");
  subTabs_->setAccessibleName("Menü");

  auto* titleRow = new QHBoxLayout;
  title_ = new QLabel(kNoMemoryCaption, panel_);
  title_->setObjectName("MenuNameLabel");
  title_->setTextFormat(Qt::PlainText);
  QFont font = title_->font();
  font.setPixelSize(19);
  title_->setFont(font);
  title_->setMinimumWidth(1);  // a long title is cut, it does not widen the window
  title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  druck_ = MakeButton("DruckButton", "Druck", panel_);
  copy_ = MakeButton("CopyButton", "Copy", panel_);
  reset_ = MakeButton("ResetButton", "Reset", panel_);
  titleRow->addWidget(title_, 1);
  for (QPushButton* b : {druck_, copy_, reset_}) titleRow->addWidget(b);
  // "Druck", "Copy" and "Reset" are "&Daten" / "D&rucken", "&Kopieren" and "&Reset": enabled
  // as those are.
  for (auto [button, cmd] : {std::pair{druck_, Cmd::FktDrucken}, std::pair{copy_, Cmd::FktCopyData},
                             std::pair{reset_, Cmd::FktResetData}}) {
    QAction* action = form_.Action(cmd);
    button->setEnabled(action->isEnabled());
    connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
  }

  gridHost_ = new QWidget(panel_);
  gridHost_->setObjectName("ParameterGridPanel");
  auto* hostLayout = new QVBoxLayout(gridHost_);
  hostLayout->setContentsMargins(0, 0, 0, 0);
  grid_ = new ParameterGrid(gridHost_);
  grid_->setAccessibleName("Parameter");
  hostLayout->addWidget(grid_);

  combo_ = new QComboBox(panel_);  // over the grid, free of its layout
  combo_->setObjectName("ParameterComboBox");
  combo_->setAccessibleName("Wert");
  combo_->setEditable(false);
  combo_->setMaxVisibleItems(20);
  combo_->hide();
  combo_->installEventFilter(this);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const core::StepButtonDef& d = core::kStepButtons[i];
    buttons_[i] = MakeButton(d.objectName, d.caption, panel_);
    buttons_[i]->setFocusPolicy(Qt::NoFocus);
    buttons_[i]->hide();
  }
  buttonTimer_ = new QTimer(this);
  buttonTimer_->setObjectName("ButtonTimer");
  buttonTimer_->setInterval(core::ButtonRepeat::kTickMs);

  layout->addWidget(mainTabs_);
  layout->addWidget(subTabs_);
  layout->addLayout(titleRow);
  layout->addWidget(gridHost_, 1);
}

void EditorModule::Connect() {
  connect(mainTabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (building_) return;
    CloseEditor();
    ForgetEditorCell();
    BuildMenuTabs(Active() ? index : -1);
  });
  connect(subTabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (building_) return;
    CloseEditor();
    ForgetEditorCell();
    FillGrid(index);
  });
  connect(subTabs_, &QTabBar::tabBarClicked, this, [this] { ExplainSelected(); });

  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) OpenIfMoved(current.column(), current.row());
          });
  connect(grid_, &ParameterGrid::Scrolled, this, [this] {
    CloseEditor();
    ForgetEditorCell();
  });
  grid_->viewport()->installEventFilter(this);
  grid_->installEventFilter(this);
  grid_->Model().SetTypedHandler([this](int col, int row) {
    // Commit once the in-place editor has closed (Enter, Tab, a click elsewhere).
    QMetaObject::invokeMethod(
        this, [this, col, row] { CommitTyped(col, row); }, Qt::QueuedConnection);
  });

  connect(combo_, &QComboBox::textActivated, this, [this](const QString& text) {
    ApplyCellText(editorCol_, editorRow_, text.toStdString());
  });

  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const core::StepButton b = core::kStepButtons[i].id;
    connect(buttons_[i], &QPushButton::pressed, this, [this, b] { ButtonPressed(b); });
    connect(buttons_[i], &QPushButton::released, this, [this, b] { ButtonReleased(b); });
    connect(buttons_[i], &QPushButton::clicked, this, [this, b] { StepButtonClick(b); });
  }
  connect(buttonTimer_, &QTimer::timeout, this, [this] { ButtonTimerTick(); });

  connect(&form_, &TMainForm::ActiveMemoryChanged, this, [this] {
    HideControls();
    ForgetEditorCell();
    BuildMenuTabs(MainTabIndex());
    UpdateUndoActions();
  });
  connect(&form_, &TMainForm::CloseEditorRequested, this, [this] { CloseEditor(); });
  connect(&form_, &TMainForm::ImageChanged, this, [this](bool) {
    if (!ownChange_) ImageChangedElsewhere();
    UpdateUndoActions();
  });
  connect(&form_, &TMainForm::OptionsChanged, this, [this] {
    CloseEditor();
    ForgetEditorCell();
    FillGrid(subTabs_->currentIndex());
  });
  connect(&form_, &TMainForm::TransmitterVersionChanged, this, [this] {
    CloseEditor();
    ForgetEditorCell();
    FillGrid(subTabs_->currentIndex());
  });
  connect(&form_, &TMainForm::ShowParameterRequested, this,
          [this](int address, int bit) { ShowParameter(address, bit); });

  // Undo and redo drop a typed text that was not committed; the page refreshes on ImageChanged.
  connect(form_.Action(Cmd::FktRueckgaengig), &QAction::triggered, this, [this] {
    HideControls();
    form_.UndoActive();
    UpdateUndoActions();
  });
  connect(form_.Action(Cmd::FktWiederherstellen), &QAction::triggered, this, [this] {
    HideControls();
    form_.RedoActive();
    UpdateUndoActions();
  });
  UpdateUndoActions();
}

int EditorModule::Version() const {
  return form_.TransmitterVersion();
}

core::ModellSpeicherTyp* EditorModule::Active() const {
  return form_.Store().GetActive();
}

std::string EditorModule::SelectedCode() const {
  const int i = subTabs_->currentIndex();
  return i < 0 ? std::string() : subTabs_->tabText(i).toStdString();
}

int EditorModule::MainTabIndex() const {
  return Active() ? mainTabs_->currentIndex() : -1;
}

QPushButton* EditorModule::Button(core::StepButton b) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (core::kStepButtons[i].id == b) return buttons_[i];
  return nullptr;
}

void EditorModule::BuildMenuTabs(int mainTab) {
  RebuildTabs(mainTab, SelectedCode());
}

void EditorModule::RebuildTabs(int mainTab, const std::string& remembered) {
  building_ = true;
  const int previous = subTabs_->currentIndex();
  while (subTabs_->count() > 0) subTabs_->removeTab(subTabs_->count() - 1);
  subTabs_->setFocusPolicy(Qt::NoFocus);  // an empty row is no stop for the Tab key
  if (mainTab < 0) {
    building_ = false;
    HideControls();
    ForgetEditorCell();
    title_->setText(kNoMemoryCaption);
    grid_->Refill(core::GridFill{});
    form_.RequestExplanation(QString());
    return;
  }
  const core::MenuTabRow row =
      core::BuildMenuTabRow(mainTab, Active(), Version(), remembered, previous);
  for (const std::string& caption : row.captions) subTabs_->addTab(QString::fromStdString(caption));
  if (subTabs_->count() > 0) subTabs_->setFocusPolicy(Qt::TabFocus);
  subTabs_->setCurrentIndex(row.selected);
  building_ = false;
  FillGrid(row.selected);
  ExplainSelected();
}

void EditorModule::FillGrid(int subTab) {
  const int index = subTab < 0 ? 0 : subTab;
  const std::string code = index < subTabs_->count() ? subTabs_->tabText(index).toStdString() : "";
  core::GridFill fill = core::FillGrid(code, Active(), Version(),
                                       {form_.Action(Cmd::FktAlleFlugzustaende)->isChecked(),
                                        form_.Action(Cmd::FktDefaultwerte)->isChecked()});
  title_->setText(QString::fromStdString(fill.title));
  if (fill.menu == nullptr) return;  // no menu of that code: the grid stays as it is
  HideControls();
  grid_->Delegate().SetEditorCell(-1, -1);
  grid_->Refill(std::move(fill));
}

void EditorModule::HideControls() {
  combo_->hide();
  for (QPushButton* b : buttons_) b->hide();
  if (repeat_.AnyHeld()) {
    repeat_.ReleaseAll();
    buttonTimer_->stop();
  }
  EndRun();
  grid_->Delegate().SetEditorCell(-1, -1);
}

void EditorModule::OpenEditor(int col, int row) {
  editorCol_ = col, editorRow_ = row;
  grid_->Delegate().SetEditorCell(col, row);
  grid_->viewport()->update();
  const core::GridFill& g = grid_->Fill();
  const core::ModellSpeicherTyp* mem = Active();
  const QRect cell = grid_->CellRect(col, row);
  // The controls belong to the page, so buttons above the top row may cover the title.
  const QPoint topLeft = grid_->viewport()->mapTo(panel_, cell.topLeft());
  switch (core::EditorKindOf(g, col, row, mem, Version())) {
    case core::EditorKind::List: {
      const core::ListChoice list = core::CellValueList(g, col, row, mem, Version());
      const QSignalBlocker block(combo_);
      combo_->clear();
      for (const std::string& item : list.items) combo_->addItem(QString::fromStdString(item));
      combo_->setCurrentIndex(list.selected);
      combo_->setGeometry(topLeft.x(), topLeft.y(), cell.width() + 4, combo_->sizeHint().height());
      combo_->show();
      combo_->raise();
      // A click drops the list down; moving with the keys leaves the focus in the grid, so
      // the arrows go on moving instead of changing values (F4, Alt+Down or Space open it).
      if (mouseOpen_) {
        combo_->setFocus();
        combo_->showPopup();
      }
      break;
    }
    case core::EditorKind::Buttons: {
      const int mask = core::ButtonMask(g, col, row, mem, Version());
      for (QPushButton* b : buttons_) b->hide();
      for (const core::ButtonPlace& p :
           core::PlaceStepButtons(mask, topLeft.x(), topLeft.y(), cell.height(), row == 0)) {
        QPushButton* b = Button(p.id);
        b->setGeometry(p.left, p.top, p.width, p.height);
        b->show();
        b->raise();
      }
      break;
    }
    case core::EditorKind::None:
    case core::EditorKind::Text:
      break;
  }
}

void EditorModule::CloseEditor() {
  HideControls();
  const core::GridFill& g = grid_->Fill();
  if (!g.IsDataCell(editorCol_, editorRow_)) return;
  const std::string text = g.Text(editorCol_, editorRow_);
  // Only a typed text is stored: the shown text of an untouched cell may be rounded (a value
  // of a quarter step shows as a whole number) and must not be written back over the value.
  const core::LayoutCell* cell = g.LayoutCellAt(editorCol_, editorRow_);
  if (cell && text == core::GetParameterText(cell->Address, cell->Bit, Active(), Version())) return;
  ApplyCellText(editorCol_, editorRow_,
                core::NormalizeCellText(g, editorCol_, editorRow_, text, Active(), Version()));
}

int EditorModule::ApplyCellText(int col, int row, const std::string& text) {
  core::ModellSpeicherTyp* rec = Active();
  const core::GridFill& g = grid_->Fill();
  if (rec == nullptr || !g.Contains(col, row)) return 0;
  core::ApplyOutcome outcome;
  ownChange_ = true;
  form_.ChangeImage(*rec, [&](core::ModellSpeicherTyp& r) {
    outcome = core::ApplyCellText(g, col, row, text, &r, Version());
    return outcome.result;
  });
  ownChange_ = false;
  grid_->Model().SetCellText(col, row, outcome.cellText);
  AfterEdit(outcome.result, true);
  ExplainSelected();
  return outcome.result;
}

void EditorModule::StepButtonClick(core::StepButton b) {
  core::ModellSpeicherTyp* rec = Active();
  const core::GridFill& g = grid_->Fill();
  if (rec == nullptr || !g.IsDataCell(editorCol_, editorRow_)) return;
  const int col = editorCol_, row = editorRow_;
  const bool setsValue =
      b == core::StepButton::Zero || b == core::StepButton::Fifty || b == core::StepButton::Hundred;
  core::ApplyOutcome outcome;
  if (runRecord_ == rec) {
    // Inside a held button's run: one undo step for the whole run, committed at its end.
    outcome = core::StepCell(g, col, row, b, rec, Version());
    runResult_ = std::max(runResult_, outcome.result);
  } else {
    ownChange_ = true;
    form_.ChangeImage(*rec, [&](core::ModellSpeicherTyp& r) {
      outcome = core::StepCell(g, col, row, b, &r, Version());
      return outcome.result;
    });
    ownChange_ = false;
  }
  if (setsValue || outcome.result != core::kUnchanged)
    grid_->Model().SetCellText(col, row, outcome.cellText);
  AfterEdit(outcome.result, setsValue);
  if (setsValue || core::StepShowsExplanation(b)) ExplainSelected();
  if (!repeat_.AnyHeld()) EndRun();  // the click after the release ends the run
  UpdateUndoActions();
}

void EditorModule::AfterEdit(int result, bool rebuildTabs) {
  if (result != core::kChangedMore) return;
  CloseEditor();
  if (rebuildTabs)
    BuildMenuTabs(MainTabIndex());
  else
    FillGrid(subTabs_->currentIndex());
  const QPoint current = grid_->CurrentCell();
  if (current.x() >= 0) OpenEditor(current.x(), current.y());
}

void EditorModule::ButtonPressed(core::StepButton b) {
  if (!core::ButtonRepeat::Repeats(b)) return;
  if (!repeat_.AnyHeld() && runRecord_ == nullptr && Active() != nullptr) {
    runRecord_ = Active();
    runResult_ = core::kUnchanged;
    form_.Store().History().Begin(*runRecord_);  // the whole run, click included, is one undo step
  }
  repeat_.Press(b);
  if (!buttonTimer_->isActive()) buttonTimer_->start();
}

void EditorModule::ButtonReleased(core::StepButton b) {
  if (!core::ButtonRepeat::Repeats(b)) return;
  repeat_.Release(b);
  if (repeat_.AnyHeld()) return;
  buttonTimer_->stop();  // an idle program stays idle
  // The click that follows the release still belongs to the run.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!repeat_.AnyHeld()) EndRun();
      },
      Qt::QueuedConnection);
}

void EditorModule::EndRun() {
  if (runRecord_ == nullptr) return;
  core::ModellSpeicherTyp* rec = runRecord_;
  runRecord_ = nullptr;
  ownChange_ = true;
  form_.CommitImageStep(*rec, runResult_);
  ownChange_ = false;
  UpdateUndoActions();
}

void EditorModule::ButtonTimerTick() {
  for (core::StepButton b : repeat_.Tick()) StepButtonClick(b);
  if (!repeat_.AnyHeld()) buttonTimer_->stop();
}

void EditorModule::OpenIfMoved(int col, int row) {
  if (col == editorCol_ && row == editorRow_) return;
  CloseEditor();
  OpenEditor(col, row);
}

void EditorModule::CommitTyped(int col, int row) {
  if (col != editorCol_ || row != editorRow_) return;  // already committed by moving away
  CloseEditor();
  const QPoint current = grid_->CurrentCell();
  if (current.x() >= 0) OpenEditor(current.x(), current.y());
}

void EditorModule::ImageChangedElsewhere() {
  HideControls();
  const QPoint current = grid_->CurrentCell();
  BuildMenuTabs(MainTabIndex());
  if (grid_->Fill().IsDataCell(current.x(), current.y())) {
    grid_->SetCurrentCell(current.x(), current.y());
    OpenEditor(current.x(), current.y());
  } else {
    ForgetEditorCell();
  }
}

void EditorModule::ExplainSelected() {
  form_.RequestExplanation(QString::fromStdString(SelectedCode()));
}

void EditorModule::ShowParameter(int address, int bit) {
  core::ModellSpeicherTyp* rec = Active();
  const int k = core::FindParameter(address, bit, rec, Version());
  if (k == 0) return;
  const core::MdlMenuTyp* menu = core::FindMenu(core::ParamDef(k).menu);
  if (menu == nullptr) return;
  CloseEditor();
  ForgetEditorCell();
  building_ = true;
  mainTabs_->setCurrentIndex(core::IsSystemMenu(*menu) ? 0 : 1);
  building_ = false;
  RebuildTabs(MainTabIndex(), menu->Code);
  if (SelectedCode() != menu->Code) return;
  const core::GridFill& g = grid_->Fill();
  for (int row = g.fixedRows; row < g.rows; ++row)
    for (int col = g.fixedCols; col < g.cols; ++col)
      if (const core::LayoutCell* c = g.LayoutCellAt(col, row);
          c && c->Address == address && (bit < 0 || c->Bit == bit)) {
        grid_->SetCurrentCell(col, row);
        grid_->setFocus();
        return;
      }
}

void EditorModule::UpdateUndoActions() {
  core::ModellSpeicherTyp* rec = Active();
  form_.Action(Cmd::FktRueckgaengig)->setEnabled(form_.Store().History().CanUndo(rec));
  form_.Action(Cmd::FktWiederherstellen)->setEnabled(form_.Store().History().CanRedo(rec));
}

bool EditorModule::eventFilter(QObject* watched, QEvent* event) {
  // The controls lie on the page over the cell: when the grid moves or resizes (the window is
  // laid out anew, the strip below shows up), they follow their cell.
  if (watched == grid_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          const bool shown = combo_->isVisible() ||
                             std::any_of(buttons_.begin(), buttons_.end(),
                                         [](const QPushButton* b) { return b->isVisible(); });
          if (shown && editorCol_ >= 0 && editorRow_ >= 0) OpenEditor(editorCol_, editorRow_);
        },
        Qt::QueuedConnection);
  }
  if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
    mouseOpen_ = true;
    QMetaObject::invokeMethod(
        this, [this] { mouseOpen_ = false; }, Qt::QueuedConnection);
  }
  if (watched == grid_ && event->type() == QEvent::KeyPress && combo_->isVisible()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F4 || key->key() == Qt::Key_Space ||
        (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier))) {
      combo_->setFocus();
      combo_->showPopup();
      return true;
    }
  }
  if (watched == combo_ && event->type() == QEvent::KeyPress && combo_->isVisible()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Right || key == Qt::Key_Left) {
      const core::GridFill& g = grid_->Fill();
      const QPoint current = grid_->CurrentCell();
      int col = current.x();
      if (key == Qt::Key_Right && col < g.cols - 1) ++col;
      if (key == Qt::Key_Left && col > g.fixedCols) --col;
      grid_->setFocus();
      grid_->SetCurrentCell(col, current.y());  // opens the editor there
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace app
