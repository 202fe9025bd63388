#include "tools/cli/command_line.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/store/model_memory.h"
#include "core/util/files.h"

namespace cli {

int Fail(const std::string& message, int code) {
  std::fprintf(stderr, "veltrano-cli: %s\n", message.c_str());
  return code;
}

int Flush(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return Fail("cannot write to standard output");
  return 0;
}

std::optional<std::string> CommandLine::Value(const char* option) const {
  const auto it = options.find(option);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

CommandLine ParseCommandLine(const Args& args, std::initializer_list<const char*> valued,
                             std::initializer_list<const char*> flags) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size() && line.error.empty(); ++i) {
    const std::string& a = args[i];
    bool known = false;
    for (const char* v : valued) {
      if (a != v) continue;
      known = true;
      if (i + 1 >= args.size())
        line.error = "option " + a + " needs a value";
      else if (line.Has(v))
        line.error = "option " + a + " given twice";
      else
        line.options[a] = args[++i];
    }
    for (const char* f : flags)
      if (a == f) known = true, line.options[a] = "";
    if (!known && a.size() > 2 && a.compare(0, 2, "--") == 0)
      line.error = "unknown option " + a;
    else if (!known)
      line.positional.push_back(a);
  }
  if (const auto v = line.Value("--version"); v && line.error.empty()) {
    if (*v == "30" || *v == "31" || *v == "32")
      line.version = std::stoi(*v);
    else
      line.error = "unknown version '" + *v + "' (30, 31 or 32)";
  }
  return line;
}

bool LoadMemoryFile(core::ModellSpeicherTyp& record, const std::string& path, std::string& error) {
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

bool SaveMemoryFile(core::ModellSpeicherTyp& record, const core::ImageBytes& before,
                    const std::string& path, std::string& error) {
  // Bytes beyond the file's data length are not saved: refuse rather than lose the change.
  for (int i = record.dataLength; i < core::kImageSize; ++i)
    if (record.image[static_cast<std::size_t>(i)] != before[static_cast<std::size_t>(i)]) {
      error = "the change reaches beyond the " + std::to_string(record.dataLength) +
              " data bytes of '" + path + "'; file left unchanged";
      return false;
    }
  if (!core::WriteModelImage(record, path)) {
    error = "cannot write '" + path + "'";
    return false;
  }
  return true;
}

}  // namespace cli
