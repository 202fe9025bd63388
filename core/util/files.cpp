#include "core/util/files.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <type_traits>

#include <sys/stat.h>

namespace core {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) {
  return c == '/' || c == static_cast<char>(fs::path::preferred_separator);
}

std::size_t LastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsSeparator(path[i - 1])) return i - 1;
  }
  return std::string_view::npos;
}

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f != nullptr) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

fs::path PathFromUtf8(std::string_view text) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

std::FILE* OpenFile(std::string_view path, const char* mode) {
  if constexpr (std::is_same_v<fs::path::value_type, char>) {
    // The path text is the native one here; no need to parse it into components.
    return std::fopen(std::string(path).c_str(), mode);
  } else {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(PathFromUtf8(path).c_str(), wideMode.c_str());
#else
    return nullptr;
#endif
  }
}

std::string FileNameText(const fs::path& path) {
  if constexpr (std::is_same_v<fs::path::value_type, char>) {
    return std::string(FileNameView(path.native()));
  } else {
    return Utf8FromPath(path.filename());
  }
}

std::string Utf8FromPath(const fs::path& path) {
  const std::u8string s = path.u8string();
  return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

std::string WithTrailingSeparator(std::string_view directory) {
  std::string out(directory);
  if (!out.empty() && !IsSeparator(out.back())) out.push_back(kPathSeparator);
  return out;
}

std::string_view FileNameView(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string FileNameOf(std::string_view path) {
  return std::string(FileNameView(path));
}

std::string BaseNameOf(std::string_view path) {
  std::string name = FileNameOf(path);
  const std::size_t dot = name.find('.');
  if (dot != std::string::npos) name.resize(dot);
  return name;
}

std::string AbsoluteDirectoryOf(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  const std::string dir(sep == std::string_view::npos ? std::string_view()
                                                      : path.substr(0, sep + 1));
  std::error_code ec;
  fs::path abs = fs::absolute(dir.empty() ? fs::path(".") : PathFromUtf8(dir), ec);
  if (ec) return dir;
  abs = abs.lexically_normal();
  return WithTrailingSeparator(Utf8FromPath(abs));
}

bool FileExists(std::string_view path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(PathFromUtf8(path), ec);
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(std::string_view path) {
  FilePtr f(OpenFile(path, "rb"));
  if (!f) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::uint8_t buf[8192];
  for (;;) {
    const std::size_t n = std::fread(buf, 1, sizeof buf, f.get());
    bytes.insert(bytes.end(), buf, buf + n);
    if (n < sizeof buf) break;
  }
  if (std::ferror(f.get())) return std::nullopt;
  return bytes;
}

bool ReplaceFileAtomically(std::string_view path, const void* data, std::size_t size,
                           const std::optional<DateTime>& mtime) {
  static std::atomic<unsigned> counter{0};
  const fs::path target = PathFromUtf8(path);
  fs::path temp;
  FilePtr f;
  // "x" refuses an existing file, so a leftover temporary file is never reused.
  for (int attempt = 0; attempt < 100 && !f; ++attempt) {
    temp = target;
    temp += ".tmp" + std::to_string(counter++);
    f.reset(OpenFile(Utf8FromPath(temp), "wbx"));
  }
  std::error_code ec;
  if (!f) return false;
  bool ok = size == 0 || std::fwrite(data, 1, size, f.get()) == size;
  ok = (std::fflush(f.get()) == 0) && ok;
  ok = (std::fclose(f.release()) == 0) && ok;
  if (ok && mtime) ok = SetFileModifiedLocal(Utf8FromPath(temp), *mtime);
  if (ok) {
    fs::rename(temp, target, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(temp, ec);
  return ok;
}

bool RemoveFile(std::string_view path) {
  if (path.empty()) return true;
  std::error_code ec;
  const fs::path p = PathFromUtf8(path);
  const fs::file_status st = fs::symlink_status(p, ec);
  if (ec || !fs::exists(st)) return true;
  if (fs::is_directory(st)) return false;  // never take a directory for a file
  fs::remove(p, ec);
  return !ec;
}

std::optional<DateTime> FileModifiedLocal(std::string_view path) {
  std::error_code ec;
  const fs::file_time_type ft = fs::last_write_time(PathFromUtf8(path), ec);
  if (ec) return std::nullopt;
  const auto sys = std::chrono::file_clock::to_sys(ft);
  const auto secs = std::chrono::floor<std::chrono::seconds>(sys);
  return LocalFromTime(std::chrono::system_clock::to_time_t(
      std::chrono::system_clock::time_point(secs.time_since_epoch())));
}

std::optional<DateTime> FileModifiedLocal(std::FILE* file) {
#if defined(_WIN32)
  struct _stat64 st;
  if (file == nullptr || _fstat64(_fileno(file), &st) != 0) return std::nullopt;
#else
  struct stat st;
  if (file == nullptr || fstat(fileno(file), &st) != 0) return std::nullopt;
#endif
  return LocalFromTime(static_cast<std::time_t>(st.st_mtime));
}

bool SetFileModifiedLocal(std::string_view path, const DateTime& t) {
  const std::optional<std::time_t> tt = TimeFromLocal(t);
  if (!tt) return false;
  const auto sys = std::chrono::system_clock::from_time_t(*tt);
  std::error_code ec;
  fs::last_write_time(PathFromUtf8(path), std::chrono::file_clock::from_sys(sys), ec);
  return !ec;
}

}  // namespace core
