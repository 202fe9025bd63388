#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/model/dump.h"
#include "core/model/model_types.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "core/util/text.h"
#include "tools/cli/commands.h"

namespace cli {

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "veltrano-cli: %s\n", message.c_str());
  return 1;
}

// Options that take a value, and the positional arguments, of one command line.
struct Parsed {
  Args positional;
  std::optional<std::string> version;
  std::optional<std::string> language;
  bool plain = false;
  bool addresses = false;
  std::string error;
};

Parsed Parse(const Args& args, bool allowVersion, bool allowPlain, bool allowLanguage) {
  Parsed p;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = (a == "--version" && allowVersion) || (a == "--language" && allowLanguage);
    if (takesValue) {
      if (i + 1 >= args.size()) {
        p.error = "option " + a + " needs a value";
        return p;
      }
      (a == "--version" ? p.version : p.language) = args[++i];
    } else if (a == "--plain" && allowPlain) {
      p.plain = true;
    } else if (a == "--addresses" && allowPlain) {
      p.addresses = true;
    } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      p.error = "unknown option " + a;
      return p;
    } else {
      p.positional.push_back(a);
    }
  }
  return p;
}

// The configured transmitter version of an option text; none when it is not 30, 31 or 32.
std::optional<int> VersionOf(const std::optional<std::string>& text) {
  if (!text) return 32;
  if (*text == "30") return 30;
  if (*text == "31") return 31;
  if (*text == "32") return 32;
  return std::nullopt;
}

std::optional<core::NewMemoryLanguage> LanguageOf(const std::optional<std::string>& text) {
  if (!text) return core::NewMemoryLanguage::Englisch;
  std::string upper = core::UpperAscii(*text);
  if (upper == "ENGLISCH") return core::NewMemoryLanguage::Englisch;
  if (upper == "DEUTSCH") return core::NewMemoryLanguage::Deutsch;
  if (upper == "FRANZöSISCH" || upper == "FRANZÖSISCH") return core::NewMemoryLanguage::Franzoesisch;
  return std::nullopt;
}

}  // namespace

bool LoadMemoryFile(core::ModellSpeicherTyp& record, const std::string& path,
                    std::string& error) {
  if (!core::FileExists(path)) {
    error = "cannot read '" + path + "'";
    return false;
  }
  // Say why a file cannot be opened ("permission denied") rather than blaming its contents.
  errno = 0;
  if (std::FILE* f = core::OpenFile(path, "rb")) {
    std::fclose(f);
  } else {
    std::string why = std::strerror(errno);
    if (!why.empty()) why[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(why[0])));
    error = "cannot read '" + path + "': " + why;
    return false;
  }
  if (!core::LoadModelMemory(record, path)) {
    error = "'" + path + "' is no model memory file (header FC2830, at most 2048 data bytes)";
    return false;
  }
  return true;
}


int CmdNew(const Args& args) {
  const Parsed p = Parse(args, false, false, true);
  if (!p.error.empty()) return Fail(p.error);
  if (p.positional.size() != 2) return Fail("usage: new TYPE [--language englisch|deutsch|französisch] OUT.fc");
  const std::string type = core::UpperAscii(p.positional[0]);
  bool known = false;
  for (const core::ModelTypeRow& t : core::kModelTypes) known |= type == t.newMemoryText;
  if (!known) return Fail("unknown model type '" + p.positional[0] + "' (for example \"glider 2 servos\")");
  const auto language = LanguageOf(p.language);
  if (!language) return Fail("unknown language '" + *p.language + "' (englisch, deutsch, französisch)");
  const std::string& out = p.positional[1];
  if (core::FileExists(out)) return Fail("'" + out + "' exists already; not overwritten");

  core::ModellSpeicherTyp record;
  core::FillDefaultMemory(record, core::ModelTypeMaskOfText(type), *language, 32);
  core::SetDateNow(record);
  // The image alone: a new memory has no comment file to write or remove.
  if (!core::WriteModelImage(record, out)) return Fail("cannot write '" + out + "'");
  return 0;
}

int CmdDump(const Args& args) {
  const Parsed p = Parse(args, true, true, false);
  if (!p.error.empty()) return Fail(p.error);
  if (p.positional.size() != 1)
    return Fail("usage: dump FILE.fc [--version 30|31|32] [--plain] [--addresses]");
  const auto version = VersionOf(p.version);
  if (!version) return Fail("unknown version '" + *p.version + "' (30, 31 or 32)");
  core::ModellSpeicherTyp record;
  std::string error;
  if (!LoadMemoryFile(record, p.positional[0], error)) return Fail(error);
  const std::string text = core::DumpText(record, *version, p.plain, p.addresses);
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return Fail("cannot write to standard output");
  return 0;
}

int CmdSet(const Args& args) {
  const Parsed p = Parse(args, true, false, false);
  if (!p.error.empty()) return Fail(p.error);
  if (p.positional.size() != 3)
    return Fail("usage: set FILE.fc (NAME | @ADDRESS.BIT) TEXT [--version 30|31|32]");
  const auto version = VersionOf(p.version);
  if (!version) return Fail("unknown version '" + *p.version + "' (30, 31 or 32)");
  const std::string& path = p.positional[0];
  core::ModellSpeicherTyp record;
  std::string error;
  if (!LoadMemoryFile(record, path, error)) return Fail(error);

  const auto entries = core::DumpMemory(record, *version, false);
  const core::DumpEntry* entry = core::FindDumpEntry(entries, p.positional[1]);
  if (!entry) return Fail("no value named '" + p.positional[1] + "' in '" + path + "'");

  const auto before = record.image;
  const int result = core::SetParameterText(entry->address, entry->bit, &record, true,
                                            p.positional[2], *version);
  // Bytes beyond the file's data length are not saved: refuse rather than lose the change.
  for (int i = record.dataLength; i < core::kImageSize; ++i)
    if (record.image[static_cast<std::size_t>(i)] != before[static_cast<std::size_t>(i)])
      return Fail("the change reaches beyond the " + std::to_string(record.dataLength) +
                  " data bytes of '" + path + "'; file left unchanged");
  if (record.image != before) {
    if (!core::WriteModelImage(record, path)) return Fail("cannot write '" + path + "'");
  }
  std::printf("%d\n", result);
  return 0;
}

}  // namespace cli
