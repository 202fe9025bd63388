#pragma once

#include <QGroupBox>
#include <QString>
#include <array>
#include <vector>

#include "core/dataops/datamenus.h"

class QCheckBox;
class QLabel;
class QStatusBar;
class QTimer;

namespace app {

class TMainForm;

/// "Funktionen" of the copy and reset dialogs: 36 boxes CheckBox1..CheckBox36 in three columns
/// of 12, one per offered menu, with "alle markieren" and "keine markieren".
class FunctionBoxes : public QGroupBox {
  Q_OBJECT

 public:
  explicit FunctionBoxes(QWidget* parent);

  /// Captions from the offered menus; the box of the menu on screen checked, all others not.
  void Fill(int typeMask, int version, const QString& selectedTab);
  /// "alle markieren": every shown box checked, every hidden one not.
  void MarkAllButtonClick();
  /// "keine markieren".
  void MarkNoneButtonClick();
  /// Ids of the menus whose boxes are checked and shown, in box order.
  std::vector<int> CheckedMenus() const;

  QCheckBox* Box(int i) const { return boxes_[static_cast<std::size_t>(i)]; }

 private:
  std::array<QCheckBox*, core::kFunctionBoxCount> boxes_{};
};

/// Caption of the main window's selected sub-menu tab, empty when there is none.
QString SelectedSubMenuTab(const TMainForm& form);

/// The status line of both dialogs: a message that a 1000 ms timer clears on its fourth tick.
class StatusCounter : public QObject {
  Q_OBJECT

 public:
  StatusCounter(QStatusBar* bar, QTimer* timer);
  /// Shows text and restarts the count.
  void Show(const QString& text);
  /// Idle again (counter 10) with an empty text, as at every show of the dialog.
  void Reset();
  /// One tick: counts up to 10 and clears the text when the count reaches 4.
  void Tick();
  int Counter() const { return counter_; }

 private:
  QStatusBar* bar_;
  int counter_ = 10;
};

}  // namespace app
