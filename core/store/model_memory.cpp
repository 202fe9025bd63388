#include "core/store/model_memory.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/util/files.h"
#include "core/util/text.h"

namespace core {

namespace {

struct CodeChar {
  std::uint8_t code;
  char32_t character;
  char32_t alsoFrom;  // a second character read as this code (0: none)
};

// The transmitter's character code beyond the letters (1..26) and digits (53..62).
constexpr CodeChar kSignCodes[] = {
    {63, U'-', 0}, {64, U'.', 0},    {65, U'/', 0},    {66, U'<', 0},
    {67, U'>', 0}, {71, U'Ä', U'ä'}, {72, U'Ö', U'ö'}, {73, U'Ü', U'ü'},
};

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

char32_t CodeToChar(std::uint8_t code, bool fileNameMode) {
  if (code >= 1 && code <= 26) return U'A' + (code - 1);
  if (code >= 53 && code <= 62) return U'0' + (code - 53);
  if (!fileNameMode) {
    for (const CodeChar& row : kSignCodes) {
      if (row.code == code) return row.character;
    }
  }
  return U' ';
}

std::uint8_t CharToCode(char32_t c) {
  if (c >= U'A' && c <= U'Z') return static_cast<std::uint8_t>(c - U'A' + 1);
  if (c >= U'0' && c <= U'9') return static_cast<std::uint8_t>(c - U'0' + 53);
  for (const CodeChar& row : kSignCodes) {
    if (row.character == c || (row.alsoFrom != 0 && row.alsoFrom == c)) return row.code;
  }
  return 0;
}

std::string NameText(const ModellSpeicherTyp* record) {
  std::string text;
  if (record == nullptr) return text;
  // Called for every record on every sort and tree rebuild: convert through a table.
  static const std::array<std::string, 256> kUtf8 = [] {
    std::array<std::string, 256> table;
    for (int code = 0; code < 256; ++code) {
      AppendUtf8(table[code], CodeToChar(static_cast<std::uint8_t>(code), false));
    }
    return table;
  }();
  text.reserve(2 * kNameLength);
  for (int i = 0; i < kNameLength; ++i) text += kUtf8[record->image[i]];
  return text;
}

std::string TrimmedName(const ModellSpeicherTyp* record) {
  return TrimBlanks(NameText(record));
}

void SetNameFromText(ModellSpeicherTyp& record, std::string_view text) {
  const std::u32string chars = Utf8Decode(UpperAscii(TrimBlanks(text)));
  for (int i = 0; i < kNameLength; ++i) {
    record.image[i] = i < static_cast<int>(chars.size()) ? CharToCode(chars[i]) : 0;
  }
}

std::string FileNameStem(const ModellSpeicherTyp& record) {
  std::string stem;
  for (int i = 0; i < kNameLength; ++i) {
    const std::uint8_t code = record.image[i];
    if (code == 0) continue;
    if (code == 71) {
      stem += "AE";
    } else if (code == 72) {
      stem += "OE";
    } else if (code == 73) {
      stem += "UE";
    } else {
      const char32_t c = CodeToChar(code, true);
      if (c != U' ') stem.push_back(static_cast<char>(c));
    }
  }
  return stem.empty() ? "Modell" : stem;
}

void SetDateNow(ModellSpeicherTyp& record) {
  record.dateText = FormatDateText(LocalNow());
}

void ResetModelMemory(ModellSpeicherTyp& record) {
  record.reset();
  std::vector<std::string>().swap(record.comment);
}

std::string CommentFilePath(std::string_view modelFilePath) {
  return AbsoluteDirectoryOf(modelFilePath) + StemOf(modelFilePath) + ".TXT";
}

std::string FindCommentFile(std::string_view modelFilePath) {
  const std::string directory = AbsoluteDirectoryOf(modelFilePath);
  const std::string name = StemOf(modelFilePath) + ".TXT";
  return directory + FindNameCaseBlind(directory, name).value_or(name);
}

bool LoadModelMemory(ModellSpeicherTyp& record, std::string_view path) {
  const std::string comment = FindCommentFile(path);
  const std::string name = FileNameOf(comment);
  return LoadModelMemoryListed(record, path, AbsoluteDirectoryOf(comment), &name);
}

bool LoadModelMemoryListed(ModellSpeicherTyp& record, std::string_view path,
                           std::string_view absoluteDirectory, const std::string* commentName) {
  {
    // One read fills this buffer with the whole file; no heap buffer, no size query.
    // Declared first: it must outlive the stream.
    char buffer[kHeaderSize + 2 + kImageSize];
    std::unique_ptr<std::FILE, FileCloser> f(OpenFile(path, "rb"));
    if (!f) return false;
    std::setvbuf(f.get(), buffer, _IOFBF, sizeof buffer);
    std::uint8_t head[kHeaderSize + 2];
    if (std::fread(head, 1, sizeof head, f.get()) != sizeof head) return false;
    std::copy(head, head + kHeaderSize, record.header.begin());
    // A record never holds a length above 2048, not even one whose load failed.
    if (head[kHeaderSize] * 256 + head[kHeaderSize + 1] > kImageSize) return false;
    record.lengthBytes = {head[kHeaderSize], head[kHeaderSize + 1]};
    record.dataLength = record.lengthBytes[0] * 256 + record.lengthBytes[1];
    if (std::fread(record.image.data(), 1, record.dataLength, f.get()) !=
        static_cast<std::size_t>(record.dataLength)) {
      return false;
    }
    if (const std::optional<DateTime> t = FileModifiedLocal(f.get())) {
      record.dateText = FormatDateText(*t);
    }
    const std::uint64_t hash =
        HashBytes(record.image.data(), record.dataLength, HashBytes(head, sizeof head));
    record.imageStamp = StampOfOpenFile(f.get(), hash, sizeof head + record.dataLength, path);
  }
  if (record.header != kFileHeader) return false;

  record.inUse = true;
  record.deleted = false;
  record.fileName = std::string(path);
  record.imageSaved = true;
  record.commentSaved = true;
  record.stampsKnown = true;

  record.comment.clear();
  record.hasComment = false;
  record.commentUnreadable = false;
  record.commentStamp = FileStamp{};
  if (commentName == nullptr) return true;
  const std::string commentPath = std::string(absoluteDirectory) + *commentName;
  const ReadResult read = ReadRegularFile(commentPath);
  if (read.status == ReadStatus::kMissing) return true;
  record.commentStamp = StampOfFile(commentPath);
  if (read.status == ReadStatus::kRefused) {
    record.commentUnreadable = true;
  } else if (!read.bytes.empty()) {
    const std::string_view raw(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size());
    record.comment = SplitLines(Cp1252ToUtf8(raw));
    record.hasComment = true;
  }
  return true;
}

bool WriteModelImage(const ModellSpeicherTyp& record, std::string_view path) {
  const int n = std::clamp(record.dataLength, 0, kImageSize);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kHeaderSize + 2 + n);
  bytes.insert(bytes.end(), record.header.begin(), record.header.end());
  bytes.insert(bytes.end(), record.lengthBytes.begin(), record.lengthBytes.end());
  bytes.insert(bytes.end(), record.image.begin(), record.image.begin() + n);
  return ReplaceFileAtomically(path, bytes.data(), bytes.size(), ParseDateText(record.dateText));
}

WriteOutcome WriteModelMemory(const ModellSpeicherTyp& record, std::string_view path) {
  WriteOutcome outcome;
  if (!record.imageSaved) outcome.image = WriteModelImage(record, path);
  // A comment file that could not be read is never rewritten or removed.
  if (!record.commentSaved && !record.commentUnreadable) {
    const std::string commentPath = FindCommentFile(path);
    if (record.hasComment) {
      std::string text;
      for (const std::string& line : record.comment) {
        text += Utf8ToCp1252(line);
        text += "\r\n";
      }
      outcome.comment = ReplaceFileAtomically(commentPath, text.data(), text.size());
    } else {
      outcome.comment = RemoveFile(commentPath);
    }
  }
  return outcome;
}

}  // namespace core
