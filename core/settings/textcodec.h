#pragma once

#include <string>

namespace core {

/// Bytes of a setting text file to UTF-8: a UTF-8 byte order mark or valid UTF-8 is taken as
/// UTF-8, anything else as Windows-1252 (the encoding of settings files on Windows).
std::string DecodeSettingText(const std::string& bytes);

/// UTF-8 text to the bytes of a setting text file: Windows-1252 when every character has a
/// code there and the result cannot be mistaken for UTF-8, else a byte order mark and UTF-8.
/// DecodeSettingText(EncodeSettingText(t)) == t for valid UTF-8 t.
std::string EncodeSettingText(const std::string& utf8);

}  // namespace core
