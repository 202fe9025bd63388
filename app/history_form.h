#pragma once

#include <QDialog>

namespace app {

/// `THistoryForm`: the program's version history, shown modeless from "&History" and hidden again.
class THistoryForm : public QDialog {
  Q_OBJECT

 public:
  explicit THistoryForm(QWidget* mainWindow);
};

}  // namespace app
