#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace core {

/// A registry root key handle value (the Windows values); any other value names no root.
using RootKey = std::uint32_t;
inline constexpr RootKey kHkeyClassesRoot = 0x80000000u;
inline constexpr RootKey kHkeyCurrentUser = 0x80000001u;
inline constexpr RootKey kHkeyLocalMachine = 0x80000002u;
inline constexpr RootKey kHkeyUsers = 0x80000003u;
inline constexpr RootKey kHkeyPerformanceData = 0x80000004u;
inline constexpr RootKey kHkeyCurrentConfig = 0x80000005u;
inline constexpr RootKey kHkeyDynData = 0x80000006u;

/// What an integer read gives for a setting that is stored nowhere.
inline constexpr std::int32_t kMissingInt = 2147483647;

/// Who the settings belong to; the settings key is Software\company\application\version.
struct SettingsIdentity {
  std::string application = "Veltrano";
  std::string company = "Morlind";
  std::string version = "1.0";
};

/// The registry, or what stands in for it. keyPath uses "\" between its parts
/// ("Software\Morlind\Veltrano\1.0"). Reads give nullopt for a missing value.
class SettingsBackend {
 public:
  virtual ~SettingsBackend() = default;
  virtual std::optional<std::int32_t> readInt(RootKey root, const std::string& keyPath,
                                              const std::string& name) = 0;
  virtual std::optional<std::string> readText(RootKey root, const std::string& keyPath,
                                              const std::string& name) = 0;
  /// Both writes report whether the value was stored.
  virtual bool writeInt(RootKey root, const std::string& keyPath, const std::string& name,
                        std::int32_t value) = 0;
  virtual bool writeText(RootKey root, const std::string& keyPath, const std::string& name,
                         const std::string& value) = 0;
};

/// The text store directories to try, first existing one wins: "d:\RegRepl" then
/// "c:\RegRepl" on Windows; elsewhere "RegRepl" in homeDir (none when homeDir is empty).
std::vector<std::filesystem::path> DefaultTextStoreCandidates(const std::filesystem::path& homeDir);

/// "HKEY_CURRENT_USER" and the other six root names; "HKEY_NONE" for any other value.
std::string RootKeyName(RootKey root);

/// The settings module: settings live in the backend ("registry mode") or, when a text store
/// directory exists at start-up, in one small text file per setting ("text mode").
/// Keeps no state besides the identity and the directories; not thread-safe (UI thread only).
class Regist {
 public:
  /// backend must outlive this object. candidates: see DefaultTextStoreCandidates.
  /// registryFallbackDir: where registry mode looks for a text file when the registry lacks
  /// a value; empty (the default) means registry mode has no text file fallback.
  Regist(SettingsBackend& backend, std::vector<std::filesystem::path> candidates,
         std::filesystem::path registryFallbackDir = {});

  /// Copies the identity and picks the text store directory (first existing candidate).
  void SettingsInit(const SettingsIdentity& identity);

  /// The integer setting, or kMissingInt when stored nowhere.
  std::int32_t ReadIntSetting(const std::string& name, RootKey root);
  /// The text setting (UTF-8), or "" when stored nowhere.
  std::string ReadTextSetting(const std::string& name, RootKey root);
  /// Stores the value; false when it could not be stored (callers may ignore this).
  bool WriteIntSetting(const std::string& name, RootKey root, std::int32_t value);
  bool WriteTextSetting(const std::string& name, RootKey root, const std::string& value);

  /// True when no text store directory was found at SettingsInit.
  bool registryMode() const { return textStoreDir_.empty(); }
  const std::filesystem::path& textStoreDir() const { return textStoreDir_; }
  /// "Software\Morlind\Veltrano\1.0" for the default identity.
  std::string settingsKey() const;
  /// The text file of a setting below baseDir; nullopt when name is not a plain file name.
  std::optional<std::filesystem::path> textFilePath(const std::filesystem::path& baseDir,
                                                    const std::string& name, RootKey root) const;

 private:
  std::optional<std::filesystem::path> readFileFor(const std::string& name, RootKey root) const;

  SettingsBackend& backend_;
  std::vector<std::filesystem::path> candidates_;
  std::filesystem::path registryFallbackDir_;
  SettingsIdentity identity_;
  std::filesystem::path textStoreDir_;
};

/// The integer at the start of a line: optional blanks, an optional sign, decimal digits up
/// to the first other character; 0 without digits; saturated to the 32-bit range.
std::int32_t LeadingInteger(const std::string& line);

}  // namespace core
