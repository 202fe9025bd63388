#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include "app/main_status_bar.h"
#include "app/mainform.h"
#include "app/model_tree_view.h"

#ifndef VELTRANO_VERSION
#define VELTRANO_VERSION "1.0"
#endif

namespace app {

QAction* TMainForm::AddAction(QMenu* menu, const char* objectName, const QString& caption,
                              const QString& hint) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(objectName);
  if (!hint.isEmpty()) a->setStatusTip(hint);
  actions_[objectName] = a;
  return a;
}

QAction* TMainForm::Action(const char* objectName) const {
  const auto it = actions_.find(std::string_view(objectName));
  return it != actions_.end() ? it->second : findChild<QAction*>(objectName);
}

void TMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu");

  QMenu* m = bar->addMenu("&Modellspeicher");
  m->setObjectName("MenuModellspeicher");
  AddAction(m, "FktNeu", "&Neu", "Erzeugt einen neuen Modellspeicher mit Defaultdaten")
      ->setEnabled(false);  // until the new-memory dialog exists
  AddAction(m, "FktKopieren", "&Kopieren",
            "Erzeugt einen neuen Modellspeicher als Kopie des aktiven Modellspeichers");
  AddAction(m, "FktLoeschen", "&Löschen", "Löscht den aktiven Modellspeicher");
  AddAction(m, "FktLoeschenRueckgaengig", "Löschen &Rückgängig",
            "Holt einen gelöschten Modellspeicher zurück");
  AddAction(m, "FktSpeichern", "&Speichern", "");
  AddAction(m, "FktAlleSpeichern", "&Alle Speichern",
            "Schreibt alle geänderten Modellspeicher auf Festplatte");
  m->addSeparator();
  QAction* exit = AddAction(m, "FktExit", "E&xit", "Programm beenden");
  exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

  m = bar->addMenu("&Daten");
  m->setObjectName("MenuDaten");
  AddAction(m, "FktCopyData", "&Kopieren",
            "Kopieren bestimmter Daten zwischen Modellspeichern oder innerhalb von Modellspeichern")
      ->setEnabled(false);
  AddAction(m, "FktResetData", "&Reset", "")->setEnabled(false);
  AddAction(m, "FktDrucken", "D&rucken", "")->setEnabled(false);

  m = bar->addMenu("&Verbindung");
  m->setObjectName("MenuVerbindung");
  AddAction(m, "FktSenden", "&Senden (PC -> FC28)",
            "Senden des aktiven Modellspeichers an den FC28 Sender")
      ->setEnabled(false);
  AddAction(m, "FktEmpfangen", "&Empfangen (FC28 -> PC)",
            "Empfangen eines Modellspeichers vom FC28 Sender")
      ->setEnabled(false);

  m = bar->addMenu("&Optionen");
  m->setObjectName("MenuOptionen");
  AddAction(m, "MenuFuncSchnittstelle", "Schn&ittstelle", "Wahl der verwendeten seriellen Schnittstelle")
      ->setEnabled(false);
  AddAction(m, "FktVerzeichnis", "Modellspeicher&verzeichnis",
            "Wahl des Verzeichnisses in dem die Modellspeicher gesichert werden");
  QMenu* versions = m->addMenu("&Senderversion");
  versions->setObjectName("FktSenderversion");
  versionGroup_ = new QActionGroup(this);
  versionGroup_->setExclusive(true);
  for (auto [name, caption] : {std::pair{"FktV30", "FC-28 V3.0"}, std::pair{"FktV31", "FC-28 V3.1"},
                               std::pair{"FktV32", "FC-28 V3.2"}}) {
    QAction* a = AddAction(versions, name, caption, "");
    a->setCheckable(true);
    versionGroup_->addAction(a);
  }
  Action("FktV32")->setChecked(true);
  m->addSeparator();
  AddAction(m, "FktErlaeuterungen", "&Erläuterungen",
            "Auswahl ob Erläuterungen zu den Funktionen der FC28 eingeblendet werden sollen")
      ->setCheckable(true);
  AddAction(m, "FktAlleFlugzustaende", "Alle &Flugzustände zeigen",
            "Auswahl, ob die Daten unbenutzter Flugzustände angezeigt werden sollen")
      ->setCheckable(true);
  AddAction(m, "FktDefaultwerte", "&Defaultwerte zeigen",
            "Auswahl, ob die Defaultwerte zu den Daten angezeigt werden sollen")
      ->setCheckable(true);
  AddAction(m, "FktDefaultDaten", "Default Daten", "")->setVisible(false);
  AddAction(m, "FktFormelnPruefen", "Formeln prüfen", "")->setVisible(false);

  m = bar->addMenu("&Info");
  m->setObjectName("MenuInfo");
  AddAction(m, "FktVersion", "&Version", "");
  AddAction(m, "FktHistory", "&History", "")->setEnabled(false);  // until the history dialog exists
}

void TMainForm::ConnectCommands() {
  connect(Action("FktKopieren"), &QAction::triggered, this, [this] { store_->CopyActive(); });
  connect(Action("FktLoeschen"), &QAction::triggered, this, [this] { store_->DeleteActive(); });
  connect(Action("FktLoeschenRueckgaengig"), &QAction::triggered, this,
          [this] { store_->UndeleteActive(); });
  connect(Action("FktSpeichern"), &QAction::triggered, this, &TMainForm::SaveActive);
  connect(Action("FktAlleSpeichern"), &QAction::triggered, this, &TMainForm::SaveAll);
  connect(Action("FktExit"), &QAction::triggered, this, &TMainForm::RequestClose);
  connect(exitButton_, &QPushButton::clicked, this, &TMainForm::RequestClose);
  connect(Action("FktVerzeichnis"), &QAction::triggered, this, &TMainForm::ChangeDirectory);
  connect(Action("FktVersion"), &QAction::triggered, this, [this] {
    QMessageBox::about(
        this, "Veltrano",
        QString("Veltrano %1\nModellspeicher des FC-28 Senders").arg(VELTRANO_VERSION));
  });

  connect(tree_, &ModelTreeView::MousePressed, this, &TMainForm::TreeMousePressed);
  connect(tree_, &ModelTreeView::MouseReleased, this, &TMainForm::RefreshIcons);
  connect(tree_, &QTreeWidget::itemSelectionChanged, this, &TMainForm::TreeSelectionMoved);

  connect(modellNameEdit_, &QLineEdit::textEdited, this,
          [this] { nameUebernehmenButton_->setEnabled(true); });
  connect(nameUebernehmenButton_, &QPushButton::clicked, this, [this] {
    nameUebernehmenButton_->setEnabled(false);
    ClearWriteFailure();
    store_->RenameActive(modellNameEdit_->text().toStdString());
  });

  connect(parameterTabBar_, &QTabBar::currentChanged, this, [this] { ShowTabPanel(); });
  kommentarRichEdit_->installEventFilter(this);
  connect(diffToKommButton_, &QPushButton::clicked, this, [this] {
    for (int i = 0; i < diffListBox_->count(); ++i)
      kommentarRichEdit_->appendPlainText(diffListBox_->item(i)->text());
    CommentEdited();
  });
}

QString TMainForm::TransmitterVersionText() const {
  QAction* a = versionGroup_->checkedAction();
  return a != nullptr ? a->text() : QString();
}

core::TransmitterVersion TMainForm::CheckedTransmitter() const {
  if (Action("FktV31")->isChecked()) return core::TransmitterVersion::V31;
  if (Action("FktV30")->isChecked()) return core::TransmitterVersion::V30;
  return core::TransmitterVersion::V32;
}

void TMainForm::SaveActive() {
  ClearWriteFailure();
  store_->SaveActiveModelMemory();
  RepaintStatus();
}

void TMainForm::SaveAll() {
  ClearWriteFailure();
  store_->QueryAndSaveAll(false);
  RepaintStatus();
}

void TMainForm::ChangeDirectory() {
  ClearWriteFailure();
  store_->ChangeModelMemoryDir();
  RepaintStatus();
}

}  // namespace app
