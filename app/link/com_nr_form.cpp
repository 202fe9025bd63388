#include "app/link/com_nr_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/link/link_module.h"
#include "core/link/com_form.h"

namespace app {

TComNrForm::TComNrForm(LinkModule& link, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      link_(link) {
  setObjectName("ComNrForm");
  setWindowTitle("Schnittstellenparameter");
  setModal(false);

  auto* portPanel = new QGroupBox(this);
  portPanel->setObjectName("ComFormPanel");
  auto* grid = new QGridLayout(portPanel);
  auto* portGroup = new QButtonGroup(this);
  for (int n = 1; n <= 8; ++n) {
    ports_[n] = new QRadioButton(QString("Com %1").arg(n), portPanel);
    ports_[n]->setObjectName(QString("ComRadioButton%1").arg(n));
    portGroup->addButton(ports_[n], n);
    grid->addWidget(ports_[n], (n - 1) % 3, (n - 1) / 3);  // columns 1-3, 4-6, 7-8
  }

  auto* manuellPanel = new QGroupBox(this);
  manuellPanel->setObjectName("ManuellPanel");
  manuell_ = new QCheckBox("nur vorhandene Schnittstellen anzeigen", manuellPanel);
  manuell_->setObjectName("ManuellCheckBox");
  manuell_->setChecked(true);
  (new QVBoxLayout(manuellPanel))->addWidget(manuell_);

  auto* ratePanel = new QGroupBox(this);
  ratePanel->setObjectName("BaudRatePanel");
  auto* rateLayout = new QHBoxLayout(ratePanel);
  rate48_ = new QRadioButton("4800 bit/s", ratePanel);
  rate48_->setObjectName("Rate48RadioButton");
  rate96_ = new QRadioButton("9600 bit/s", ratePanel);
  rate96_->setObjectName("Rate96RadioButton");
  auto* rateGroup = new QButtonGroup(this);
  rateGroup->addButton(rate48_);
  rateGroup->addButton(rate96_);
  rateLayout->addWidget(rate48_);
  rateLayout->addWidget(rate96_);

  ok_ = new QPushButton("&Ok", this);
  ok_->setObjectName("ComOkButton");
  ok_->setDefault(true);
  abbruch_ = new QPushButton("&Abbruch", this);
  abbruch_->setObjectName("ComAbbruchButton");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addStretch();
  buttons->addWidget(abbruch_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(portPanel);
  layout->addWidget(manuellPanel);
  layout->addWidget(ratePanel);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // AutoSize

  connect(manuell_, &QCheckBox::clicked, this, &TComNrForm::ManuellCheckBoxClick);
  connect(ok_, &QPushButton::clicked, this, &TComNrForm::ComOkButtonClick);
  connect(abbruch_, &QPushButton::clicked, this, &TComNrForm::ComAbbruchButtonClick);
  ok_->setFocus();
}

void TComNrForm::SetOwnerPosition(int left, int top, int width, int height) {
  ownerLeft_ = left;
  ownerTop_ = top;
  ownerWidth_ = width;
  ownerHeight_ = height;
}

void TComNrForm::ShowForm() {
  show();  // FormShow runs from showEvent when the dialog was hidden
  raise();
  activateWindow();
}

void TComNrForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
  ok_->setFocus();
}

void TComNrForm::FormShow() {
  std::array<bool, 9> present{};
  for (int n = 1; n <= 8; ++n) present[n] = link_.Ports().ComPortPresent(n);
  const core::ComFormView v = core::ComFormShow(link_.Link().PortNumber(), link_.Link().BaudRate(),
                                                link_.ShowOnlyPresentPorts(), present);
  manuell_->setChecked(v.checkBox);
  move(ownerLeft_ + 150, ownerTop_ + 50);
  for (int n = 1; n <= 8; ++n) ports_[n]->setEnabled(v.enabled[n]);
  ports_[v.checkedPort]->setChecked(true);
  (v.rate48 ? rate48_ : rate96_)->setChecked(true);
}

void TComNrForm::ManuellCheckBoxClick() {
  link_.SetShowOnlyPresentPorts(manuell_->isChecked());
  FormShow();
}

void TComNrForm::ComOkButtonClick() {
  int checked = 0;
  for (int n = 1; n <= 8; ++n) {
    if (ports_[n]->isChecked()) checked = n;
  }
  const core::ComFormChoice c = core::ComFormOk(rate48_->isChecked(), rate96_->isChecked(), checked,
                                                link_.Link().BaudRate(), link_.Link().PortNumber());
  link_.Link().SetBaudRate(c.baudRate);
  link_.Link().SetPortNumber(c.portNumber);
  hide();
  link_.TransferReset();
}

void TComNrForm::ComAbbruchButtonClick() {
  hide();
}

}  // namespace app
