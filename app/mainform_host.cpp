#include "app/mainform_host.h"

#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include "app/datei_geaendert.h"
#include "app/mainform.h"
#include "app/speichern_abfrage.h"
#include "core/util/files.h"
#include "core/util/text.h"
#include "platform/settings_backend.h"

namespace app {

std::vector<std::string> MainFormStoreHost::CommentBoxLines() {
  // Block by block: toPlainText() would turn non-breaking spaces into blanks.
  const QTextDocument* doc = form_.kommentarRichEdit_->document();
  QStringList lines;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) lines << b.text();
  return core::SplitLines(lines.join('\n').toStdString());
}

void MainFormStoreHost::SetCommentBoxLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const auto& line : lines) text << QString::fromStdString(line);
  form_.loadingComment_ = true;
  form_.kommentarRichEdit_->setPlainText(text.join('\n'));
  form_.loadingComment_ = false;
}

void MainFormStoreHost::Changed(core::StoreChange what) {
  switch (what) {
    case core::StoreChange::Active:
      form_.UpdateModelltypLabel();
      emit form_.ActiveMemoryChanged();
      break;
    case core::StoreChange::Flags:
      form_.RepaintStatus();
      break;
    case core::StoreChange::Icons:
      form_.RefreshIcons();
      break;
  }
}

void MainFormStoreHost::RebuildTree(const std::string& directory) {
  form_.RebuildTree(directory);
}

void MainFormStoreHost::SetNameToSelect(const std::string& name) {
  form_.nameToSelect_ = name;
}

std::optional<std::string> MainFormStoreHost::ReadTextSetting(const std::string& name) {
  std::string value = form_.regist_->ReadTextSetting(name, core::kHkeyCurrentUser);
  if (value.empty()) return std::nullopt;
  return value;
}

void MainFormStoreHost::WriteTextSetting(const std::string& name, const std::string& value) {
  form_.regist_->WriteTextSetting(name, core::kHkeyCurrentUser, value);
}

core::SaveAnswer MainFormStoreHost::AskSaveQuery(const core::SaveQuery& query) {
  return form_.SaveQueryForm()->Ask(query);
}

std::optional<std::string> MainFormStoreHost::PickModelMemoryFile(
    const std::string& currentDirectory) {
  // `VerzeichnisOpenDialog`: the user picks any file in the wanted directory.
  QFileDialog dialog(&form_);
  dialog.setObjectName("VerzeichnisOpenDialog");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters({"FC-28-Modellspeicher (*.fc)", "alle Dateien (*.*)"});
  const std::string dir = currentDirectory.empty()
                              ? core::Utf8FromPath(std::filesystem::current_path())
                              : currentDirectory;
  dialog.setDirectory(platform::FromPath(core::PathFromUtf8(dir)));
  dialog.selectFile("*.fc");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return core::Utf8FromPath(platform::ToPath(dialog.selectedFiles().first()));
}

void MainFormStoreHost::WriteFailed(const std::string& path) {
  form_.ReportWriteFailure(path);
}

core::FileChangedAnswer MainFormStoreHost::AskFileChanged(const std::string& path) {
  return form_.FileChangedForm()->Ask(path);
}

void MainFormStoreHost::DirectoryOpened(const std::string& directory) {
  form_.DirectoryOpened(directory);
}

}  // namespace app
