#include "app/main_status_bar.h"

#include <QLabel>
#include <QPainter>

namespace app {

DrawnPanel::DrawnPanel(int width, QWidget* parent) : QWidget(parent) {
  setFixedWidth(width);
  setMinimumHeight(16);
}

void DrawnPanel::SetFill(const QColor& colour) {
  fill_ = colour;
  update();
}

void DrawnPanel::SetPainter(std::function<void(QPainter&, const QRect&)> painter) {
  painter_ = std::move(painter);
  update();
}

void DrawnPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (fill_.isValid()) p.fillRect(rect(), fill_);
  if (painter_) painter_(p, rect());
}

namespace {

QLabel* TextPanel(int width, const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  if (width > 0) label->setFixedWidth(width);
  label->setFrameShape(QFrame::StyledPanel);
  label->setFrameShadow(QFrame::Sunken);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName("MainStatusBar");
  setSizeGripEnabled(true);
  panel0_ = new DrawnPanel(19, this);
  panel0_->setObjectName("StatusPanel0");
  panel1_ = new DrawnPanel(200, this);
  panel1_->setObjectName("StatusPanel1");
  panel2_ = TextPanel(400, "StatusPanel2", this);
  panel3_ = TextPanel(50, "StatusPanel3", this);
  failure_ = TextPanel(0, "WriteFailureLabel", this);
  failure_->setStyleSheet("color: rgb(192, 0, 0); font-weight: bold;");
  failure_->hide();
  note_ = TextPanel(0, "NoteLabel", this);
  note_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  note_->hide();
  hint_ = new QLabel(this);
  hint_->setObjectName("HintLabel");
  hint_->setTextFormat(Qt::PlainText);
  // Texts of any length never widen the window; a narrow window clips the panels instead.
  hint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  failure_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  setMinimumWidth(1);
  addWidget(panel0_);
  addWidget(panel1_);
  addWidget(panel2_);
  addWidget(panel3_);
  addWidget(failure_);
  addWidget(note_);
  addWidget(hint_, 1);
}

QString MainStatusBar::PanelText(int index) const {
  if (index == 2) return panel2_->text();
  if (index == 3) return panel3_->text();
  return {};
}

void MainStatusBar::SetPanelText(int index, const QString& text) {
  QLabel* label = index == 2 ? panel2_ : index == 3 ? panel3_ : nullptr;
  if (label != nullptr && label->text() != text) label->setText(text);
}

void MainStatusBar::SetFailureText(const QString& text) {
  failure_->setText(text);
  failure_->setVisible(!text.isEmpty());
}

QString MainStatusBar::FailureText() const {
  return failure_->text();
}

void MainStatusBar::SetNoteText(const QString& text) {
  note_->setText(text);
  note_->setVisible(!text.isEmpty());
}

QString MainStatusBar::NoteText() const {
  return note_->text();
}

void MainStatusBar::SetHintText(const QString& text) {
  hint_->setText(text);
}

}  // namespace app
