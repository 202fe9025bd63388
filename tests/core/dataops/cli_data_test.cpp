// veltrano-cli diff, apply, copy and reset as scripts use them: output, exit codes, files left
// intact.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/store/model_memory.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int exitCode = -1;
  std::string out;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class CliData : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltrano_cli_data_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "sub");
    for (const char* m :
         {"'heli h1' --language deutsch h1.fc", "'heli h1' sub/h1b.fc", "acro a.fc"})
      ASSERT_EQ(Call("new " + std::string(m)).exitCode, 0) << m;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs in the test directory, so the arguments may name files relative to it.
  CliRun Call(const std::string& args) {
    const std::string command =
        "cd '" + dir_.string() + "' && " + VELTRANO_CLI + " " + args + " 2>/dev/null";
    CliRun r;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      r.out.append(buffer, n);
    const int status = ::pclose(pipe);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
  }
  std::string File(const char* name) const { return ReadAll(dir_ / name); }

  fs::path dir_;
};

TEST_F(CliData, DiffExitsAsDiffDoes) {
  ASSERT_EQ(Call("new 'heli h1' --language deutsch same.fc").exitCode, 0);
  CliRun r = Call("diff h1.fc same.fc");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(
      r.out,
      "Vergleich: h1.fc -> same.fc\nKeine Unterschiede zwischen den Modellspeichern gefunden!\n");
  r = Call("diff h1.fc sub/h1b.fc --version 30");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Vergleich: h1.fc -> h1b.fc");
  EXPECT_NE(r.out.find("\nGLOBAL\\FUNCTION CHANGE\\NAME 1: QUE -> AIL\n"), std::string::npos);
  r = Call("diff h1.fc sub/h1b.fc --low-level");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.out.find("\nGLOBAL\\PARAMETER\\SPRACHE: DEUTSCH -> ENGLISCH\n"), std::string::npos);
  for (const char* bad : {"diff h1.fc", "diff h1.fc missing.fc", "diff h1.fc a.fc --version 29",
                          "diff h1.fc a.fc --fast"})
    EXPECT_EQ(Call(bad).exitCode, 2) << bad;
}

TEST_F(CliData, CopyAndResetRewriteOnlyWhenSomethingChanged) {
  ASSERT_EQ(Call("set h1.fc 'NORMAL\\AFR\\QUE-1 RATE1 RIGHT/UP' 70").exitCode, 0);
  EXPECT_EQ(Call("copy h1.fc h1.fc --from 0 --to 1,2 --menus AFR").out, "OK!\n");
  const std::string copied = File("h1.fc");
  EXPECT_EQ(Call("copy h1.fc h1.fc --from 0 --to 1,2 --menus AFR").out, "Keine Daten geändert!\n");
  EXPECT_EQ(File("h1.fc"), copied);

  // German source, English target in another directory: the mix keeps its function.
  EXPECT_EQ(Call("copy h1.fc sub/h1b.fc --from 2 --to 0 --menus all").out, "OK!\n");
  EXPECT_EQ(Call("reset h1.fc --conditions 0,1,2,3,4 --menus AFR").out, "OK!\n");
  EXPECT_EQ(Call("reset h1.fc --conditions 0,1,2,3,4 --menus AFR").out, "Keine Daten geändert!\n");
  ModellSpeicherTyp m;
  ASSERT_TRUE(LoadModelMemory(m, (dir_ / "h1.fc").string()));
  EXPECT_EQ(test::Text(m, test::RowOfMenu(15, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP"), 2), "100 %");
}

TEST_F(CliData, ApplyTakesListedNamesOrEverythingAndDiffAgreesAfterwards) {
  for (const char* set :
       {"'IDL-UP2\\AFR\\AIL-1 RATE1 RIGHT/UP' 80", "'NORMAL\\AFR\\AIL-1 RATE1 RIGHT/UP' 70",
        "'GLOBAL\\TIMER\\TIMER 1 TIME' 10:00"})
    ASSERT_EQ(Call("set sub/h1b.fc " + std::string(set)).exitCode, 0) << set;
  ASSERT_EQ(Call("new 'heli h1' b.fc").exitCode, 0);
  const std::string fresh = File("b.fc");
  for (const char* bad : {"apply sub/h1b.fc b.fc --names missing.txt", "apply sub/h1b.fc"}) {
    EXPECT_EQ(Call(bad).exitCode, 2) << bad;
    EXPECT_EQ(File("b.fc"), fresh) << bad;
  }
  // A name file as written on Windows, with a blank line and a name that is no difference.
  std::ofstream(dir_ / "names.txt") << "IDL-UP2\\AFR\\AIL-1 RATE1 RIGHT/UP\r\n\nNOPE\n";
  CliRun r = Call("apply sub/h1b.fc b.fc --names names.txt");
  EXPECT_EQ(r.out, "übernommen: 1, verschieden: 2\n");
  EXPECT_EQ(r.exitCode, 1);
  r = Call("diff sub/h1b.fc b.fc");
  EXPECT_EQ(r.out.find("IDL-UP2"), std::string::npos) << r.out;
  std::ofstream(dir_ / "timer.txt") << "GLOBAL\\TIMER\\TIMER 1 TIME\n";
  EXPECT_EQ(Call("apply sub/h1b.fc b.fc --names - < timer.txt").out,
            "übernommen: 1, verschieden: 1\n");
  r = Call("apply sub/h1b.fc b.fc");
  EXPECT_EQ(r.out, "übernommen: 1, verschieden: 0\n");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(Call("diff sub/h1b.fc b.fc").exitCode, 0);
}

TEST_F(CliData, RefusedSelectionsWriteNothing) {
  const std::string before = File("a.fc");
  for (const char* bad :
       {"copy h1.fc a.fc --from 0 --to 0 --menus REVO",  // not offered for HELI and ACRO
        "copy h1.fc a.fc --from 0 --to 0 --menus NAME",
        "copy h1.fc a.fc --from 5 --to 0 --menus AFR",
        "copy h1.fc a.fc --from 0 --to 0,5 --menus AFR",
        "copy h1.fc a.fc --from 0 --to 0 --menus ''", "copy h1.fc a.fc --to 0 --menus AFR",
        "copy h1.fc missing.fc --from 0 --to 0 --menus AFR",
        "reset a.fc --conditions 0 --menus REVO", "reset a.fc --conditions '' --menus all",
        "reset a.fc --menus all", "reset a.fc --conditions 0 --menus all --version 33"}) {
    const CliRun r = Call(bad);
    EXPECT_EQ(r.exitCode, 2) << bad;
    EXPECT_TRUE(r.out.empty()) << bad;
    EXPECT_EQ(File("a.fc"), before) << bad;
  }
}

}  // namespace
}  // namespace core
