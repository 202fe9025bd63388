// veltrano-cli menus and grid: the line formats others compare, and the same fill as the window.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/editor/gridfill.h"
#include "core/store/model_memory.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int exitCode = -1;
  std::string out;
};

CliRun Cli(const std::string& args) {
  CliRun r;
  FILE* pipe = ::popen((std::string(VELTRANO_CLI) + " " + args + " 2>/dev/null").c_str(), "r");
  if (!pipe) return r;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    r.out.append(buffer, n);
  const int status = ::pclose(pipe);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

class CliGrid : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltrano_cli_grid_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    mem_ = test::MakeMemory(32);  // HELI H1
    test::Set(mem_, test::RowOfMenu(21, "NAME 1"), "", true);
    path_ = (dir_ / "heli.fc").string();
    ASSERT_TRUE(WriteModelMemory(mem_, path_).image);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
  ModellSpeicherTyp mem_;
  std::string path_;
};

TEST_F(CliGrid, MenusListBothRowsWithTitles) {
  const CliRun r = Cli("menus " + path_ + " --version 30");
  ASSERT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "System\tTIMR\t(03) Timer - Stoppuhr");
  EXPECT_NE(r.out.find("\nSMIX\tREVO\t(61) Rudder Evolution - Statischer Heckrotorausgleich\n"),
            std::string::npos);
  EXPECT_EQ(r.out.find("NAME"), std::string::npos);
}

TEST_F(CliGrid, GridPrintsTheWindowsFill) {
  const CliRun r = Cli("grid " + path_ + " OFST --all-conditions --defaults");
  ASSERT_EQ(r.exitCode, 0);
  const GridFill g = FillGrid("OFST", &mem_, 32, {true, true});
  std::string expected = "size " + std::to_string(g.cols) + " " + std::to_string(g.rows) + " 1 1\n";
  EXPECT_EQ(r.out.substr(0, expected.size()), expected);
  // The unnamed row of channel 1 is there with its value in every condition.
  EXPECT_NE(r.out.find("\n\t0 %\t0 %\t0 %\t0 %\t0 %\t0 %\n"), std::string::npos);
  EXPECT_NE(r.out.find("\ncolour FWCCCCG\n"), std::string::npos);
  // Any menu code is accepted; an unknown one is an error.
  const CliRun empty = Cli("grid " + path_ + " DIFF");
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "size 2 2 1 1\nwidths 112 80\nZustand\tNORMAL\n\t\ncolour FF\ncolour FE\n");
  EXPECT_EQ(Cli("grid " + path_ + " XYZ").exitCode, 2);
  EXPECT_EQ(Cli("grid " + path_).exitCode, 1);
}

}  // namespace
}  // namespace core
