#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>

#include "app/main_status_bar.h"
#include "app/mainform.h"
#include "app/mainform_host.h"
#include "app/model_tree_view.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"

namespace app {

namespace {
constexpr int kStateIndexRole = Qt::UserRole + 1;
constexpr int kIsNameNodeRole = Qt::UserRole + 2;
constexpr int kRecordRole = Qt::UserRole + 3;  // the record a model memory row shows
}  // namespace

int TMainForm::StateIndex(const QTreeWidgetItem* item) {
  return item != nullptr ? item->data(0, kStateIndexRole).toInt() : 0;
}

void TMainForm::RebuildTree(const std::string& directory) {
  treeDesc_ = core::BuildTree(*store_, directory, nameToSelect_);
  const QSignalBlocker block(tree_);
  // A rebuild (rename, copy, receive) keeps the name nodes the user opened.
  QSet<QString> open;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i)
    if (tree_->topLevelItem(i)->isExpanded()) open.insert(tree_->topLevelItem(i)->text(0));
  tree_->clear();
  QList<QTreeWidgetItem*> top;
  top.reserve(static_cast<int>(treeDesc_.names.size()));
  for (const core::NameNode& name : treeDesc_.names) {
    auto* nameItem = new QTreeWidgetItem({QString::fromStdString(name.text)});
    nameItem->setData(0, kIsNameNodeRole, true);
    for (const core::ModelNode& child : name.children) {
      // A file name that is not valid UTF-8 shows with replacement characters; the row keeps
      // its record, so it is found by identity and not by the text it shows.
      auto* row = new QTreeWidgetItem(nameItem, {QString::fromStdString(child.text)});
      row->setData(0, kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(child.record)));
    }
    top.append(nameItem);
  }
  tree_->addTopLevelItems(top);
  const core::ModellSpeicherTyp* active = store_->GetActive();
  QTreeWidgetItem* activeItem = nullptr;
  for (std::size_t i = 0; i < treeDesc_.names.size(); ++i) {
    QTreeWidgetItem* nameItem = top[static_cast<int>(i)];
    if (open.contains(nameItem->text(0))) nameItem->setExpanded(true);
    const auto& children = treeDesc_.names[i].children;
    for (std::size_t c = 0; c < children.size(); ++c)
      if (active != nullptr && children[c].record == active)
        activeItem = nameItem->child(static_cast<int>(c));
  }
  // The active memory is shown: its name node open, its node selected and scrolled to.
  if (activeItem != nullptr) {
    activeItem->parent()->setExpanded(true);
    tree_->setCurrentItem(activeItem);
    tree_->scrollToItem(activeItem);
  }
  // The tree draws each node with the icon of its record's current state.
  RefreshIcons();
  UpdateNamePanel();
}

void TMainForm::RefreshIcons() {
  const QTreeWidgetItem* current = tree_->currentItem();
  const std::string selected =
      current != nullptr && current->isSelected() ? current->text(0).toStdString() : std::string();
  std::vector<int> currentIndexes;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* n = tree_->topLevelItem(i);
    currentIndexes.push_back(StateIndex(n));
    for (int c = 0; c < n->childCount(); ++c) currentIndexes.push_back(StateIndex(n->child(c)));
  }
  const std::vector<int> icons =
      core::ComputeTreeIcons(*store_, treeDesc_, selected, currentIndexes);
  std::size_t k = 0;
  auto apply = [&](QTreeWidgetItem* item) {
    if (k >= icons.size()) return;
    const int index = icons[k++];
    if (StateIndex(item) == index && item->data(0, kStateIndexRole).isValid()) return;
    item->setData(0, kStateIndexRole, index);
    if (haveIcons_) {
      item->setIcon(0, index > 0 && index < static_cast<int>(imageListOk_.size())
                           ? QIcon(imageListOk_[static_cast<std::size_t>(index)])
                           : QIcon());
    }
  };
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* n = tree_->topLevelItem(i);
    apply(n);
    for (int c = 0; c < n->childCount(); ++c) apply(n->child(c));
  }
}

void TMainForm::TreeMousePressed() {
  emit CloseEditorRequested();
  QTreeWidgetItem* item = tree_->currentItem();
  if (item != nullptr && item->isSelected()) {
    if (item->data(0, kIsNameNodeRole).toBool()) item = item->child(0);
    store_->SetActiveModelMemory(RecordOfItem(item));
  }
  UpdateNamePanel();
}

core::ModellSpeicherTyp* TMainForm::RecordOfItem(const QTreeWidgetItem* item) const {
  if (item == nullptr || treeDesc_.generation != store_->Generation()) return nullptr;
  auto* record =
      reinterpret_cast<core::ModellSpeicherTyp*>(item->data(0, kRecordRole).value<quintptr>());
  // Records live until the store frees them all (a new generation); one may have been freed
  // for reuse meanwhile.
  return record != nullptr && record->inUse ? record : nullptr;
}

void TMainForm::TreeSelectionMoved() {
  // The keyboard moves the selection without changing the active model memory; only the name
  // node's open folder follows it.
  RefreshIcons();
}

void TMainForm::UpdateNamePanel() {
  const core::ModellSpeicherTyp* active = store_->GetActive();
  if (active != nullptr) {
    modellNameEdit_->setText(QString::fromStdString(core::TrimmedName(active)));
    modellDatumLabel_->setText(QString::fromStdString(active->dateText));
  } else {
    modellNameEdit_->clear();
    modellDatumLabel_->clear();
  }
  nameUebernehmenButton_->setEnabled(false);
}

void TMainForm::CommentEdited() { store_->CommentEdited(); }

void TMainForm::UpdateCommentLock() {
  const core::ModellSpeicherTyp* active = store_->GetActive();
  const bool locked = active != nullptr && active->commentUnreadable;
  kommentarRichEdit_->setReadOnly(locked);
  // The file is kept as it is; the user learns why the box takes no text.
  statusBar_->SetNoteText(
      locked ? QString("Kommentardatei von %1 nicht lesbar (keine normale Datei oder größer als "
                       "1 MiB) - Kommentar schreibgeschützt")
                   .arg(QString::fromStdString(core::FileNameOf(active->fileName)))
             : QString());
}

}  // namespace app
