// The real serial port layer and the link (through veltrano-cli) against fc28-sim on a
// pseudo-terminal.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes MemoryFile(const char* header, int length) {
  Bytes f(header, header + 6);
  f.push_back(static_cast<unsigned char>(length >> 8));
  f.push_back(static_cast<unsigned char>(length & 0xFF));
  const Bytes name = {19, 5, 7, 12, 5, 18, 0, 0, 0, 0, 0, 0};  // SEGLER
  for (int i = 0; i < length; ++i)
    f.push_back(i < 12 ? name[i] : static_cast<unsigned char>((i * 37 + 11) & 0xFF));
  return f;
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

  // "receive": the transmitter sends `file` and veltrano-cli stores it in `out`.
  // "send": veltrano-cli sends `file` and the transmitter stores what it got in got.fc.
  Outcome Transfer(const char* cliMode, const Bytes& file, const std::string& out,
               QStringList simExtra, const char* baud = "9600", const char* timeout = "15") {
    const bool send = std::string(cliMode) == "send";
    const std::string in = Path(send ? "send.fc" : "in.fc");
    std::ofstream(in, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    QProcess sim;
    sim.start(FC28_SIM, QStringList{send ? "receive" : "send", Q(send ? Path("got.fc") : in),
                                    "--baud", baud, "--timeout", "20"} +
                            simExtra);
    // The simulator's first line is its device path.
    std::string device;
    if (sim.waitForReadyRead(5000)) device = sim.readLine().trimmed().toStdString();
    EXPECT_FALSE(device.empty());
    Outcome r;
    r.cli = Cli({cliMode, Q(send ? in : out), "--device", Q(device), "--baud", baud, "--timeout",
                 timeout});
    r.sim = Finish(sim, r.cli.exitCode == 0 ? 10000 : 100);
    if (sim.state() != QProcess::NotRunning) {
      sim.kill();
      sim.waitForFinished(2000);
    }
    return r;
  }
  Outcome Receive(const Bytes& file, const std::string& out, QStringList simExtra,
              const char* baud = "9600", const char* timeout = "15") {
    return Transfer("receive", file, out, simExtra, baud, timeout);
  }
  Outcome Send(const Bytes& file, QStringList simExtra, const char* baud = "9600",
           const char* timeout = "15") {
    return Transfer("send", file, "", simExtra, baud, timeout);
  }

  QTemporaryDir dir_;
};

TEST_F(LinkE2E, ReceivesADefaultSizedMemoryByteForByte) {
  const Bytes file = MemoryFile("FC2830", 1870);
  const std::string out = Path("out.fc");
  auto [sim, cli] = Receive(file, out, {});
  EXPECT_EQ(cli.exitCode, 0) << cli.err;
  EXPECT_EQ(sim.exitCode, 0) << sim.err;
  EXPECT_EQ(ReadFile(out), file);
  for (const char* line :
       {"COM1: 9600 bit/s", "Format = FC28 V3.x", "Blocklänge = 1870", "Modell = SEGLER\n"})
    EXPECT_TRUE(Has(cli.err, line)) << line << "\n" << cli.err;
  EXPECT_FALSE(Exists(out + ".part"));
}

TEST_F(LinkE2E, SendsAMemoryTheTransmitterStoresIdentically) {
  const Bytes file = MemoryFile("FC2830", 1870);
  auto [sim, cli] = Send(file, {});
  EXPECT_EQ(cli.exitCode, 0) << cli.err;
  EXPECT_EQ(sim.exitCode, 0) << sim.err;
  EXPECT_EQ(ReadFile(Path("got.fc")), file);
  EXPECT_TRUE(Has(cli.err, "Blocklänge = 1870 byte")) << cli.err;
  EXPECT_TRUE(Has(cli.err, "Modell = SEGLER")) << cli.err;
}

TEST_F(LinkE2E, BothDirectionsAt4800) {
  const Bytes file = MemoryFile("FC2830", 300);
  Outcome r = Receive(file, Path("out.fc"), {}, "4800");
  EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
  EXPECT_EQ(ReadFile(Path("out.fc")), file);
  EXPECT_TRUE(Has(r.cli.err, "COM1: 4800 bit/s"));
  r = Send(file, {}, "4800");
  EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
  EXPECT_EQ(ReadFile(Path("got.fc")), file);
}

TEST_F(LinkE2E, WrongHeaderOrLengthIsRefusedAndTheRetryArrives) {
  const Bytes file = MemoryFile("FC2830", 200);
  for (const char* fault : {"wrong-header", "length-2049"}) {
    const std::string out = Path(fault);
    auto [sim, cli] = Receive(file, out, {"--fault", fault});
    EXPECT_EQ(cli.exitCode, 0) << fault << cli.err;
    EXPECT_EQ(ReadFile(out), file) << fault;
    // Refused, then started over (a late answer to a repeated opening byte may add one more).
    EXPECT_FALSE(Has(sim.err, "in 1 attempt(s)")) << fault << sim.err;
    EXPECT_FALSE(Has(cli.err, "Blocklänge = 2049")) << cli.err;
  }
}

TEST_F(LinkE2E, HeaderByteByByteAndNoiseAroundAcknowledges) {
  const Bytes file = MemoryFile("FC2830", 200);
  for (const auto& [mode, fault] : {std::pair{"receive", "bytewise"}, std::pair{"receive", "noise"},
                                    std::pair{"send", "noise"}}) {
    SCOPED_TRACE(std::string(mode) + " " + fault);
    Outcome r = Transfer(mode, file, Path("out.fc"), {"--fault", fault, "--fault-times", "0"});
    EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
    EXPECT_EQ(r.sim.exitCode, 0) << r.sim.err;
    EXPECT_EQ(ReadFile(Path(std::string(mode) == "send" ? "got.fc" : "out.fc")), file);
    std::filesystem::remove(Path("out.fc"));
  }
}

TEST_F(LinkE2E, StallOrSilenceEndsAtTheTimeLimitWithoutAFile) {
  const Bytes file = MemoryFile("FC2830", 400);
  const std::string out = Path("stalled.fc");
  Outcome r = Receive(file, out, {"--fault", "stall:100"}, "9600", "1.5");
  EXPECT_EQ(r.cli.exitCode, 1);
  EXPECT_TRUE(Has(r.cli.err, "no complete transfer")) << r.cli.err;
  EXPECT_FALSE(Exists(out));
  EXPECT_FALSE(Exists(out + ".part"));

  r = Send(file, {"--fault", "silent"}, "9600", "1");
  EXPECT_EQ(r.cli.exitCode, 1);
  EXPECT_TRUE(Has(r.cli.err, "no complete transfer")) << r.cli.err;

  r = Send(file, {"--fault", "stall:50"}, "9600", "1");
  EXPECT_EQ(r.cli.exitCode, 1);
  EXPECT_FALSE(Exists(Path("got.fc")));
}

TEST_F(LinkE2E, EmptyMemoryCompletesAtOnce) {
  const Bytes file = MemoryFile("FC2830", 0);
  Outcome r = Receive(file, Path("empty.fc"), {}, "9600", "3");
  EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
  EXPECT_EQ(ReadFile(Path("empty.fc")), file);
  EXPECT_TRUE(Has(r.cli.err, "Blocklänge = 0")) << r.cli.err;
}

TEST_F(LinkE2E, ForeignHeaderIsKeptAndWarned) {
  const Bytes file = MemoryFile("FC2831", 64);
  Outcome r = Receive(file, Path("v31.fc"), {});
  EXPECT_EQ(r.cli.exitCode, 0) << r.cli.err;
  EXPECT_EQ(ReadFile(Path("v31.fc")), file);
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
