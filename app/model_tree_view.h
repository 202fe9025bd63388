#pragma once

#include <QTreeWidget>

namespace app {

/// `MainTreeView`: a tree that tells when a mouse button was pressed (after it moved its
/// selection) and released, so only the mouse changes the active model memory.
class ModelTreeView : public QTreeWidget {
  Q_OBJECT

 public:
  explicit ModelTreeView(QWidget* parent);

 signals:
  void MousePressed();
  void MouseReleased();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace app
