// The comparison page's take-over: values of the listed differences from A into B.

#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <algorithm>

#include "app/compare/compare_page.h"
#include "app/mainform.h"
#include "core/dataops/apply.h"
#include "core/store/store.h"

namespace app {

void ComparePage::BuildTakeOver() {
  uebernehmenButton_ = new QPushButton("Wert übernehmen", this);
  uebernehmenButton_->setObjectName("UebernehmenButton");
  uebernehmenButton_->setToolTip(
      "Die Werte der markierten Zeilen in den aktiven Modellspeicher übernehmen");
  alleUebernehmenButton_ = new QPushButton("Alle übernehmen", this);
  alleUebernehmenButton_->setObjectName("AlleUebernehmenButton");
  alleUebernehmenButton_->setToolTip(
      "Alle aufgelisteten Werte in den aktiven Modellspeicher übernehmen");
  statusLabel_ = new QLabel(this);
  statusLabel_->setObjectName("VergleichStatusLabel");
  statusLabel_->setTextFormat(Qt::PlainText);

  // The same two commands in the table's context menu (also over the fixed columns).
  uebernehmenAction_ = new QAction("Wert übernehmen", this);
  uebernehmenAction_->setObjectName("UebernehmenAction");
  alleUebernehmenAction_ = new QAction("Alle übernehmen", this);
  alleUebernehmenAction_->setObjectName("AlleUebernehmenAction");
  for (QAbstractItemView* view :
       {static_cast<QAbstractItemView*>(grid_), static_cast<QAbstractItemView*>(fixed_)}) {
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->addAction(uebernehmenAction_);
    view->addAction(alleUebernehmenAction_);
  }

  connect(uebernehmenButton_, &QPushButton::clicked, this, &ComparePage::UebernehmenButtonClick);
  connect(uebernehmenAction_, &QAction::triggered, this, &ComparePage::UebernehmenButtonClick);
  connect(alleUebernehmenButton_, &QPushButton::clicked, this,
          &ComparePage::AlleUebernehmenButtonClick);
  connect(alleUebernehmenAction_, &QAction::triggered, this,
          &ComparePage::AlleUebernehmenButtonClick);
  connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ComparePage::UpdateTakeOverControls);
  // Raw bits bypass the parameter rules: nothing is taken over in that mode.
  connect(lowLevelCheckBox_, &QCheckBox::toggled, this, &ComparePage::UpdateTakeOverControls);
}

bool ComparePage::CanTakeOver() const {
  const core::ModelMemoryStore& store = form_.Store();
  return parameterResult_ && !lowLevelCheckBox_->isChecked() && compared_ != nullptr &&
         store.Generation() == comparedGeneration_ && store.GetActive() == compared_ &&
         store.GetPrevious() == comparedA_ && !result_.rows.empty();
}

void ComparePage::UpdateTakeOverControls() {
  if (!uebernehmenButton_) return;  // not built yet
  const bool can = CanTakeOver();
  const bool selected = can && !core::RowsAt(result_, SelectedRows()).empty();
  uebernehmenButton_->setEnabled(selected);
  uebernehmenAction_->setEnabled(selected);
  alleUebernehmenButton_->setEnabled(can);
  alleUebernehmenAction_->setEnabled(can);
}

std::vector<int> ComparePage::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes())
    rows.push_back(index.row());
  return rows;  // RowsAt sorts them into list order, each once
}

void ComparePage::UebernehmenButtonClick() {
  if (CanTakeOver()) TakeOver(core::RowsAt(result_, SelectedRows()));
}

void ComparePage::AlleUebernehmenButtonClick() {
  if (CanTakeOver()) TakeOver(result_.rows);
}

void ComparePage::TakeOver(const std::vector<core::DiffRow>& rows) {
  core::ModelMemoryStore& store = form_.Store();
  core::ModellSpeicherTyp* b = store.GetActive();
  const core::ModellSpeicherTyp* a = store.GetPrevious();
  if (rows.empty() || a == nullptr || b == nullptr) return;
  const int version = form_.TransmitterVersion();
  core::TakeOverOutcome outcome;
  // One undo step of B for the whole press.
  form_.ChangeImage(*b, [&](core::ModellSpeicherTyp& record) {
    outcome = core::TakeOver(*a, record, rows, version);
    return outcome.result;
  });
  // The table shows what still differs.
  const std::string status = core::TakeOverStatusText(outcome.taken, outcome.Differing());
  result_ = std::move(outcome.after);
  compared_ = b;
  comparedA_ = a;
  comparedGeneration_ = store.Generation();
  ShowResult(core::CompareFileName(a), core::CompareFileName(b));
  statusLabel_->setText(QString::fromStdString(status));
  UpdateTakeOverControls();
}

}  // namespace app
