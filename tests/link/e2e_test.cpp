// The real serial port layer and the link (through veltrano-cli) against fc28-sim on a
// pseudo-terminal.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/core/util/temp_dir.h"

namespace {

using Bytes = std::vector<unsigned char>;
using core::testing::ReadBytes;
using core::testing::WriteBytes;

Bytes MemoryFile(const char* header, int length) {
  Bytes f(header, header + 6);
  f.push_back(static_cast<unsigned char>(length >> 8));
  f.push_back(static_cast<unsigned char>(length & 0xFF));
  const Bytes name = {19, 5, 7, 12, 5, 18, 0, 0, 0, 0, 0, 0};  // SEGLER
  for (int i = 0; i < length; ++i)
    f.push_back(i < 12 ? name[i] : static_cast<unsigned char>((i * 37 + 11) & 0xFF));
  return f;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

struct ProcessRun {
  int exitCode = -1;
  std::string err;
};

ProcessRun Finish(QProcess& p, int ms) {
  ProcessRun r;
  if (p.waitForFinished(ms)) r.exitCode = p.exitCode();
  r.err = p.readAllStandardError().toStdString();
  if (p.state() != QProcess::NotRunning) {
    p.kill();
    p.waitForFinished(2000);
  }
  return r;
}

ProcessRun Cli(QStringList args) {
  QProcess p;
  p.start(VELTRANO_CLI, args);
  return Finish(p, 30000);
}

struct Outcome {
  ProcessRun sim, cli;
};

class LinkE2E : public ::testing::Test {
 protected:
  std::string Path(const char* name) { return dir_.filePath(name).toStdString(); }
  static QString Q(const std::string& s) { return QString::fromStdString(s); }
  /// Where a transfer leaves the memory: veltrano-cli's out.fc or the transmitter's got.fc.
  std::string Result(const std::string& mode) { return Path(mode == "send" ? "got.fc" : "out.fc"); }

  // "receive": the transmitter sends `file` and veltrano-cli stores it in out.fc.
  // "send": veltrano-cli sends `file` and the transmitter stores what it got in got.fc.
  Outcome Transfer(const std::string& mode, const Bytes& file, QStringList simExtra,
                   const char* baud = "9600", const char* timeout = "15") {
    const bool send = mode == "send";
    const std::string in = Path("in.fc");
    std::filesystem::remove(Result(mode));
    WriteBytes(in, file);
    QProcess sim;
    sim.start(FC28_SIM, QStringList{send ? "receive" : "send", Q(send ? Result(mode) : in),
                                    "--baud", baud, "--timeout", "20"} +
                            simExtra);
    // The simulator's first line is its device path.
    std::string device;
    if (sim.waitForReadyRead(5000)) device = sim.readLine().trimmed().toStdString();
    EXPECT_FALSE(device.empty());
    Outcome r;
    r.cli = Cli({Q(mode), Q(send ? in : Result(mode)), "--device", Q(device), "--baud", baud,
                 "--timeout", timeout});
    r.sim = Finish(sim, r.cli.exitCode == 0 ? 10000 : 100);
    return r;
  }

  QTemporaryDir dir_;
};

TEST_F(LinkE2E, BothDirectionsByteForByteAtBothRates) {
  struct Case {
    const char* mode;
    const char* baud;
    int length;
    std::vector<const char*> lines;
  };
  const std::vector<Case> cases = {
      {"receive", "9600", 1870,
       {"COM1: 9600 bit/s", "Format = FC28 V3.x", "Blocklänge = 1870", "Modell = SEGLER\n"}},
      {"send", "9600", 1870, {"Blocklänge = 1870 byte", "Modell = SEGLER"}},
      {"receive", "4800", 300, {"COM1: 4800 bit/s"}},
      {"send", "4800", 300, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " " + c.baud);
    const Bytes file = MemoryFile("FC2830", c.length);
    const Outcome r = Transfer(c.mode, file, {}, c.baud);
    EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
    EXPECT_EQ(r.sim.exitCode, 0) << r.sim.err;
    EXPECT_EQ(ReadBytes(Result(c.mode)), file);
    for (const char* line : c.lines) EXPECT_TRUE(Has(r.cli.err, line)) << line << "\n" << r.cli.err;
  }
  EXPECT_FALSE(Exists(Path("out.fc.part")));
}

TEST_F(LinkE2E, WrongHeaderOrLengthIsRefusedAndTheRetryArrives) {
  const Bytes file = MemoryFile("FC2830", 200);
  for (const char* fault : {"wrong-header", "length-2049"}) {
    const Outcome r = Transfer("receive", file, {"--fault", fault});
    EXPECT_EQ(r.cli.exitCode, 0) << fault << r.cli.err;
    EXPECT_EQ(ReadBytes(Result("receive")), file) << fault;
    // Refused, then started over (a late answer to a repeated opening byte may add one more).
    EXPECT_FALSE(Has(r.sim.err, "in 1 attempt(s)")) << fault << r.sim.err;
    EXPECT_FALSE(Has(r.cli.err, "Blocklänge = 2049")) << r.cli.err;
  }
}

TEST_F(LinkE2E, HeaderByteByByteAndNoiseAroundAcknowledges) {
  const Bytes file = MemoryFile("FC2830", 200);
  for (const auto& [mode, fault] : {std::pair{"receive", "bytewise"}, std::pair{"receive", "noise"},
                                    std::pair{"send", "noise"}}) {
    SCOPED_TRACE(std::string(mode) + " " + fault);
    const Outcome r = Transfer(mode, file, {"--fault", fault, "--fault-times", "0"});
    EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
    EXPECT_EQ(r.sim.exitCode, 0) << r.sim.err;
    EXPECT_EQ(ReadBytes(Result(mode)), file);
  }
}

TEST_F(LinkE2E, StallOrSilenceEndsAtTheTimeLimitWithoutAFile) {
  const Bytes file = MemoryFile("FC2830", 400);
  Outcome r = Transfer("receive", file, {"--fault", "stall:100"}, "9600", "1.5");
  EXPECT_EQ(r.cli.exitCode, 1);
  EXPECT_TRUE(Has(r.cli.err, "no complete transfer")) << r.cli.err;
  EXPECT_FALSE(Exists(Result("receive")));
  EXPECT_FALSE(Exists(Result("receive") + ".part"));

  r = Transfer("send", file, {"--fault", "silent"}, "9600", "1");
  EXPECT_EQ(r.cli.exitCode, 1);
  EXPECT_TRUE(Has(r.cli.err, "no complete transfer")) << r.cli.err;

  r = Transfer("send", file, {"--fault", "stall:50"}, "9600", "1");
  EXPECT_EQ(r.cli.exitCode, 1);
  EXPECT_FALSE(Exists(Result("send")));
}

TEST_F(LinkE2E, EmptyMemoryAndForeignHeaderArriveWhole) {
  // Length 0 completes at once; a header other than FC2830 is kept, with a warning.
  Bytes file = MemoryFile("FC2830", 0);
  Outcome r = Transfer("receive", file, {}, "9600", "3");
  EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
  EXPECT_EQ(ReadBytes(Result("receive")), file);
  EXPECT_TRUE(Has(r.cli.err, "Blocklänge = 0")) << r.cli.err;

  file = MemoryFile("FC2831", 64);
  r = Transfer("receive", file, {});
  EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
  EXPECT_EQ(ReadBytes(Result("receive")), file);
  EXPECT_TRUE(Has(r.cli.err, "Format = FC28 V3.1")) << r.cli.err;
  EXPECT_TRUE(Has(r.cli.err, "Achtung: Format ist nicht FC2830")) << r.cli.err;
}

TEST_F(LinkE2E, BadArgumentsAreRefusedClearly) {
  ProcessRun r = Cli({"receive", "x.fc"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(Has(r.err, "--port N or --device PATH")) << r.err;
  r = Cli({"send", "x.fc", "--port", "3", "--baud", "19200"});
  EXPECT_EQ(r.exitCode, 2);
  r = Cli(
      {"receive", Q(Path("never.fc")), "--device", "/dev/veltrano-no-such-port", "--timeout", "1"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(Has(r.err, "cannot open")) << r.err;
  EXPECT_FALSE(Exists(Path("never.fc")));
}

}  // namespace
