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
#include "core/shell/program_version.h"

namespace app {

QAction* TMainForm::Action(Cmd cmd) const {
  return commandActions_[static_cast<std::size_t>(cmd)];
}

QAction* TMainForm::VersionAction(core::TransmitterVersion version) const {
  return versionActions_[static_cast<std::size_t>(version)];
}

void TMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu");
  std::array<QMenu*, std::size(kMenus)> menus{};
  for (const MenuRow& row : kMenus) {
    QMenu* m = bar->addMenu(row.caption);
    m->setObjectName(row.objectName);
    menus[static_cast<std::size_t>(row.id)] = m;
  }
  for (const CommandRow& row : kCommands) {
    QMenu* m = menus[static_cast<std::size_t>(row.menu)];
    if (row.place == Place::AfterSeparator) m->addSeparator();
    if (row.place == Place::AfterVersionMenu) {
      BuildVersionMenu(m);
      m->addSeparator();
    }
    QAction* a = m->addAction(row.caption);
    a->setObjectName(row.objectName);
    if (*row.hint != '\0') a->setStatusTip(row.hint);
    if (*row.shortcut != '\0') a->setShortcuts(QKeySequence::listFromString(row.shortcut));
    a->setCheckable(row.checkable);
    a->setEnabled(row.enabled);
    a->setVisible(row.visible);
    commandActions_[static_cast<std::size_t>(row.cmd)] = a;
  }
}

void TMainForm::BuildVersionMenu(QMenu* options) {
  QMenu* versions = options->addMenu("&Senderversion");
  versions->setObjectName("FktSenderversion");
  versionGroup_ = new QActionGroup(this);
  versionGroup_->setExclusive(true);
  for (const core::TransmitterVersionRow& row : core::kTransmitterVersions) {
    QAction* a = versions->addAction(row.caption);
    a->setObjectName(row.action);
    a->setCheckable(true);
    versionGroup_->addAction(a);
    versionActions_[static_cast<std::size_t>(row.version)] = a;
  }
  VersionAction(core::TransmitterVersion::V32)->setChecked(true);
  connect(versionGroup_, &QActionGroup::triggered, this, [this] { emit TransmitterVersionChanged(); });
}

void TMainForm::ConnectCommands() {
  connect(Action(Cmd::FktKopieren), &QAction::triggered, this, [this] { store_->CopyActive(); });
  connect(Action(Cmd::FktLoeschen), &QAction::triggered, this, [this] { store_->DeleteActive(); });
  connect(Action(Cmd::FktLoeschenRueckgaengig), &QAction::triggered, this,
          [this] { store_->UndeleteActive(); });
  connect(Action(Cmd::FktSpeichern), &QAction::triggered, this, &TMainForm::SaveActive);
  connect(Action(Cmd::FktAlleSpeichern), &QAction::triggered, this, &TMainForm::SaveAll);
  connect(Action(Cmd::FktExit), &QAction::triggered, this, &TMainForm::RequestClose);
  connect(exitButton_, &QPushButton::clicked, this, &TMainForm::RequestClose);
  connect(Action(Cmd::FktVerzeichnis), &QAction::triggered, this, &TMainForm::ChangeDirectory);
  connect(Action(Cmd::FktVersion), &QAction::triggered, this, [this] {
    QMessageBox::about(
        this, "Veltrano",
        QString("Veltrano %1\nModellspeicher des FC-28 Senders").arg(core::kProgramVersion));
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
  // Any change of the text by the user marks the comment: typing, pasting by menu or middle
  // button, dropping, the box's own undo. Loading a memory's comment does not.
  connect(kommentarRichEdit_, &QPlainTextEdit::textChanged, this, [this] {
    if (!loadingComment_) CommentEdited();
  });
  connect(this, &TMainForm::ActiveMemoryChanged, this, &TMainForm::UpdateCommentLock);
  for (Cmd option : {Cmd::FktErlaeuterungen, Cmd::FktAlleFlugzustaende, Cmd::FktDefaultwerte})
    connect(Action(option), &QAction::toggled, this, [this] { emit OptionsChanged(); });
}

QString TMainForm::TransmitterVersionText() const {
  QAction* a = versionGroup_->checkedAction();
  return a != nullptr ? a->text() : QString();
}

core::TransmitterVersion TMainForm::CheckedTransmitter() const {
  for (const core::TransmitterVersionRow& row : core::kTransmitterVersions)
    if (VersionAction(row.version)->isChecked()) return row.version;
  return core::TransmitterVersion::V32;
}

int TMainForm::TransmitterVersion() const {
  return core::VersionRow(CheckedTransmitter()).number;
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
