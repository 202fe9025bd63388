#pragma once

// veltrano-cli run as a script runs it, in a fresh directory, so arguments name files relative to
// it. The including test target defines VELTRANO_CLI as the program's path.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/core/util/temp_dir.h"

namespace core::test {

struct CliRun {
  int exitCode = -1;
  std::string out, err;
};

/// One run and what it must give. out: standard output line by line, where a line "..." stands for
/// any number of lines; err: a text standard error holds; keeps: a file the run leaves as it was;
/// absent: a text standard output must not hold.
struct CliCase {
  std::string args;
  int exitCode;
  std::string out;
  std::string err = "";
  std::string keeps = "";
  std::string absent = "";
};

/// The lines of a text whose every line ends with a newline.
inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1)
    lines.push_back(text.substr(at, text.find('\n', at) - at));
  return lines;
}

inline bool LinesMatch(const std::vector<std::string>& lines, std::size_t i,
                       const std::vector<std::string>& pattern, std::size_t p) {
  if (p == pattern.size()) return i == lines.size();
  if (pattern[p] == "...") {
    for (std::size_t j = i; j <= lines.size(); ++j)
      if (LinesMatch(lines, j, pattern, p + 1)) return true;
    return false;
  }
  return i < lines.size() && lines[i] == pattern[p] && LinesMatch(lines, i + 1, pattern, p + 1);
}

class CliTest : public ::testing::Test {
 protected:
  /// Runs veltrano-cli with args (shell words); as goes before the program (e.g. another user).
  CliRun Run(const std::string& args, const std::string& as = "") const {
    const std::string command =
        "cd '" + dir_.dir() + "' && " + as + VELTRANO_CLI + " " + args + " 2>.stderr";
    CliRun r;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
      char buffer[4096];
      for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        r.out.append(buffer, n);
      const int status = ::pclose(pipe);
      r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    r.err = File(".stderr");
    return r;
  }

  /// Runs the cases in order; a case may use the files those before it made.
  void Expect(const std::vector<CliCase>& cases) const {
    for (const CliCase& c : cases) {
      SCOPED_TRACE(c.args);
      const std::string kept = c.keeps.empty() ? "" : File(c.keeps);
      const CliRun r = Run(c.args);
      EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
      EXPECT_TRUE((r.out.empty() || r.out.back() == '\n') &&
                  LinesMatch(LinesOf(r.out), 0, LinesOf(c.out), 0))
          << "printed:\n"
          << r.out << "expected:\n"
          << c.out;
      EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
      EXPECT_TRUE(c.keeps.empty() || File(c.keeps) == kept) << c.keeps << " changed";
      EXPECT_TRUE(c.absent.empty() || r.out.find(c.absent) == std::string::npos) << c.absent;
    }
  }

  std::string Path(const std::string& name) const { return dir_.file(name); }
  std::string File(const std::string& name) const { return testing::ReadText(dir_.file(name)); }

  core::testing::TempDir dir_;
};

}  // namespace core::test
