#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/store/record.h"
#include "core/util/datetime.h"

namespace core {

inline constexpr int kNameLength = 12;           // image bytes 0..11 hold the model name

/// Transmitter character code -> character (Unicode, all Latin-1). Unlisted codes give a blank;
/// in file-name mode only codes 1..26 (A..Z) and 53..62 (0..9) give a character.
char32_t CodeToChar(std::uint8_t code, bool fileNameMode);

/// Character -> transmitter character code; unlisted characters (blank, a..z included) give 0.
std::uint8_t CharToCode(char32_t c);

/// The 12 name characters as UTF-8, blanks kept; empty for no record.
std::string NameText(const ModellSpeicherTyp* record);

/// The name text without leading and trailing blanks and tabs.
std::string TrimmedName(const ModellSpeicherTyp* record);

/// Name bytes 0..11 from a UTF-8 text: trimmed, a..z made capital, one code per character
/// (not per byte), 0 where the text is shorter. Flags are left alone.
void SetNameFromText(ModellSpeicherTyp& record, std::string_view text);

/// Capital letters, digits and spelled-out umlauts of the name; "Modell" when none remain.
std::string FileNameStem(const ModellSpeicherTyp& record);

/// dateText becomes the current local time (LocalNow) as a date text.
void SetDateNow(ModellSpeicherTyp& record);

/// Every field but the list links back to its initial value, with an empty comment.
void ResetModelMemory(ModellSpeicherTyp& record);

/// The comment file path of a model memory file: absolute directory + the file name without
/// its last extension + ".TXT" (ASW28.backup.fc -> ASW28.backup.TXT), so no two share one.
std::string CommentFilePath(std::string_view modelFilePath);

/// The comment file that belongs to a model memory file as it exists: CommentFilePath, or the
/// entry of its directory that equals it case-blind (asw28.txt beside ASW28.FC); CommentFilePath
/// when there is none.
std::string FindCommentFile(std::string_view modelFilePath);

/// Loads a *.fc file and its comment file into a freshly reset record. False (record stays
/// free) when the file cannot be read, is short, declares more than 2048 bytes or lacks "FC2830".
/// A comment file that is no regular file or exceeds 1 MiB is not read: the record's comment
/// is then marked unreadable. The stamps of both files are taken.
bool LoadModelMemory(ModellSpeicherTyp& record, std::string_view path);

/// LoadModelMemory for a caller that has listed the directory: absoluteDirectory (ending with
/// the separator) is where the comment file lives, commentName its name as listed (null: none).
/// Spares the file-system look-ups per file when a whole directory is loaded.
bool LoadModelMemoryListed(ModellSpeicherTyp& record, std::string_view path,
                           std::string_view absoluteDirectory, const std::string* commentName);

/// What WriteModelMemory managed to write; a part that was already saved counts as written.
struct WriteOutcome {
  bool image = true;
  bool comment = true;
  bool ok() const { return image && comment; }
};

/// Writes the unsaved parts of a record: the *.fc file (header, length, dataLength image bytes;
/// modification time = dateText, local) and the comment file (Windows-1252, CR LF; removed when
/// there is no comment; left alone when it was unreadable). Each file goes to a temporary file
/// renamed over the old one, so a failure keeps the old file. Leaves the flags alone: callers set
/// them from the outcome.
WriteOutcome WriteModelMemory(const ModellSpeicherTyp& record, std::string_view path);
/// Writes the model memory file alone, whatever the flags say (header, length, data bytes,
/// date as modification time), by temporary file and rename; false on failure.
bool WriteModelImage(const ModellSpeicherTyp& record, std::string_view path);

}  // namespace core
