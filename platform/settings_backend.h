#pragma once

#include <QString>
#include <filesystem>
#include <vector>

#include "core/settings/l_regist.h"

namespace platform {

/// The registry of the settings module: QSettings in native format (on Windows the registry,
/// HKEY_CURRENT_USER\Software\<company>\<application>\<group>). Key paths must read
/// "Software\company\application\group..."; only kHkeyCurrentUser is served (other roots read
/// as missing and refuse writes). A stored text read as an integer gives its value when the
/// whole text (blanks aside) is a 32-bit decimal integer, else missing; an integer read as text
/// gives its decimal text; values of other kinds read as missing.
class QtSettingsBackend : public core::SettingsBackend {
 public:
  std::optional<std::int32_t> readInt(core::RootKey root, const std::string& keyPath,
                                      const std::string& name) override;
  std::optional<std::string> readText(core::RootKey root, const std::string& keyPath,
                                      const std::string& name) override;
  bool writeInt(core::RootKey root, const std::string& keyPath, const std::string& name,
                std::int32_t value) override;
  bool writeText(core::RootKey root, const std::string& keyPath, const std::string& name,
                 const std::string& value) override;
};

/// A QString path as a filesystem path (no loss of non-ASCII characters).
std::filesystem::path ToPath(const QString& path);
/// A filesystem path as a QString.
QString FromPath(const std::filesystem::path& path);

/// The text store candidates of this machine (see core::DefaultTextStoreCandidates), using
/// the user's home directory.
std::vector<std::filesystem::path> TextStoreCandidates();

}  // namespace platform
