#pragma once

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;

namespace app {

class LinkModule;

/// `TComNrForm`, "Schnittstellenparameter": the COM port (1 to 8) and baud rate of the link,
/// and whether ports the system does not list are offered. Modeless; made once and hidden.
class TComNrForm : public QDialog {
  Q_OBJECT

 public:
  TComNrForm(LinkModule& link, QWidget* mainWindow);

  /// The main window's left, top, width and height, handed over before showing.
  void SetOwnerPosition(int left, int top, int width, int height);
  /// Shows the dialog (running FormShow when it was hidden) and brings it to the front.
  void ShowForm();

  void FormShow();
  void ManuellCheckBoxClick();
  void ComOkButtonClick();
  void ComAbbruchButtonClick();

  QRadioButton* ComRadioButton(int port) const { return ports_[port]; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  LinkModule& link_;
  int ownerLeft_ = 0, ownerTop_ = 0, ownerWidth_ = 0, ownerHeight_ = 0;
  std::array<QRadioButton*, 9> ports_{};
  QCheckBox* manuell_ = nullptr;
  QRadioButton* rate48_ = nullptr;
  QRadioButton* rate96_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* abbruch_ = nullptr;
};

}  // namespace app
