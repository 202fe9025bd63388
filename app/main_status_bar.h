#pragma once

#include <QColor>
#include <QStatusBar>
#include <functional>

class QLabel;

namespace app {

/// An owner-drawn status bar panel of fixed width: a colour fill, or whatever its painter draws.
class DrawnPanel : public QWidget {
  Q_OBJECT

 public:
  DrawnPanel(int width, QWidget* parent);
  void SetFill(const QColor& colour);
  const QColor& Fill() const { return fill_; }
  void SetPainter(std::function<void(QPainter&, const QRect&)> painter);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
  std::function<void(QPainter&, const QRect&)> painter_;
};

/// `MainStatusBar`: panel 0 (19 px, saved state), panel 1 (200 px, transfer display),
/// panel 2 (400 px, model memory), panel 3 (50 px, credit); right of them a message that
/// reports failed writes, and the hint of the command under the mouse.
class MainStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit MainStatusBar(QWidget* parent);

  DrawnPanel* Panel0() const { return panel0_; }
  DrawnPanel* Panel1() const { return panel1_; }
  QString PanelText(int index) const;
  void SetPanelText(int index, const QString& text);
  void SetFailureText(const QString& text);
  QString FailureText() const;
  void SetHintText(const QString& text);
  /// A lasting note about the active memory (its comment cannot be read); empty hides it.
  void SetNoteText(const QString& text);
  QString NoteText() const;

 private:
  DrawnPanel* panel0_;
  DrawnPanel* panel1_;
  QLabel* panel2_;
  QLabel* panel3_;
  QLabel* failure_;
  QLabel* note_;
  QLabel* hint_;
};

}  // namespace app
