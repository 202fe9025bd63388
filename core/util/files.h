#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/util/datetime.h"

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

/// The directory of a path, made absolute, with the separator at its end.
std::string AbsoluteDirectoryOf(std::string_view path);

/// True when path names an existing regular file (or a link to one).
bool FileExists(std::string_view path);

/// The whole file as bytes; none when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(std::string_view path);

/// Writes bytes to a temporary file in the target's directory and renames it over path, so a
/// failure leaves the old file untouched. With mtime the file's modification time is set to that
/// local time before the rename. False when anything failed (the temporary file is removed).
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
