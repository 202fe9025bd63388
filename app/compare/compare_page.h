#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "core/editor/compare.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;
class QTableWidget;

namespace app {

class TMainForm;

/// The "Vergleich" page: compares the previous memory (A) with the active one (B), value by
/// value or bit by bit, appends the difference lines to the comment on request, and takes
/// values of a value-by-value comparison over from A into B.
class ComparePage : public QWidget {
  Q_OBJECT

 public:
  /// Builds the page and hosts it in the window's "Vergleich" page.
  static ComparePage* Install(TMainForm& form);

  /// "Vergleichen": the raw comparison when "Low Level" is ticked, else the parameter one.
  void CompareButtonClick();
  /// "an Kommentar anhängen": every difference line onto the comment box, then CommentEdited.
  void DiffToKommButtonClick();
  /// A double-click on a row of a parameter comparison shows that value in the editor.
  void DiffStringGridDblClick(int row);
  /// "Wert übernehmen" (also the context menu and Enter): the selected rows from A into B.
  void UebernehmenButtonClick();
  /// "Alle übernehmen": every listed difference from A into B, in list order.
  void AlleUebernehmenButtonClick();
  /// Header with "---" for both memories and an empty table, as before the first comparison.
  void ClearResult();

  const core::CompareResult& Result() const { return result_; }
  QTableWidget* Grid() const { return grid_; }
  /// The three fixed columns, which stay in place when the table scrolls sideways.
  QTableView* FixedColumns() const { return fixed_; }
  QLabel* StatusLabel() const { return statusLabel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit ComparePage(TMainForm& form);
  void UpdateLabels();
  void ShowResult(const std::string& nameA, const std::string& nameB);
  void BuildFixedColumns();
  void PlaceFixedColumns();
  void BuildTakeOver();
  /// The shown rows still belong to A and B of the store, compared value by value.
  bool CanTakeOver() const;
  void UpdateTakeOverControls();
  std::vector<int> SelectedRows() const;
  void TakeOver(const std::vector<core::DiffRow>& rows);

  TMainForm& form_;
  QLabel* letztMemLabel_ = nullptr;
  QLabel* aktMemLabel_ = nullptr;
  QPushButton* compareButton_ = nullptr;
  QCheckBox* lowLevelCheckBox_ = nullptr;
  QPushButton* diffToKommButton_ = nullptr;
  QListWidget* diffListBox_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QTableView* fixed_ = nullptr;
  QPushButton* uebernehmenButton_ = nullptr;
  QPushButton* alleUebernehmenButton_ = nullptr;
  QAction* uebernehmenAction_ = nullptr;
  QAction* alleUebernehmenAction_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  core::CompareResult result_;
  bool parameterResult_ = false;                        // the rows name parameters (not raw bytes)
  const core::ModellSpeicherTyp* compared_ = nullptr;   // B of the last comparison
  const core::ModellSpeicherTyp* comparedA_ = nullptr;  // and its A
  std::uint64_t comparedGeneration_ = 0;                // the store's generation B belonged to
};

}  // namespace app
