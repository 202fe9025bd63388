#include "app/compare/compare_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/mainform.h"
#include "core/editor/condition_colour.h"
#include "core/store/store.h"

namespace app {

namespace {

// The grid's flight condition colours, as the explanations draw them.
QColor ConditionColour(int condition) {
  const core::ConditionRgb c = core::ConditionColour(condition);
  return QColor(c.r, c.g, c.b);
}

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

ComparePage* ComparePage::Install(TMainForm& form) {
  auto* page = new ComparePage(form);
  form.HostPanel(Page::Vergleich, page, 1);
  form.AddStep(Step::ComparisonInit, [page] {
    page->ClearResult();
    page->UpdateLabels();
  });
  connect(&form, &TMainForm::ActiveMemoryChanged, page, &ComparePage::UpdateLabels);
  return page;
}

ComparePage::ComparePage(TMainForm& form) : form_(form) {
  setObjectName("ComparePage");
  letztMemLabel_ = new QLabel("-.-", this);
  letztMemLabel_->setObjectName("LetztMemLabel");
  aktMemLabel_ = new QLabel("-.-", this);
  aktMemLabel_->setObjectName("AktMemLabel");
  for (QLabel* l : {letztMemLabel_, aktMemLabel_}) l->setTextFormat(Qt::PlainText);
  compareButton_ = new QPushButton("Vergleichen", this);
  compareButton_->setObjectName("CompareButton");
  lowLevelCheckBox_ = new QCheckBox("Low Level", this);
  lowLevelCheckBox_->setObjectName("LowLevelCheckBox");
  diffToKommButton_ = new QPushButton("an Kommentar anhängen", this);
  diffToKommButton_->setObjectName("DiffToKommButton");
  diffListBox_ = new QListWidget(this);
  diffListBox_->setObjectName("DiffListBox");
  diffListBox_->setAccessibleName("Unterschiede als Text");
  diffListBox_->hide();

  grid_ = new QTableWidget(0, core::kDiffColumns, this);
  grid_->setObjectName("DiffStringGrid");
  grid_->setAccessibleName("Unterschiede");
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);  // rows to take over
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(core::kDiffRowHeight);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid_->horizontalHeader()->setMinimumSectionSize(1);
  for (int c = 0; c < core::kDiffColumns; ++c) grid_->setColumnWidth(c, core::kDiffColumnWidths[c]);
  grid_->setWordWrap(false);
  BuildFixedColumns();
  BuildTakeOver();

  // The labels hold whole paths: a row of their own, so the buttons keep their place.
  auto* labels = new QHBoxLayout;
  labels->addWidget(letztMemLabel_);
  labels->addWidget(aktMemLabel_);
  labels->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(compareButton_);
  buttons->addWidget(lowLevelCheckBox_);
  buttons->addWidget(diffToKommButton_);
  buttons->addWidget(uebernehmenButton_);
  buttons->addWidget(alleUebernehmenButton_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(labels);
  layout->addLayout(buttons);
  layout->addWidget(grid_, 1);
  layout->addWidget(statusLabel_);
  layout->addWidget(diffListBox_);

  connect(compareButton_, &QPushButton::clicked, this, &ComparePage::CompareButtonClick);
  connect(diffToKommButton_, &QPushButton::clicked, this, &ComparePage::DiffToKommButtonClick);
  connect(grid_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { DiffStringGridDblClick(row); });
  ClearResult();
  UpdateLabels();
}

// A second view of the same rows over the grid's left edge, showing only the fixed columns.
void ComparePage::BuildFixedColumns() {
  fixed_ = new QTableView(grid_);
  fixed_->setObjectName("DiffFixedColumns");
  fixed_->setModel(grid_->model());
  fixed_->setSelectionModel(grid_->selectionModel());
  fixed_->setSelectionBehavior(QAbstractItemView::SelectRows);
  fixed_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fixed_->setFocusPolicy(Qt::NoFocus);
  fixed_->setFrameShape(QFrame::NoFrame);
  fixed_->setWordWrap(false);
  fixed_->verticalHeader()->hide();
  fixed_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  fixed_->verticalHeader()->setDefaultSectionSize(core::kDiffRowHeight);
  fixed_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  fixed_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  fixed_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  fixed_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int c = 0; c < core::kDiffColumns; ++c) {
    fixed_->setColumnWidth(c, core::kDiffColumnWidths[c]);
    fixed_->setColumnHidden(c, c >= core::kDiffFixedColumns);
  }
  QPalette palette = fixed_->palette();  // fixed cells in the button face colour
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  fixed_->setPalette(palette);
  connect(fixed_->verticalScrollBar(), &QScrollBar::valueChanged, grid_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, fixed_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(fixed_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { DiffStringGridDblClick(index.row()); });
  grid_->installEventFilter(this);
  PlaceFixedColumns();
}

void ComparePage::PlaceFixedColumns() {
  int width = 0;
  for (int c = 0; c < core::kDiffFixedColumns; ++c) width += grid_->columnWidth(c);
  fixed_->setGeometry(grid_->frameWidth(), grid_->frameWidth(), width,
                      grid_->viewport()->height() + grid_->horizontalHeader()->height());
}

bool ComparePage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ &&
      (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
    PlaceFixedColumns();
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      UebernehmenButtonClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ComparePage::UpdateLabels() {
  const core::ModelMemoryStore& store = form_.Store();
  letztMemLabel_->setText(Q(core::LetztMemLabelText(store)));
  aktMemLabel_->setText(Q(core::AktMemLabelText(store)));
  // Nothing to compare without both memories.
  compareButton_->setEnabled(store.GetPrevious() != nullptr && store.GetActive() != nullptr);
  UpdateTakeOverControls();
}

void ComparePage::ClearResult() {
  result_ = {};
  compared_ = comparedA_ = nullptr;
  statusLabel_->clear();
  ShowResult("---", "---");
  UpdateTakeOverControls();
}

void ComparePage::ShowResult(const std::string& nameA, const std::string& nameB) {
  QStringList header;
  for (const std::string& h : core::DiffHeader(nameA, nameB)) header << Q(h);
  grid_->setUpdatesEnabled(false);
  grid_->clearSelection();  // a new result: the marked rows meant others
  grid_->clearContents();
  // Row 0 of the table is the header; 50 rows in all, more when the result needs them.
  const int rows =
      std::max<int>(core::kDiffInitialRowCount - 1, static_cast<int>(result_.rows.size()));
  grid_->setRowCount(rows);
  grid_->setHorizontalHeaderLabels(header);
  for (int r = 0; r < static_cast<int>(result_.rows.size()); ++r) {
    const core::DiffRow& row = result_.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < core::kDiffColumns; ++c) {
      if (row.cells[static_cast<std::size_t>(c)].empty()) continue;
      auto* item = new QTableWidgetItem(Q(row.cells[static_cast<std::size_t>(c)]));
      if (c == 0 && row.condition >= 0) item->setForeground(ConditionColour(row.condition));
      grid_->setItem(r, c, item);
    }
  }
  grid_->setUpdatesEnabled(true);
  diffListBox_->clear();
  for (const std::string& line : result_.lines) diffListBox_->addItem(Q(line));
}

void ComparePage::CompareButtonClick() {
  core::ModelMemoryStore& store = form_.Store();
  const core::ModellSpeicherTyp* a = store.GetPrevious();
  const core::ModellSpeicherTyp* b = store.GetActive();
  if (a == nullptr || b == nullptr) return;
  const std::string nameA = core::CompareFileName(a), nameB = core::CompareFileName(b);
  parameterResult_ = !lowLevelCheckBox_->isChecked();
  result_ = parameterResult_
                ? core::CompareParameters(*a, *b, nameA, nameB, form_.TransmitterVersion())
                : core::CompareRaw(*a, *b, nameA, nameB, form_.TransmitterVersion());
  compared_ = b;
  comparedA_ = a;
  comparedGeneration_ = store.Generation();
  statusLabel_->clear();
  ShowResult(nameA, nameB);
  UpdateTakeOverControls();
}

void ComparePage::DiffToKommButtonClick() {
  QPlainTextEdit* comment = form_.KommentarRichEdit();
  for (int i = 0; i < diffListBox_->count(); ++i)
    comment->appendPlainText(diffListBox_->item(i)->text());
  form_.CommentEdited();
}

void ComparePage::DiffStringGridDblClick(int row) {
  if (!parameterResult_ || row < 0 || row >= static_cast<int>(result_.rows.size())) return;
  const core::ModelMemoryStore& store = form_.Store();
  // Only while B is the memory on screen: the address means nothing in another one.
  if (compared_ == nullptr || store.Generation() != comparedGeneration_ ||
      store.GetActive() != compared_)
    return;
  const core::DiffRow& r = result_.rows[static_cast<std::size_t>(row)];
  form_.SetParameterTabIndex(0);
  form_.RequestShowParameter(r.address, r.bit);
}

}  // namespace app
