#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace core {

/// Text without leading and trailing blanks and tabs (other white space is kept).
std::string TrimBlanks(std::string_view text);

/// Text with the letters a to z made capital; every other byte unchanged (UTF-8 safe).
std::string UpperAscii(std::string_view text);

/// True when a and b are equal after UpperAscii of both (how file names are compared).
bool EqualFileNames(std::string_view a, std::string_view b);

/// Windows-1252 bytes as UTF-8. Every byte maps to one character; the five bytes the code page
/// leaves undefined map to U+0081, U+008D, U+008F, U+0090, U+009D so that nothing is lost.
std::string Cp1252ToUtf8(std::string_view bytes);

/// The Windows-1252 byte of a character, or -1 when the code page lacks it.
int Cp1252ByteOf(char32_t c);

/// UTF-8 as Windows-1252 bytes; characters the code page lacks and invalid UTF-8 give "?".
std::string Utf8ToCp1252(std::string_view text);

/// Decodes the character at text[pos] and advances pos past it. An invalid or truncated
/// sequence counts as one character U+FFFD of one byte. pos must be below text.size().
char32_t Utf8Next(std::string_view text, std::size_t& pos);

/// Appends the UTF-8 encoding of c (c up to U+10FFFF; surrogates and above give U+FFFD).
void AppendUtf8(std::string& out, char32_t c);

/// True when text is well-formed UTF-8 (no stray, truncated, overlong or surrogate sequences).
bool IsValidUtf8(std::string_view text);

/// The characters of a UTF-8 text (invalid bytes as U+FFFD, one each).
std::u32string Utf8Decode(std::string_view text);

/// Number of characters (not bytes) of a UTF-8 text, counted as Utf8Next does.
std::size_t Utf8Length(std::string_view text);

/// Splits text at CR LF, lone LF and lone CR; a final line break does not start a new line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace core
