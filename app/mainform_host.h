#pragma once

#include "core/store/store_host.h"

namespace app {

class TMainForm;

/// The store's road to the main window, the settings and the dialogs.
class MainFormStoreHost : public core::StoreHost {
 public:
  explicit MainFormStoreHost(TMainForm& form) : form_(form) {}

  std::vector<std::string> CommentBoxLines() override;
  void SetCommentBoxLines(const std::vector<std::string>& lines) override;
  void Changed(core::StoreChange what) override;
  void RebuildTree(const std::string& directory) override;
  void SetNameToSelect(const std::string& name) override;
  std::optional<std::string> ReadTextSetting(const std::string& name) override;
  void WriteTextSetting(const std::string& name, const std::string& value) override;
  core::SaveAnswer AskSaveQuery(const core::SaveQuery& query) override;
  std::optional<std::string> PickModelMemoryFile(const std::string& currentDirectory) override;
  void WriteFailed(const std::string& path) override;
  core::FileChangedAnswer AskFileChanged(const std::string& path) override;
  void DirectoryOpened(const std::string& directory) override;

 private:
  TMainForm& form_;
};

}  // namespace app
