// The real serial port layer and the link (through veltrano-cli) against fc28-sim on a
// pseudo-terminal.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
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
  for (int i = 0; i < length; ++i) {
    f.push_back(i < 12 ? name[i] : static_cast<unsigned char>((i * 37 + 11) & 0xFF));
  }
  return f;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
  return std::ifstream(path).good();
}

struct ProcessRun {
  int exitCode = -1;
  std::string err;
};

/// The simulator on its pseudo-terminal; the device path comes from its first output line.
class Simulator {
 public:
  explicit Simulator(QStringList args) {
    proc_.start(FC28_SIM, args);
    if (proc_.waitForReadyRead(5000)) device_ = proc_.readLine().trimmed().toStdString();
  }
  ~Simulator() {
    if (proc_.state() != QProcess::NotRunning) {
      proc_.kill();
      proc_.waitForFinished(2000);
    }
  }
  const std::string& Device() const { return device_; }
  ProcessRun Finish(int ms = 10000) {
    ProcessRun r;
    if (proc_.waitForFinished(ms)) r.exitCode = proc_.exitCode();
    r.err = proc_.readAllStandardError().toStdString();
    return r;
  }

 private:
  QProcess proc_;
  std::string device_;
};

ProcessRun Cli(QStringList args) {
  QProcess p;
  p.start(VELTRANO_CLI, args);
  ProcessRun r;
  if (p.waitForFinished(30000)) r.exitCode = p.exitCode();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class LinkE2E : public ::testing::Test {
 protected:
  std::string Path(const char* name) { return dir_.filePath(name).toStdString(); }
  QString Q(const std::string& s) { return QString::fromStdString(s); }

  // The transmitter sends `file`; veltrano-cli receives into out. Returns (sim, cli).
  std::pair<ProcessRun, ProcessRun> Receive(const Bytes& file, const std::string& out,
                                            QStringList simExtra, const char* baud = "9600",
                                            const char* timeout = "15") {
    const std::string in = Path("in.fc");
    WriteFile(in, file);
    Simulator sim(QStringList{"send", Q(in), "--baud", baud, "--timeout", "20"} + simExtra);
    EXPECT_FALSE(sim.Device().empty());
    ProcessRun cli =
        Cli({"receive", Q(out), "--device", Q(sim.Device()), "--baud", baud, "--timeout", timeout});
    return {sim.Finish(cli.exitCode == 0 ? 10000 : 100), cli};
  }

  // veltrano-cli sends `file`; the transmitter stores what it got in got.fc.
  std::pair<ProcessRun, ProcessRun> Send(const Bytes& file, QStringList simExtra,
                                         const char* baud = "9600", const char* timeout = "15") {
    const std::string in = Path("send.fc");
    WriteFile(in, file);
    Simulator sim(QStringList{"receive", Q(Path("got.fc")), "--baud", baud, "--timeout", "20"} +
                  simExtra);
    EXPECT_FALSE(sim.Device().empty());
    ProcessRun cli =
        Cli({"send", Q(in), "--device", Q(sim.Device()), "--baud", baud, "--timeout", timeout});
    return {sim.Finish(cli.exitCode == 0 ? 10000 : 100), cli};
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
       {"COM1: 9600 bit/s", "Format = FC28 V3.x", "Blocklänge = 1870", "Modell = SEGLER\n"}) {
    EXPECT_TRUE(Has(cli.err, line)) << line << "\n" << cli.err;
  }
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
  auto [sim, cli] = Receive(file, Path("out.fc"), {}, "4800");
  EXPECT_EQ(cli.exitCode, 0) << cli.err;
  EXPECT_EQ(ReadFile(Path("out.fc")), file);
  EXPECT_TRUE(Has(cli.err, "COM1: 4800 bit/s"));
  auto [sim2, cli2] = Send(file, {}, "4800");
  EXPECT_EQ(cli2.exitCode, 0) << cli2.err;
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
  auto [sim, cli] = Receive(file, Path("a.fc"), {"--fault", "bytewise", "--fault-times", "0"});
  EXPECT_EQ(cli.exitCode, 0) << cli.err;
  EXPECT_EQ(ReadFile(Path("a.fc")), file);

  auto [sim2, cli2] = Receive(file, Path("b.fc"), {"--fault", "noise", "--fault-times", "0"});
  EXPECT_EQ(cli2.exitCode, 0) << cli2.err;
  EXPECT_EQ(ReadFile(Path("b.fc")), file);

  auto [sim3, cli3] = Send(file, {"--fault", "noise", "--fault-times", "0"});
  EXPECT_EQ(cli3.exitCode, 0) << cli3.err;
  EXPECT_EQ(sim3.exitCode, 0) << sim3.err;
  EXPECT_EQ(ReadFile(Path("got.fc")), file);
}

TEST_F(LinkE2E, StallOrSilenceEndsAtTheTimeLimitWithoutAFile) {
  const Bytes file = MemoryFile("FC2830", 400);
  const std::string out = Path("stalled.fc");
  auto [sim, cli] = Receive(file, out, {"--fault", "stall:100"}, "9600", "1.5");
  EXPECT_EQ(cli.exitCode, 1);
  EXPECT_TRUE(Has(cli.err, "no complete transfer")) << cli.err;
  EXPECT_FALSE(Exists(out));
  EXPECT_FALSE(Exists(out + ".part"));

  auto [sim2, cli2] = Send(file, {"--fault", "silent"}, "9600", "1");
  EXPECT_EQ(cli2.exitCode, 1);
  EXPECT_TRUE(Has(cli2.err, "no complete transfer")) << cli2.err;

  auto [sim3, cli3] = Send(file, {"--fault", "stall:50"}, "9600", "1");
  EXPECT_EQ(cli3.exitCode, 1);
  EXPECT_FALSE(Exists(Path("got.fc")));
}

TEST_F(LinkE2E, EmptyMemoryCompletesAtOnce) {
  const Bytes file = MemoryFile("FC2830", 0);
  auto [sim, cli] = Receive(file, Path("empty.fc"), {}, "9600", "3");
  EXPECT_EQ(cli.exitCode, 0) << cli.err;
  EXPECT_EQ(ReadFile(Path("empty.fc")), file);
  EXPECT_TRUE(Has(cli.err, "Blocklänge = 0")) << cli.err;
}

TEST_F(LinkE2E, ForeignHeaderIsKeptAndWarned) {
  const Bytes file = MemoryFile("FC2831", 64);
  auto [sim, cli] = Receive(file, Path("v31.fc"), {});
  EXPECT_EQ(cli.exitCode, 0) << cli.err;
  EXPECT_EQ(ReadFile(Path("v31.fc")), file);
  EXPECT_TRUE(Has(cli.err, "Format = FC28 V3.1")) << cli.err;
  EXPECT_TRUE(Has(cli.err, "Achtung: Format ist nicht FC2830")) << cli.err;
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
