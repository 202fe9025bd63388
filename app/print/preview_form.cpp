#include "app/print/preview_form.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHideEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/mainform.h"
#include "app/print/print_render.h"
#include "core/print/page_geometry.h"
#include "core/print/print_menus.h"
#include "core/store/store.h"

namespace app {

namespace {

constexpr char kNoMenu[] = "...";
constexpr char kJobTitle[] = "Modellspeicher FC-28";

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

}  // namespace

TPreviewForm::TPreviewForm(TMainForm& form) : QWidget(&form, Qt::Window), form_(form) {
  setObjectName(QStringLiteral("PreviewForm"));
  setWindowTitle(QStringLiteral("Ausdruck von Modellspeicherdaten"));

  panel_ = new QWidget(this);
  panel_->setObjectName(QStringLiteral("PreviewPanel"));
  panel_->setMinimumSize(100, 100);
  panel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  image_ = new QLabel(panel_);
  image_->setObjectName(QStringLiteral("PreviewImage"));

  auto* buttons = new QWidget(this);
  auto* row = new QHBoxLayout(buttons);
  auto* left = new QGridLayout;
  auto* zurueck = Button(buttons, "ZurueckButton", QStringLiteral("<"));
  auto* weiter = Button(buttons, "WeiterButton", QStringLiteral(">"));
  zurueck->setAccessibleName(QStringLiteral("vorige Seite"));
  weiter->setAccessibleName(QStringLiteral("nächste Seite"));
  auto* ok = Button(buttons, "OkButton", QStringLiteral("Ende"));
  auto* druck = Button(buttons, "DruckButton", QStringLiteral("Drucken"));
  auto* pdf = Button(buttons, "PdfButton", QStringLiteral("PDF speichern …"));
  auto* alle = Button(buttons, "AlleButton", QStringLiteral("alle markieren"));
  auto* keine = Button(buttons, "KeineButton", QStringLiteral("keine markieren"));
  auto* geaendert = Button(buttons, "GeaenderteButton", QStringLiteral("geänderte markieren"));
  left->addWidget(zurueck, 0, 0);
  left->addWidget(weiter, 0, 1);
  left->addWidget(ok, 1, 0, 1, 2);
  left->addWidget(druck, 2, 0, 1, 2);
  left->addWidget(pdf, 3, 0, 1, 2);
  row->addLayout(left);
  auto* marks = new QVBoxLayout;
  marks->addWidget(alle);
  marks->addWidget(keine);
  marks->addWidget(geaendert);
  marks->addStretch();
  row->addLayout(marks);
  auto* grid = new QGridLayout;
  for (int i = 0; i < core::kPreviewBoxes; ++i) {
    auto* box = new QCheckBox(QString::fromLatin1(kNoMenu), buttons);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
    box->setVisible(false);
    grid->addWidget(box, i % 4, i / 4);  // nine columns of four
    connect(box, &QCheckBox::toggled, this, &TPreviewForm::Refresh);
    boxes_[static_cast<std::size_t>(i)] = box;
  }
  row->addLayout(grid, 1);

  status_ = new QStatusBar(this);
  status_->setObjectName(QStringLiteral("PreviewStatusBar"));
  status_->setSizeGripEnabled(false);
  pagePanel_ = new QLabel(status_);
  pagePanel_->setFixedWidth(200);
  messagePanel_ = new QLabel(status_);
  messagePanel_->setMinimumWidth(50);
  status_->addWidget(pagePanel_);
  status_->addWidget(messagePanel_, 1);

  auto* main = new QVBoxLayout(this);
  main->setContentsMargins(0, 0, 0, 0);
  main->setSpacing(0);
  main->addWidget(panel_, 1);
  main->addWidget(buttons);
  main->addWidget(status_);

  connect(zurueck, &QPushButton::clicked, this, &TPreviewForm::ZurueckButtonClick);
  connect(weiter, &QPushButton::clicked, this, &TPreviewForm::WeiterButtonClick);
  connect(ok, &QPushButton::clicked, this, &TPreviewForm::OkButtonClick);
  connect(druck, &QPushButton::clicked, this, &TPreviewForm::DruckButtonClick);
  connect(pdf, &QPushButton::clicked, this, &TPreviewForm::PdfButtonClick);
  connect(alle, &QPushButton::clicked, this, &TPreviewForm::AlleButtonClick);
  connect(keine, &QPushButton::clicked, this, &TPreviewForm::KeineButtonClick);
  connect(geaendert, &QPushButton::clicked, this, &TPreviewForm::GeaenderteButtonClick);
  connect(&form_, &TMainForm::ActiveMemoryChanged, this, &TPreviewForm::FollowMemory);
  connect(&form_, &TMainForm::ImageChanged, this, &TPreviewForm::FollowMemory);
  connect(&form_, &TMainForm::TransmitterVersionChanged, this, &TPreviewForm::FollowMemory);
}

QString TPreviewForm::StatusText() const { return pagePanel_->text(); }
QString TPreviewForm::MessageText() const { return messagePanel_->text(); }

bool TPreviewForm::OpenPreview(const QString& menuCode) {
  if (form_.Store().GetActive() == nullptr) return false;
  suppress_ = false;
  shown_ = false;
  if (const QScreen* screen = form_.screen()) {
    const QRect s = screen->geometry();
    setGeometry(s.left() + 2, s.top() + 2, s.width() - 4, s.height() - 40);
  }
  messagePanel_->clear();
  ShowPageStatus();
  suppress_ = true;  // one build below, not one per box
  FillBoxes();
  SetChecks([&](const QString& code) { return code == menuCode; });
  suppress_ = false;
  show();
  raise();
  activateWindow();
  layout()->activate();  // the panel's size before the first drawing
  Refresh();
  shown_ = true;
  return true;
}

void TPreviewForm::FillBoxes() {
  const auto menus = core::PrintOfferedMenus(form_.Store().GetActive(), form_.TransmitterVersion());
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const bool offered = i < menus.size();
    boxes_[i]->setText(offered ? QString::fromUtf8(menus[i]->Code) : QString::fromLatin1(kNoMenu));
    boxes_[i]->setVisible(offered);
  }
}

void TPreviewForm::SetChecks(const std::function<bool(const QString&)>& checked) {
  for (QCheckBox* box : boxes_) box->setChecked(!box->isHidden() && checked(box->text()));
}

void TPreviewForm::Refresh() {
  if (suppress_) return;
  const auto* mem = form_.Store().GetActive();
  std::vector<std::string> selected;
  for (QCheckBox* box : boxes_)
    if (!box->isHidden() && box->isChecked()) selected.push_back(box->text().toStdString());
  layout_.BuildPrintPages(mem, form_.TransmitterVersion(), [&](std::string_view code) {
    return std::find(selected.begin(), selected.end(), code) != selected.end();
  });
  Render();
}

void TPreviewForm::Render() {
  const core::PageRect r = core::PreviewPicture(panel_->width(), panel_->height());
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w <= 0 || h <= 0) {
    ShowPageStatus();
    return;
  }
  image_->setGeometry(r.left, r.top, w, h);
  QImage picture(w, h, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  RenderPrintPage(painter, layout_, form_.Store().GetActive(), form_.TransmitterVersion(), h);
  painter.end();
  image_->setPixmap(QPixmap::fromImage(picture));
  ShowPageStatus();
}

void TPreviewForm::ShowPageStatus() {
  pagePanel_->setText(QStringLiteral("Seite: %1").arg(layout_.CurrentPage()));
}

void TPreviewForm::FollowMemory() {
  if (!isVisible()) return;
  if (form_.Store().GetActive() == nullptr) {
    OkButtonClick();
    return;
  }
  // Keep the chosen menus where the memory still offers them.
  QStringList checked;
  for (QCheckBox* box : boxes_)
    if (!box->isHidden() && box->isChecked()) checked << box->text();
  suppress_ = true;
  FillBoxes();
  SetChecks([&](const QString& code) { return checked.contains(code); });
  suppress_ = false;
  Refresh();
}

void TPreviewForm::AlleButtonClick() {
  suppress_ = true;
  SetChecks([](const QString&) { return true; });
  suppress_ = false;
  Refresh();
}

void TPreviewForm::KeineButtonClick() {
  suppress_ = true;
  SetChecks([](const QString&) { return false; });
  suppress_ = false;
  Refresh();
}

void TPreviewForm::GeaenderteButtonClick() {
  const auto codes = core::ChangedMenuCodes(form_.Store().GetActive(), form_.TransmitterVersion());
  suppress_ = true;
  SetChecks([&](const QString& code) {
    return std::find(codes.begin(), codes.end(), code.toStdString()) != codes.end();
  });
  suppress_ = false;
  Refresh();
}

void TPreviewForm::WeiterButtonClick() {
  if (layout_.NextPage()) Render();
  ShowPageStatus();
}

void TPreviewForm::ZurueckButtonClick() {
  if (layout_.PreviousPage()) Render();
  ShowPageStatus();
}

void TPreviewForm::OkButtonClick() {
  shown_ = false;
  hide();
}

void TPreviewForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (shown_) Render();
}

void TPreviewForm::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) shown_ = false;  // closed from the title bar as by "Ende"
  QWidget::hideEvent(event);
}

bool TPreviewForm::PrintPages(QPrinter& printer, int from, int to) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const auto* mem = form_.Store().GetActive();
  const int version = form_.TransmitterVersion();
  for (int p = from; p <= to; ++p) {
    if (p > from) printer.newPage();
    layout_.GoToPage(p);
    RenderPrintPage(painter, layout_, mem, version, printer.height());
    ShowPageStatus();
  }
  return painter.end();
}

void TPreviewForm::DruckButtonClick() {
  const int count = layout_.PageCount();
  if (count < 1) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(QString::fromLatin1(kJobTitle));
  printer.setFromTo(1, count);
  QPrintDialog dialog(&printer, this);
  dialog.setMinMax(1, count);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (dialog.exec() != QDialog::Accepted) return;
  int from = printer.fromPage();
  int to = printer.toPage();
  if (printer.printRange() != QPrinter::PageRange || from < 1 || to < from) {
    from = 1;
    to = count;
  }
  PrintPages(printer, from, std::min(to, count));
}

bool TPreviewForm::SavePdf(const QString& path) {
  const QString error = WritePrintPdf(path, layout_, form_.Store().GetActive(), form_.TransmitterVersion());
  const QString name = QFileInfo(path).fileName();
  messagePanel_->setText(error.isEmpty()
                             ? QStringLiteral("PDF gespeichert: %1").arg(name)
                             : QStringLiteral("PDF nicht gespeichert (%1): %2").arg(name, error));
  return error.isEmpty();
}

void TPreviewForm::PdfButtonClick() {
  const auto* mem = form_.Store().GetActive();
  if (mem == nullptr) return;
  QString suggested = QString::fromStdString(mem->fileName);
  if (!suggested.isEmpty()) {
    const QFileInfo info(suggested);
    suggested = info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
  }
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDF speichern"), suggested,
                                                    QStringLiteral("PDF-Dateien (*.pdf)"));
  if (!path.isEmpty()) SavePdf(path);
}

}  // namespace app
