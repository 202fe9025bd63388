#include "core/util/files.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <system_error>
#include <type_traits>
#ifndef _WIN32
#include <unistd.h>
#endif

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

bool EqualNamesCaseBlind(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    if (up(a[i]) != up(b[i])) return false;
  }
  return true;
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

std::string StemOf(std::string_view path) {
  std::string name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return name;
}

std::optional<std::string> FindNameCaseBlind(std::string_view directory, std::string_view name) {
  std::error_code ec;
  const fs::path dir = directory.empty() ? fs::path(".") : PathFromUtf8(directory);
  if (fs::exists(fs::symlink_status(dir / PathFromUtf8(name), ec))) return std::string(name);
  std::optional<std::string> found;
  for (fs::directory_iterator it(dir, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    std::string entry = FileNameText(it->path());
    if (EqualNamesCaseBlind(entry, name)) {
      found = std::move(entry);
      break;
    }
  }
  return found;
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

#ifndef _WIN32

namespace {

// Follows symbolic links from path to the file they name (which need not exist yet).
fs::path FollowLinks(fs::path path) {
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
    const fs::path to = fs::read_symlink(path, ec);
    if (ec) break;
    path = to.is_absolute() ? to : path.parent_path() / to;
  }
  return path;
}

bool WriteAll(int fd, const void* data, std::size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

mode_t NewFileMode() {
  // The process's umask, read by setting it and putting it back at once.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void SyncDirectory(const fs::path& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool ReplaceFileAtomically(std::string_view path, const void* data, std::size_t size,
                           const std::optional<DateTime>& mtime) {
  const fs::path target = FollowLinks(PathFromUtf8(path));
  const fs::path dir = target.parent_path();
  // Short and random: no leftover of a crashed run can block it, and no long name overflows.
  std::string temp = (dir.empty() ? std::string() : dir.native() + "/") + ".vt" + "XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  struct stat old;
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    // Without the right to give the file away it stays ours; the bits are kept either way.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) errno = 0;
    ::fchmod(fd, old.st_mode & 07777);
  } else {
    ::fchmod(fd, NewFileMode());
  }
  bool ok = WriteAll(fd, data, size);
  if (ok && mtime) {
    const std::optional<std::time_t> t = TimeFromLocal(*mtime);
    const struct timespec times[2] = {{0, UTIME_NOW}, {t ? *t : 0, 0}};
    ok = t && ::futimens(fd, times) == 0;
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncDirectory(dir);
  return true;
}

#else

bool ReplaceFileAtomically(std::string_view path, const void* data, std::size_t size,
                           const std::optional<DateTime>& mtime) {
  const fs::path target = PathFromUtf8(path);
  static std::mt19937_64 random{std::random_device{}()};
  fs::path temp;
  FilePtr f;
  for (int attempt = 0; attempt < 100 && !f; ++attempt) {
    temp = target.parent_path() / (".vt" + std::to_string(random() % 1000000));
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

#endif

ReadResult ReadRegularFile(std::string_view path, std::size_t maxBytes) {
  ReadResult result;
  const fs::path p = PathFromUtf8(path);
  std::error_code ec;
  const fs::file_status st = fs::status(p, ec);  // follows links
  if (!fs::exists(st)) {
    // A link to nothing is something the user made: refuse rather than call it missing.
    if (fs::is_symlink(fs::symlink_status(p, ec))) result.status = ReadStatus::kRefused;
    return result;
  }
  result.status = ReadStatus::kRefused;
  // Never open what is not a regular file: a FIFO would block, a device never end.
  if (!fs::is_regular_file(st)) return result;
#ifndef _WIN32
  const int fd = ::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    result.error = errno;
    return result;
  }
  struct stat fst;
  if (::fstat(fd, &fst) != 0 || !S_ISREG(fst.st_mode) ||
      static_cast<std::uint64_t>(fst.st_size) > maxBytes) {
    ::close(fd);
    return result;
  }
  result.bytes.resize(static_cast<std::size_t>(fst.st_size) + 1);
  std::size_t got = 0;
  while (got < result.bytes.size()) {
    const ssize_t n = ::read(fd, result.bytes.data() + got, result.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.error = errno;
      break;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (result.error != 0 || got > maxBytes) {
    result.bytes.clear();
    return result;
  }
  result.bytes.resize(got);
#else
  const std::uintmax_t size = fs::file_size(p, ec);
  if (ec || size > maxBytes) return result;
  auto bytes = ReadFileBytes(path);
  if (!bytes || bytes->size() > maxBytes) return result;
  result.bytes = std::move(*bytes);
#endif
  result.status = ReadStatus::kRead;
  return result;
}

std::uint64_t HashBytes(const void* data, std::size_t size, std::uint64_t seed) {
  // Eight bytes a step: every file of a directory is hashed at load.
  constexpr std::uint64_t kPrime = 1099511628211ull;
  std::uint64_t h = seed;
  const auto* p = static_cast<const std::uint8_t*>(data);
  for (; size >= 8; p += 8, size -= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    h = (h ^ word) * kPrime;
    h ^= h >> 29;
  }
  for (; size > 0; ++p, --size) h = (h ^ *p) * kPrime;
  return h;
}

FileStamp StampOfOpenFile(std::FILE* file, std::uint64_t contentHash, std::uint64_t contentSize,
                          std::string_view path) {
#ifndef _WIN32
  struct stat st;
  if (file != nullptr && ::fstat(fileno(file), &st) == 0 &&
      static_cast<std::uint64_t>(st.st_size) == contentSize) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = contentSize;
    stamp.mtimeNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    stamp.hash = contentHash;
    return stamp;
  }
#else
  (void)file, (void)contentHash, (void)contentSize;
#endif
  return StampOfFile(path);
}

FileStamp StampOfFile(std::string_view path) {
  FileStamp stamp;
  const fs::path p = PathFromUtf8(path);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(p, ec))) return stamp;
  stamp.exists = true;
#ifndef _WIN32
  struct stat st;
  if (::stat(p.c_str(), &st) == 0) {
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.mtimeNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  }
#else
  stamp.size = fs::file_size(p, ec);
  stamp.mtimeNs = fs::last_write_time(p, ec).time_since_epoch().count();
#endif
  const ReadResult read = ReadRegularFile(path);
  if (read.status == ReadStatus::kRead)
    stamp.hash = HashBytes(read.bytes.data(), read.bytes.size());
  return stamp;
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
