#include "core/settings/textcodec.h"

#include <string_view>

#include "core/util/text.h"

namespace core {

namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";
}  // namespace

std::string DecodeSettingText(const std::string& bytes) {
  if (bytes.rfind(kBom, 0) == 0) return bytes.substr(kBom.size());
  if (IsValidUtf8(bytes)) return bytes;
  return Cp1252ToUtf8(bytes);
}

std::string EncodeSettingText(const std::string& utf8) {
  if (IsValidUtf8(utf8)) {
    const std::string bytes = Utf8ToCp1252(utf8);
    // Windows-1252 only when no character is lost and the bytes read back as the same text.
    if (Cp1252ToUtf8(bytes) == utf8 && DecodeSettingText(bytes) == utf8) return bytes;
  }
  return std::string(kBom) + utf8;
}

}  // namespace core
