// veltrano-cli diff, apply, copy and reset as scripts use them: output, exit codes, files left
// intact.

#include "core/store/model_memory.h"
#include "tests/cli_runner.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

constexpr const char* kNoDifferences =
    "Keine Unterschiede zwischen den Modellspeichern gefunden!\n";

class CliData : public test::CliTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_.path() / "sub");
    Expect({{"new 'heli h1' --language deutsch h1.fc", 0, ""},
            {"new 'heli h1' sub/h1b.fc", 0, ""},
            {"new acro a.fc", 0, ""}});
  }
};

TEST_F(CliData, DiffExitsAsDiffDoes) {
  Expect({
      {"new 'heli h1' --language deutsch same.fc", 0, ""},
      {"diff h1.fc same.fc", 0, "Vergleich: h1.fc -> same.fc\n" + std::string(kNoDifferences)},
      {"diff h1.fc same.fc --low-level", 0,
       "Vergleich: h1.fc -> same.fc\n" + std::string(kNoDifferences)},
      {"diff h1.fc sub/h1b.fc --version 30", 1,
       "Vergleich: h1.fc -> h1b.fc\n...\nGLOBAL\\FUNCTION CHANGE\\NAME 1: QUE -> AIL\n...\n"},
      {"diff h1.fc sub/h1b.fc --low-level", 1,
       "Vergleich: h1.fc -> h1b.fc\n...\nGLOBAL\\PARAMETER\\SPRACHE: DEUTSCH -> ENGLISCH\n...\n"},
      {"diff h1.fc", 2, "", "usage: diff"},
      {"diff h1.fc missing.fc", 2, "", "cannot read 'missing.fc'"},
      {"diff h1.fc a.fc --version 29", 2, "", "unknown version '29'"},
      {"diff h1.fc a.fc --fast", 2, "", "unknown option --fast"},
  });
}

TEST_F(CliData, CopyAndResetRewriteOnlyWhenSomethingChanged) {
  Expect({
      {"set h1.fc 'NORMAL\\AFR\\QUE-1 RATE1 RIGHT/UP' 70", 0, "1\n"},
      {"copy h1.fc h1.fc --from 0 --to 1,2 --menus AFR", 0, "OK!\n"},
      {"copy h1.fc h1.fc --from 0 --to 1,2 --menus AFR", 0, "Keine Daten geändert!\n", "", "h1.fc"},
      // German source, English target in another directory: the mix keeps its function.
      {"copy h1.fc sub/h1b.fc --from 2 --to 0 --menus all", 0, "OK!\n"},
      {"reset h1.fc --conditions 0,1,2,3,4 --menus AFR", 0, "OK!\n"},
      {"reset h1.fc --conditions 0,1,2,3,4 --menus AFR", 0, "Keine Daten geändert!\n", "", "h1.fc"},
  });
  ModellSpeicherTyp m;
  ASSERT_TRUE(LoadModelMemory(m, Path("h1.fc")));
  EXPECT_EQ(test::Text(m, test::RowOfMenu(15, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP"), 2), "100 %");
}

TEST_F(CliData, ApplyTakesListedNamesOrEverythingAndDiffAgreesAfterwards) {
  // A name file as written on Windows, with a blank line and a name that is no difference.
  std::ofstream(Path("names.txt")) << "IDL-UP2\\AFR\\AIL-1 RATE1 RIGHT/UP\r\n\nNOPE\n";
  std::ofstream(Path("timer.txt")) << "GLOBAL\\TIMER\\TIMER 1 TIME\n";
  Expect({
      {"set sub/h1b.fc 'IDL-UP2\\AFR\\AIL-1 RATE1 RIGHT/UP' 80", 0, "1\n"},
      {"set sub/h1b.fc 'NORMAL\\AFR\\AIL-1 RATE1 RIGHT/UP' 70", 0, "1\n"},
      {"set sub/h1b.fc 'GLOBAL\\TIMER\\TIMER 1 TIME' 10:00", 0, "1\n"},
      {"new 'heli h1' b.fc", 0, ""},
      {"apply sub/h1b.fc b.fc --names missing.txt", 2, "", "cannot read 'missing.txt'", "b.fc"},
      {"apply sub/h1b.fc", 2, "", "usage: apply", "b.fc"},
      {"apply sub/h1b.fc b.fc --names names.txt", 1, "übernommen: 1, verschieden: 2\n",
       "no difference named 'NOPE'"},
      {"diff sub/h1b.fc b.fc", 1,
       "Vergleich: h1b.fc -> b.fc\nGLOBAL\\TIMER\\TIMER 1 TIME: 10:00 min:s -> 01:00 min:s\n"
       "NORMAL\\AFR\\AIL-1 RATE1 RIGHT/UP: 70 % -> 100 %\n"},
      {"apply sub/h1b.fc b.fc --names - < timer.txt", 1, "übernommen: 1, verschieden: 1\n"},
      {"apply sub/h1b.fc b.fc", 0, "übernommen: 1, verschieden: 0\n"},
      {"diff sub/h1b.fc b.fc", 0, "Vergleich: h1b.fc -> b.fc\n" + std::string(kNoDifferences)},
  });
}

TEST_F(CliData, RefusedSelectionsWriteNothing) {
  for (const char* bad :
       {"copy h1.fc a.fc --from 0 --to 0 --menus REVO",  // not offered for HELI and ACRO
        "copy h1.fc a.fc --from 0 --to 0 --menus NAME",
        "copy h1.fc a.fc --from 5 --to 0 --menus AFR",
        "copy h1.fc a.fc --from 0 --to 0,5 --menus AFR",
        "copy h1.fc a.fc --from 0 --to 0 --menus ''", "copy h1.fc a.fc --to 0 --menus AFR",
        "copy h1.fc missing.fc --from 0 --to 0 --menus AFR",
        "reset a.fc --conditions 0 --menus REVO", "reset a.fc --conditions '' --menus all",
        "reset a.fc --menus all", "reset a.fc --conditions 0 --menus all --version 33"})
    Expect({{bad, 2, "", "veltrano-cli: ", "a.fc"}});
}

}  // namespace
}  // namespace core
