#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "core/print/print_pages.h"

class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;
class QStatusBar;

namespace app {

class TMainForm;

/// "Ausdruck von Modellspeicherdaten": the printed pages of the active memory one at a time,
/// the choice of menus to print, page turning, printing and saving as PDF. Modeless.
class TPreviewForm : public QWidget {
  Q_OBJECT

 public:
  explicit TPreviewForm(TMainForm& form);

  /// Shows the window for the active memory with only `menuCode` checked (the menu on screen);
  /// false, and nothing opens, while no memory is active.
  bool OpenPreview(const QString& menuCode);

  core::PrintLayout& Layout() { return layout_; }
  QCheckBox* Box(int i) const { return boxes_[static_cast<std::size_t>(i)]; }  ///< 0..35
  QString StatusText() const;   ///< first status panel
  QString MessageText() const;  ///< second status panel

  /// Prints pages from..to onto the printer, a new printer page before all but the first.
  bool PrintPages(QPrinter& printer, int from, int to);
  /// Writes every page to a PDF at path; shows the result in the status bar. True on success.
  bool SavePdf(const QString& path);

 public slots:
  void Refresh();
  void AlleButtonClick();
  void KeineButtonClick();
  void GeaenderteButtonClick();
  void WeiterButtonClick();
  void ZurueckButtonClick();
  void OkButtonClick();
  void DruckButtonClick();
  void PdfButtonClick();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void FillBoxes();
  void SetChecks(const std::function<bool(const QString&)>& checked);
  void Render();
  void ShowPageStatus();
  void FollowMemory();

  TMainForm& form_;
  core::PrintLayout layout_;
  bool suppress_ = false;
  bool shown_ = false;
  QWidget* panel_ = nullptr;
  QLabel* image_ = nullptr;
  std::array<QCheckBox*, 36> boxes_{};
  QStatusBar* status_ = nullptr;
  QLabel* pagePanel_ = nullptr;
  QLabel* messagePanel_ = nullptr;
};

}  // namespace app
