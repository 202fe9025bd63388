#pragma once

#include <QLayout>
#include <QList>

namespace app {

/// Lays its widgets out left to right and starts a new line where the next one does not fit,
/// so a narrow window wraps a row of controls instead of overlapping them.
class FlowLayout : public QLayout {
 public:
  explicit FlowLayout(QWidget* parent, int hSpacing = 6, int vSpacing = 4);
  ~FlowLayout() override;

  void addItem(QLayoutItem* item) override;
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override { return items_.value(index); }
  QLayoutItem* takeAt(int index) override;
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return Arrange(QRect(0, 0, width, 0), false); }
  QSize minimumSize() const override;
  QSize sizeHint() const override;
  void setGeometry(const QRect& rect) override;

 private:
  /// Places (or only measures) the items in rect; the height used.
  int Arrange(const QRect& rect, bool place) const;

  QList<QLayoutItem*> items_;
  int hSpacing_, vSpacing_;
};

}  // namespace app
