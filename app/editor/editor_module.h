#pragma once

#include <QObject>
#include <QPoint>
#include <array>
#include <string>

#include "core/editor/valueedit.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTimer;
class QWidget;

namespace app {

class ParameterGrid;
class TMainForm;

/// The parameter page "Modellspeicher": main and sub-menu tab rows, the menu title with its
/// buttons, the parameter grid and its value editing controls. Decisions live in core/editor;
/// this module renders them and forwards the user's events.
class EditorModule : public QObject {
  Q_OBJECT

 public:
  static EditorModule* Install(TMainForm& form);

  // The operations of the page (also driven by tests).
  void BuildMenuTabs(int mainTab);
  void FillGrid(int subTab);
  void OpenEditor(int col, int row);
  void CloseEditor();
  void ForgetEditorCell() { editorCol_ = editorRow_ = -1; }
  QPoint EditorCell() const { return {editorCol_, editorRow_}; }
  /// Stores a display text into a grid cell's value as one undo step; the apply result.
  int ApplyCellText(int col, int row, const std::string& text);
  /// One step of a button on the editor cell.
  void StepButtonClick(core::StepButton b);
  /// One tick of `ButtonTimer`.
  void ButtonTimerTick();
  /// Selects the menu of a value and puts the grid's current cell on it.
  void ShowParameter(int address, int bit);

  QWidget* Panel() const { return panel_; }
  ParameterGrid* Grid() const { return grid_; }
  QTabBar* MainTabs() const { return mainTabs_; }
  QTabBar* SubTabs() const { return subTabs_; }
  QPushButton* Button(core::StepButton b) const;
  QTimer* ButtonTimer() const { return buttonTimer_; }

 private:
  explicit EditorModule(TMainForm& form);
  bool eventFilter(QObject* watched, QEvent* event) override;
  /// BuildMenuTabs reselecting by a given caption instead of the selected one.
  void RebuildTabs(int mainTab, const std::string& remembered);
  /// What follows a stored edit: result 2 rebuilds the tabs (typed text, list, "0", "50",
  /// "100") or refills the grid (the other steps), then reopens the editor.
  void AfterEdit(int result, bool rebuildTabs);
  void BuildPanel();
  void Connect();
  int Version() const;
  core::ModellSpeicherTyp* Active() const;
  std::string SelectedCode() const;
  int MainTabIndex() const;
  void HideControls();
  void OpenIfMoved(int col, int row);
  /// After a change that this page did not make (undo, redo, copy, reset): refresh as after a
  /// structure-changing edit, without committing the now stale text of the editor cell.
  void ImageChangedElsewhere();
  void ExplainSelected();
  void ButtonPressed(core::StepButton b);
  void ButtonReleased(core::StepButton b);
  void CommitTyped(int col, int row);
  void UpdateUndoActions();
  /// Ends a held button's run: its changes become one undo step.
  void EndRun();

  TMainForm& form_;
  QWidget* panel_ = nullptr;
  QTabBar* mainTabs_ = nullptr;
  QTabBar* subTabs_ = nullptr;
  QLabel* title_ = nullptr;
  QPushButton* druck_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* reset_ = nullptr;
  QWidget* gridHost_ = nullptr;
  ParameterGrid* grid_ = nullptr;
  QComboBox* combo_ = nullptr;
  std::array<QPushButton*, core::kStepButtonCount> buttons_{};
  QTimer* buttonTimer_ = nullptr;
  core::ButtonRepeat repeat_;
  core::ModellSpeicherTyp* runRecord_ = nullptr;  // the record a held button's run changes
  int runResult_ = 0;                             // the highest apply result of the run
  int editorCol_ = -1, editorRow_ = -1;
  bool building_ = false;   // tab rows being rebuilt: their change signals are ours
  bool ownChange_ = false;  // an image change of this page is running
  bool mouseOpen_ = false;  // the editor opens because of a mouse press: drop the list down
};

}  // namespace app
