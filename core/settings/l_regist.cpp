#include "core/settings/l_regist.h"

#include <fstream>
#include <limits>
#include <system_error>

#include "core/settings/textcodec.h"

namespace core {

namespace fs = std::filesystem;

namespace {

// A setting file holds one short line; more than this is not a setting.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

#ifdef _WIN32
constexpr const char* kNewline = "\r\n";
#else
constexpr const char* kNewline = "\n";
#endif

fs::path Utf8Path(const std::string& text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}

std::string WithoutDots(std::string text) {
  std::erase(text, '.');
  return text;
}

// Setting names are program constants; refuse anything that could leave the store.
bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("/\\:", 0) == std::string::npos && name.find('\0') == std::string::npos;
}

// The first line of a file, without its line end; nullopt when the file is missing,
// unreadable or empty (no line at all).
std::optional<std::string> FirstLine(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string line;
  char c;
  bool any = false;
  while (line.size() < kMaxLineBytes && in.get(c)) {
    any = true;
    if (c == '\n' || c == '\r') break;
    line.push_back(c);
  }
  if (!any) return std::nullopt;
  return DecodeSettingText(line);
}

bool WriteLineFile(const fs::path& file, const std::string& bytes) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  if (!fs::is_directory(file.parent_path(), ec)) return false;
  // Written beside and renamed over, so a failed write keeps the old value.
  fs::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << bytes << kNewline;
    out.close();
    if (!out) {
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, file, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace

std::vector<fs::path> DefaultTextStoreCandidates(const fs::path& homeDir) {
#ifdef _WIN32
  (void)homeDir;
  return {fs::path("d:\\RegRepl"), fs::path("c:\\RegRepl")};
#else
  if (homeDir.empty()) return {};
  return {homeDir / "RegRepl"};
#endif
}

std::string RootKeyName(RootKey root) {
  switch (root) {
    case kHkeyClassesRoot:
      return "HKEY_CLASSES_ROOT";
    case kHkeyCurrentUser:
      return "HKEY_CURRENT_USER";
    case kHkeyLocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case kHkeyUsers:
      return "HKEY_USERS";
    case kHkeyPerformanceData:
      return "HKEY_PERFORMANCE_DATA";
    case kHkeyCurrentConfig:
      return "HKEY_CURRENT_CONFIG";
    case kHkeyDynData:
      return "HKEY_DYN_DATA";
    default:
      return "HKEY_NONE";
  }
}

std::int32_t LeadingInteger(const std::string& line) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '-' || line[i] == '+')) {
    negative = line[i] == '-';
    ++i;
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  std::int64_t value = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    value = value * 10 + (line[i] - '0');
    if (value > kMax + 1) value = kMax + 1;  // saturate; keeps the sum bounded
  }
  if (negative) value = -value;
  if (value > kMax) return static_cast<std::int32_t>(kMax);
  if (value < kMin) return static_cast<std::int32_t>(kMin);
  return static_cast<std::int32_t>(value);
}

Regist::Regist(SettingsBackend& backend, std::vector<fs::path> candidates,
               fs::path registryFallbackDir)
    : backend_(backend),
      candidates_(std::move(candidates)),
      registryFallbackDir_(std::move(registryFallbackDir)) {}

void Regist::SettingsInit(const SettingsIdentity& identity) {
  identity_ = identity;
  textStoreDir_.clear();
  for (const fs::path& candidate : candidates_) {
    std::error_code ec;
    if (!candidate.empty() && fs::is_directory(candidate, ec)) {
      textStoreDir_ = candidate;
      break;
    }
  }
}

std::string Regist::settingsKey() const {
  return "Software\\" + identity_.company + "\\" + identity_.application + "\\" + identity_.version;
}

std::optional<fs::path> Regist::textFilePath(const fs::path& baseDir, const std::string& name,
                                             RootKey root) const {
  if (baseDir.empty() || !IsPlainFileName(name)) return std::nullopt;
  // Dots go from the part below the store only: removed from the store directory itself they
  // would name another directory ("../x" would become "/x").
  fs::path path = baseDir;
  for (const std::string& part : {RootKeyName(root), std::string("Software"), identity_.company,
                                  identity_.application, identity_.version}) {
    std::string clean = WithoutDots(part);
    if (!clean.empty()) path /= Utf8Path(clean);
  }
  return path / Utf8Path(name + ".txt");
}

std::optional<fs::path> Regist::readFileFor(const std::string& name, RootKey root) const {
  return textFilePath(registryMode() ? registryFallbackDir_ : textStoreDir_, name, root);
}

std::int32_t Regist::ReadIntSetting(const std::string& name, RootKey root) {
  std::int32_t value = backend_.readInt(root, settingsKey(), name).value_or(kMissingInt);
  if (registryMode() && value != kMissingInt) return value;
  if (auto file = readFileFor(name, root)) {
    if (auto line = FirstLine(*file)) value = LeadingInteger(*line);
  }
  return value;
}

std::string Regist::ReadTextSetting(const std::string& name, RootKey root) {
  std::string value = backend_.readText(root, settingsKey(), name).value_or(std::string());
  if (registryMode() && !value.empty()) return value;
  if (auto file = readFileFor(name, root)) {
    if (auto line = FirstLine(*file)) value = std::move(*line);
  }
  return value;
}

bool Regist::WriteIntSetting(const std::string& name, RootKey root, std::int32_t value) {
  if (registryMode()) return backend_.writeInt(root, settingsKey(), name, value);
  auto file = textFilePath(textStoreDir_, name, root);
  return file && WriteLineFile(*file, std::to_string(value));
}

bool Regist::WriteTextSetting(const std::string& name, RootKey root, const std::string& value) {
  if (registryMode()) return backend_.writeText(root, settingsKey(), name, value);
  auto file = textFilePath(textStoreDir_, name, root);
  return file && WriteLineFile(*file, EncodeSettingText(value));
}

}  // namespace core
