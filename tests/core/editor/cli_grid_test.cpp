// veltrano-cli menus and grid: the line formats others compare, and the same fill as the window.

#include "core/editor/gridfill.h"
#include "core/store/model_memory.h"
#include "tests/cli_runner.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

class CliGrid : public test::CliTest {};

TEST_F(CliGrid, MenusAndGridLines) {
  ModellSpeicherTyp heli = test::MakeMemory(32);  // HELI H1, function NAME 1 blank
  test::Set(heli, test::RowOfMenu(21, "NAME 1"), "", true);
  ASSERT_TRUE(WriteModelMemory(heli, Path("heli.fc")).image);
  const GridFill g = FillGrid("OFST", &heli, 32, {true, true});
  const std::string size = "size " + std::to_string(g.cols) + " " + std::to_string(g.rows);
  Expect({
      {"menus heli.fc --version 30", 0,
       "System\tTIMR\t(03) Timer - Stoppuhr\n...\n"
       "SMIX\tREVO\t(61) Rudder Evolution - Statischer Heckrotorausgleich\n...\n",
       "", "", "NAME"},
      // The unnamed row of channel 1 is there with its value in every condition.
      {"grid heli.fc OFST --all-conditions --defaults", 0,
       size + " 1 1\n...\n\t0 %\t0 %\t0 %\t0 %\t0 %\t0 %\n...\ncolour FWCCCCG\n...\n"},
      // Any menu code is accepted; an unknown one is an error.
      {"grid heli.fc DIFF", 0,
       "size 2 2 1 1\nwidths 112 80\nZustand\tNORMAL\n\t\ncolour FF\ncolour FE\n"},
      {"grid heli.fc XYZ", 2, "", "unknown menu code 'XYZ'"},
      {"grid heli.fc", 1, "", "usage: grid"},
  });
}

}  // namespace
}  // namespace core
