#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/util/datetime.h"
#include "core/util/file_stamp.h"

namespace core {

/// The platform's path separator as text ("/" or "\").
inline constexpr char kPathSeparator =
    static_cast<char>(std::filesystem::path::preferred_separator);

/// A std::filesystem path of a UTF-8 path text.
std::filesystem::path PathFromUtf8(std::string_view text);

/// std::fopen for a UTF-8 path text; null when it cannot be opened.
std::FILE* OpenFile(std::string_view path, const char* mode);

/// The UTF-8 file name (last component) of a path, without building a new path object.
std::string FileNameText(const std::filesystem::path& path);

/// The UTF-8 text of a std::filesystem path.
std::string Utf8FromPath(const std::filesystem::path& path);

/// The directory text with the path separator at its end (empty stays empty).
std::string WithTrailingSeparator(std::string_view directory);

/// The last component of a path text (after the last separator).
std::string FileNameOf(std::string_view path);
std::string_view FileNameView(std::string_view path);

/// The file name up to its first "." ("ASW28_2.FC" -> "ASW28_2").
std::string BaseNameOf(std::string_view path);

/// The file name without its last extension ("ASW28.backup.fc" -> "ASW28.backup").
std::string StemOf(std::string_view path);

/// The name of the entry of directory (empty: the working directory) that equals name
/// case-blind (a..z as A..Z); an exact match wins. None when there is none.
std::optional<std::string> FindNameCaseBlind(std::string_view directory, std::string_view name);

/// The directory of a path, made absolute, with the separator at its end.
std::string AbsoluteDirectoryOf(std::string_view path);

/// True when path names an existing regular file (or a link to one).
bool FileExists(std::string_view path);

/// The whole file as bytes; none when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(std::string_view path);

inline constexpr std::size_t kMaxTextFileBytes = 1 << 20;  // comment files are read up to 1 MiB

/// What ReadRegularFile found.
enum class ReadStatus {
  kRead,     // a regular file, read whole
  kMissing,  // nothing at the path
  kRefused,  // not a regular file (FIFO, device, directory), larger than the limit, or unreadable
};

/// A regular file of at most maxBytes, read whole; never blocks on a FIFO or device and never
/// reads more than maxBytes + 1 bytes.
struct ReadResult {
  ReadStatus status = ReadStatus::kMissing;
  std::vector<std::uint8_t> bytes;
  int error = 0;  // errno of a refused open (EACCES for "permission denied"), else 0
};
ReadResult ReadRegularFile(std::string_view path, std::size_t maxBytes = kMaxTextFileBytes);

/// The stamp of the file at path now (exists false when nothing is there).
FileStamp StampOfFile(std::string_view path);

/// The stamp of a file open for reading whose whole content of contentSize bytes hashed to
/// contentHash; when the file is longer, its content is read again through path.
FileStamp StampOfOpenFile(std::FILE* file, std::uint64_t contentHash, std::uint64_t contentSize,
                          std::string_view path);

/// A 64-bit hash of bytes (the content part of a FileStamp); seed continues an earlier hash
/// of bytes that ended on a multiple of 8.
inline constexpr std::uint64_t kHashSeed = 14695981039346656037ull;
std::uint64_t HashBytes(const void* data, std::size_t size, std::uint64_t seed = kHashSeed);

/// Writes bytes to a temporary file (a short random name) in the target's directory, flushes it
/// to disk and renames it over path, then flushes the directory: after a crash or power loss the
/// path holds the old or the new bytes, never a torn file. Through a symbolic link the link's
/// target is written and the link kept; an existing file keeps its permission bits (and owner,
/// where allowed). With mtime the file's modification time is set to that local time. False
/// when anything failed (the temporary file is removed).
bool ReplaceFileAtomically(std::string_view path, const void* data, std::size_t size,
                           const std::optional<DateTime>& mtime = std::nullopt);

/// Removes a file; a missing file is no error. False only when an existing file stays.
bool RemoveFile(std::string_view path);

/// The file's last-modification time as local time; none when it cannot be read.
std::optional<DateTime> FileModifiedLocal(std::string_view path);

/// The same for a file open for reading (no second look-up of its path).
std::optional<DateTime> FileModifiedLocal(std::FILE* file);

/// Sets the file's last-modification time to a local time; false on failure.
bool SetFileModifiedLocal(std::string_view path, const DateTime& t);

}  // namespace core
