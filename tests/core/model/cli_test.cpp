// veltrano-cli new, dump and set as scripts use them: output, exit codes, files left intact.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/editor/explanation.h"
#include "core/model/dump.h"
#include "core/store/model_memory.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltrano_cli_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  CliRun Call(const std::string& args) {
    const fs::path err = dir_ / "stderr.txt";
    const std::string command = std::string(VELTRANO_CLI) + " " + args + " 2>" + Quote(err.string());
    CliRun r;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
    const int status = ::pclose(pipe);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = ReadAll(err);
    return r;
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

TEST_F(Cli, NewMakesWhatTheDialogMakes) {
  const std::string file = Path("g2.fc");
  const CliRun r = Call("new 'glider 2 servos' --language deutsch " + Quote(file));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string bytes = ReadAll(file);
  ASSERT_EQ(bytes.size(), 8u + 1870u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("FC2830\x07\x4E", 8));
  const auto expected = test::MakeMemory(2, NewMemoryLanguage::Deutsch);
  EXPECT_EQ(bytes.substr(8), std::string(expected.image.begin(), expected.image.begin() + 1870));

  EXPECT_EQ(Call("new 'HELI HN3' --language Französisch " + Quote(Path("h.fc"))).exitCode, 0);
  ModellSpeicherTyp heli;
  ASSERT_TRUE(LoadModelMemory(heli, Path("h.fc")));
  EXPECT_EQ(heli.image, test::MakeMemory(512, NewMemoryLanguage::Franzoesisch).image);
}

TEST_F(Cli, NewRefusesBadArgumentsAndExistingFiles) {
  std::ofstream(Path("keep.fc")) << "mine";
  const std::string x = Quote(Path("x.fc"));
  for (const std::string& args : {"new segler " + x, "new acro --language latein " + x,
                                 "new acro " + Quote(Path("keep.fc")), std::string("new acro"),
                                 "new acro --bogus " + x}) {
    const CliRun r = Call(args);
    EXPECT_NE(r.exitCode, 0) << args;
    EXPECT_FALSE(r.err.empty()) << args;
  }
  EXPECT_NE(Call("new segler " + x).err.find("unknown model type"), std::string::npos);
  EXPECT_FALSE(fs::exists(Path("x.fc")));
  EXPECT_EQ(ReadAll(Path("keep.fc")), "mine");
}

TEST_F(Cli, DumpPrintsEveryValueInItsOrder) {
  ASSERT_EQ(Call("new acro " + Quote(Path("a.fc"))).exitCode, 0);
  ModellSpeicherTyp m;
  ASSERT_TRUE(LoadModelMemory(m, Path("a.fc")));
  CliRun r = Call("dump " + Quote(Path("a.fc")));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, DumpText(m, 32, false));
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "GLOBAL\\MODEL NAME\\NAME: DEF ACRO");
  EXPECT_NE(r.out.find("\nFLIGHT4\\ATV\\AIL-1 RATE RIGHT/UP: 100 %\n"), std::string::npos);
  r = Call("dump " + Quote(Path("a.fc")) + " --plain --version 30");
  ASSERT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, DumpText(m, 30, true));
  EXPECT_NE(r.out.find("\nNORMAL\\ATV\\AIL-1 RATE RIGHT/UP: 100\n"), std::string::npos);
  EXPECT_EQ(r.out.find("NAME FLIGHT1"), std::string::npos);  // V3.2 only

  EXPECT_NE(Call("dump " + Quote(Path("a.fc")) + " --version 33").exitCode, 0);
  EXPECT_NE(Call("dump " + Quote(Path("missing.fc"))).exitCode, 0);
  std::ofstream(Path("bad.fc")) << "FC2831\x00\x01x";
  r = Call("dump " + Quote(Path("bad.fc")));
  EXPECT_NE(r.exitCode, 0);
  EXPECT_TRUE(r.out.empty());
  EXPECT_FALSE(r.err.empty());
}

TEST_F(Cli, SetWritesLikeTheGridAndKeepsTheFile) {
  ASSERT_EQ(Call("new 'glider 4 servos' " + Quote(Path("g.fc"))).exitCode, 0);
  const auto stamp = fs::last_write_time(Path("g.fc"));
  CliRun r = Call("set " + Quote(Path("g.fc")) + " 'SPEED\\BUTTERFLY MIX\\DOWN' -20");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "2\n");  // "UP" follows the sign
  ModellSpeicherTyp m;
  ASSERT_TRUE(LoadModelMemory(m, Path("g.fc")));
  EXPECT_EQ(GetParameterText(408 + 700, 0, &m, 32), "-20 %");
  EXPECT_EQ(GetParameterText(409 + 700, 0, &m, 32), "-50 %");
  EXPECT_EQ(m.dataLength, 1870);
  EXPECT_EQ(fs::last_write_time(Path("g.fc")), stamp);  // the date lives in the file time

  r = Call("set " + Quote(Path("g.fc")) + " 'SPEED\\BUTTERFLY MIX\\DOWN' -20");
  EXPECT_EQ(r.out, "0\n");
  const std::string before = ReadAll(Path("g.fc"));
  r = Call("set " + Quote(Path("g.fc")) + " 'SPEED\\BUTTERFLY\\NOTHING' 5");
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find("no value named"), std::string::npos);
  EXPECT_EQ(ReadAll(Path("g.fc")), before);
  EXPECT_NE(Call("set " + Quote(Path("g.fc")) + " x").exitCode, 0);
}

TEST_F(Cli, SetRefusesChangesBeyondTheDataLength) {
  // A memory whose file holds only the first 100 image bytes.
  auto m = test::MakeMemory(1);
  std::string bytes = std::string("FC2830\x00\x64", 8) + std::string(m.image.begin(), m.image.begin() + 100);
  std::ofstream(Path("short.fc"), std::ios::binary) << bytes;
  CliRun r = Call("set " + Quote(Path("short.fc")) + " 'NORMAL\\ATV\\AIL-1 RATE RIGHT/UP' 50");
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(ReadAll(Path("short.fc")), bytes);
  r = Call("set " + Quote(Path("short.fc")) + " 'GLOBAL\\TIMER\\TIMER 1 TIME' 2:30");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "1\n");
  EXPECT_EQ(ReadAll(Path("short.fc")).size(), 108u);
}

TEST_F(Cli, ExplainPrintsTheStripOfAMenu) {
  ASSERT_EQ(Call("new 'heli h1' " + Quote(Path("h.fc"))).exitCode, 0);
  ModellSpeicherTyp m;
  ASSERT_TRUE(LoadModelMemory(m, Path("h.fc")));
  for (const char* code : {"THOV", "TIMR", "MxTY", "ATV"}) {
    const CliRun r = Call("explain " + Quote(Path("h.fc")) + " " + code + " --version 30");
    EXPECT_EQ(r.exitCode, 0) << code << r.err;
    EXPECT_EQ(r.out, ExplanationListing(*FindMenuByCode(code), &m, 30)) << code;
  }
  EXPECT_EQ(Call("explain " + Quote(Path("h.fc")) + " COPY").out, "");
  EXPECT_EQ(Call("explain " + Quote(Path("h.fc")) + " XYZ").exitCode, 2);
  EXPECT_EQ(Call("explain " + Quote(Path("h.fc")) + " ATV --version 33").exitCode, 1);
  EXPECT_EQ(Call("explain " + Quote(Path("missing.fc")) + " ATV").exitCode, 1);
}

TEST_F(Cli, AddressesNameValuesWhoseNamesRepeat) {
  ASSERT_EQ(Call("new acro " + Quote(Path("a.fc"))).exitCode, 0);
  const std::string plain = Call("dump " + Quote(Path("a.fc"))).out;
  const std::string dump = Call("dump " + Quote(Path("a.fc")) + " --addresses").out;
  std::string stripped;  // the plain dump, each line after "@ADDRESS.BIT "
  for (std::size_t at = 0; at < dump.size(); at = dump.find('\n', at) + 1)
    stripped += dump.substr(dump.find(' ', at) + 1, dump.find('\n', at) - dump.find(' ', at));
  EXPECT_EQ(stripped, plain);
  // "FLIGHT2\SUB TRIMM\RATE AUX" names channel 6 and channel 8: the address reaches the second.
  const std::string name = " FLIGHT2\\SUB TRIMM\\RATE AUX: ";
  const std::size_t second = dump.find(name, dump.find(name) + 1);
  const std::size_t line = dump.rfind('\n', second) + 1;
  const std::string address = dump.substr(line, second - line);
  ASSERT_EQ(address[0], '@');
  EXPECT_EQ(Call("set " + Quote(Path("a.fc")) + " " + address + " 37").exitCode, 0);
  const std::string after = Call("dump " + Quote(Path("a.fc")) + " --addresses").out;
  EXPECT_EQ(after.find(name + "37"), after.find(address + name + "37") + address.size());
  EXPECT_NE(Call("set " + Quote(Path("a.fc")) + " @9999.0 1").exitCode, 0);
}

TEST_F(Cli, ReceiveRefusesAnExistingFileUnlessForced) {
  std::ofstream(Path("keep.fc")) << "mine";
  CliRun r = Call("receive " + Quote(Path("keep.fc")) + " --device /nonexistent/tty");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("exists already"), std::string::npos) << r.err;
  // Forced, it goes on to the port (which here cannot be opened) and still keeps the file.
  r = Call("receive " + Quote(Path("keep.fc")) + " --device /nonexistent/tty --force");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("cannot open"), std::string::npos) << r.err;
  EXPECT_EQ(ReadAll(Path("keep.fc")), "mine");
}

TEST_F(Cli, UnreadableFileSaysPermissionDenied) {
  ASSERT_EQ(Call("new acro " + Quote(Path("a.fc"))).exitCode, 0);
  fs::permissions(Path("a.fc"), fs::perms::none);
  // Root reads anything: run as nobody then.
  const std::string as =
      ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const fs::path err = dir_ / "err.txt";
  fs::permissions(dir_, fs::perms::all);
  const int status = std::system(
      (as + VELTRANO_CLI + " dump " + Quote(Path("a.fc")) + " >/dev/null 2>" + Quote(err.string()))
          .c_str());
  EXPECT_NE(status, 0);
  EXPECT_NE(ReadAll(err).find("permission denied"), std::string::npos) << ReadAll(err);
}

}  // namespace
}  // namespace core
