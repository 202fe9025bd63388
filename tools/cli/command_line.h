#pragma once

// What every veltrano-cli command shares: reading its command line and its memory file, saying
// what went wrong, writing its output.

#include <initializer_list>
#include <map>
#include <optional>
#include <string>

#include "core/model/defaults.h"
#include "core/store/record.h"
#include "tools/cli/commands.h"

namespace cli {

/// "veltrano-cli: MESSAGE" on standard error; returns code, the exit code.
int Fail(const std::string& message, int code = 1);

/// Writes text to standard output; 0, or 1 after saying that it could not.
int Flush(const std::string& text);

/// Positional arguments and options of one command line; flags map to "".
struct CommandLine {
  Args positional;
  std::map<std::string, std::string> options;
  int version = 32;  // --version, where the command takes it
  std::string error;

  bool Has(const char* option) const { return options.count(option) != 0; }
  std::optional<std::string> Value(const char* option) const;
};

/// Reads options that take a value and flags; an unknown or repeated option, a missing value or
/// a --version other than 30, 31 or 32 is an error.
CommandLine ParseCommandLine(const Args& args, std::initializer_list<const char*> valued,
                             std::initializer_list<const char*> flags = {});

/// Loads a model memory file; false with a message that says why (missing, unreadable with the
/// system's reason, no model memory file).
bool LoadMemoryFile(core::ModellSpeicherTyp& record, const std::string& path, std::string& error);

/// Writes a changed memory back to its file; false with a message when the change reaches beyond
/// the file's data length (the bytes would be lost) or the file cannot be written.
bool SaveMemoryFile(core::ModellSpeicherTyp& record, const core::ImageBytes& before,
                    const std::string& path, std::string& error);

}  // namespace cli
