// veltrano-cli new, dump and set as scripts use them: output, exit codes, files left intact.

#include <unistd.h>

#include "core/editor/explanation.h"
#include "core/model/dump.h"
#include "core/store/model_memory.h"
#include "tests/cli_runner.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

namespace fs = std::filesystem;

class Cli : public test::CliTest {
 protected:
  ModellSpeicherTyp Load(const char* name) const {
    ModellSpeicherTyp m;
    EXPECT_TRUE(LoadModelMemory(m, Path(name))) << name;
    return m;
  }
};

// A new memory as the dialog makes it; explain prints the editor's listing of its menus' strips.
TEST_F(Cli, NewMakesWhatTheDialogMakesAndRefusesBadArgumentsAndExistingFilesAndExplainReadsIt) {
  std::ofstream(Path("keep.fc")) << "mine";
  Expect({
      {"new 'glider 2 servos' --language deutsch g2.fc", 0, ""},
      {"new 'HELI HN3' --language Französisch h.fc", 0, ""},
      {"new segler x.fc", 1, "", "unknown model type 'segler'"},
      {"new acro --language latein x.fc", 1, "", "unknown language 'latein'"},
      {"new acro keep.fc", 1, "", "'keep.fc' exists already", "keep.fc"},
      {"new acro", 1, "", "usage: new"},
      {"new acro --bogus x.fc", 1, "", "unknown option --bogus"},
      {"receive keep.fc --device /nonexistent/tty", 2, "", "exists already", "keep.fc"},
      // Forced, it goes on to the port (which here cannot be opened) and still keeps the file.
      {"receive keep.fc --device /nonexistent/tty --force", 1, "", "cannot open", "keep.fc"},
      {"explain h.fc COPY", 0, ""},
      {"explain h.fc XYZ", 2, "", "unknown menu code 'XYZ'"},
      {"explain h.fc ATV --version 33", 1, "", "unknown version '33'"},
      {"explain missing.fc ATV", 1, "", "cannot read 'missing.fc'"},
  });
  const auto glider = test::MakeMemory(2, NewMemoryLanguage::Deutsch);
  EXPECT_EQ(File("g2.fc"), std::string("FC2830\x07\x4E", 8) +
                               std::string(glider.image.begin(), glider.image.begin() + 1870));
  const ModellSpeicherTyp h = Load("h.fc");
  EXPECT_EQ(h.image, test::MakeMemory(512, NewMemoryLanguage::Franzoesisch).image);
  EXPECT_FALSE(fs::exists(Path("x.fc")));
  for (const char* code : {"THOV", "TIMR", "MxTY", "ATV"})
    Expect({{"explain h.fc " + std::string(code) + " --version 30", 0,
             ExplanationListing(*FindMenuByCode(code), &h, 30)}});
}

// "FLIGHT2\SUB TRIMM\RATE AUX" names channel 6 and channel 8: the address reaches the second.
TEST_F(Cli, DumpPrintsEveryValueInItsOrderWithAddressesWhereNamesRepeatOrSaysWhyNot) {
  std::ofstream(Path("bad.fc")) << "FC2831\x00\x01x";
  ASSERT_EQ(Run("new acro a.fc").exitCode, 0);
  const ModellSpeicherTyp m = Load("a.fc");
  std::string stripped;  // the plain dump is the addressed one less each "@ADDRESS.BIT "
  for (const std::string& line : test::LinesOf(Run("dump a.fc --addresses").out))
    stripped += line.substr(line.find(' ') + 1) + "\n";
  EXPECT_EQ(stripped, Run("dump a.fc").out);
  Expect({
      {"dump a.fc", 0, DumpText(m, 32, false)},
      {"dump a.fc", 0,
       "GLOBAL\\MODEL NAME\\NAME: DEF ACRO\n...\nFLIGHT4\\ATV\\AIL-1 RATE RIGHT/UP: 100 %\n...\n"},
      {"dump a.fc --plain --version 30", 0, DumpText(m, 30, true), "", "", "NAME FLIGHT1"},
      {"dump a.fc --plain --version 30", 0, "...\nNORMAL\\ATV\\AIL-1 RATE RIGHT/UP: 100\n...\n"},
      {"dump a.fc --version 33", 1, "", "unknown version '33'"},
      {"dump missing.fc", 1, "", "cannot read 'missing.fc'"},
      {"dump bad.fc", 1, "", "'bad.fc' is no model memory file"},
      {"set a.fc @1085.0 37", 0, "2\n"},
      {"dump a.fc --addresses", 0,
       "...\n@1083.0 FLIGHT2\\SUB TRIMM\\RATE AUX: 0 %\n...\n"
       "@1085.0 FLIGHT2\\SUB TRIMM\\RATE AUX: 37 %\n...\n"},
      {"set a.fc @9999.0 1", 1, "", "no value named '@9999.0'", "a.fc"},
  });
  fs::permissions(Path("a.fc"), fs::perms::none);
  fs::permissions(dir_.path(), fs::perms::all);
  // Root reads anything: run as nobody then.
  const test::CliRun r = Run(
      "dump a.fc", ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("cannot read 'a.fc': permission denied"), std::string::npos) << r.err;
}

TEST_F(Cli, SetWritesLikeTheGridAndKeepsTheFile) {
  ASSERT_EQ(Run("new 'glider 4 servos' g.fc").exitCode, 0);
  const auto stamp = fs::last_write_time(Path("g.fc"));
  Expect({
      {"set g.fc 'SPEED\\BUTTERFLY MIX\\DOWN' -20", 0, "2\n"},  // "UP" follows: a 2
      {"set g.fc 'SPEED\\BUTTERFLY MIX\\DOWN' -20", 0, "0\n", "", "g.fc"},
      {"set g.fc 'SPEED\\BUTTERFLY\\NOTHING' 5", 1, "", "no value named", "g.fc"},
      {"set g.fc x", 1, "", "usage: set", "g.fc"},
  });
  const ModellSpeicherTyp m = Load("g.fc");
  EXPECT_EQ(GetParameterText(408 + 700, 0, &m, 32), "-20 %");
  EXPECT_EQ(m.dataLength, 1870);
  EXPECT_EQ(fs::last_write_time(Path("g.fc")), stamp);  // the date lives in the file time

  // A memory whose file holds only the first 100 image bytes.
  const auto full = test::MakeMemory(1);
  std::ofstream(Path("short.fc"), std::ios::binary)
      << std::string("FC2830\x00\x64", 8) +
             std::string(full.image.begin(), full.image.begin() + 100);
  Expect({
      {"set short.fc 'NORMAL\\ATV\\AIL-1 RATE RIGHT/UP' 50", 1, "", "'short.fc'", "short.fc"},
      {"set short.fc 'GLOBAL\\TIMER\\TIMER 1 TIME' 2:30", 0, "1\n"},
  });
  EXPECT_EQ(File("short.fc").size(), 108u);
}

}  // namespace
}  // namespace core
