// Feeds the receive machine arbitrary bytes at arbitrary times, then a well-formed transfer cut
// into arbitrary pieces. Checks that nothing but header, lengthBytes and the image is written,
// that no length above 2048 is taken, and that a completed receive holds exactly what was sent.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/link/com_handler.h"
#include "tests/core/link/link_fakes.h"

namespace {

struct Input {
  const std::uint8_t* p;
  std::size_t n;
  bool Empty() const { return n == 0; }
  std::uint8_t Next() {
    if (n == 0) return 0;
    --n;
    return *p++;
  }
};

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckRecords(const linktest::Rig& r) {
  for (const auto& rec : r.host.records) {
    Check(rec->rxHeaderCount >= 0 && rec->rxHeaderCount <= core::kHeaderBlockSize);
    Check(rec->rxLengthCount >= 0 && rec->rxLengthCount <= core::kLengthBlockSize);
    Check(rec->dataLength >= 0 && rec->dataLength <= core::kMaxDataBlock);
    Check(rec->rxImageCount >= 0 && rec->rxImageCount <= rec->dataLength);
    Check(rec->fileName.empty() && rec->dateText.empty() && rec->comment.empty());
    Check(!rec->deleted && !rec->hasComment && !rec->imageSaved && !rec->commentSaved);
    if (rec->inUse) Check(rec->rxImageCount == rec->dataLength);
  }
  for (const auto& line : r.host.log) {
    if (line.rfind("Blocklänge = ", 0) == 0 && line.find("byte") == std::string::npos) {
      Check(std::atoi(line.c_str() + 14) <= core::kMaxDataBlock);
    }
  }
}

void Step(linktest::Rig& r) {
  r.link.TransferTick();
  CheckRecords(r);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in{data, size};
  linktest::Rig r;
  r.Tick();  // opens the port

  // Arbitrary bytes, times and commands until a 0xFF op ends this part.
  for (int ops = 0; !in.Empty() && ops < 4000; ++ops) {
    const std::uint8_t op = in.Next();
    if (op == 0xFF) break;
    switch (op % 8) {
      case 0:
      case 1:
        r.Feed(in.Next());
        break;
      case 2:
      case 3:
        Step(r);
        break;
      case 4:
        r.clock.Advance(in.Next() * 5);
        break;
      case 5:
        r.link.StartReceive();
        break;
      case 6:
        r.line.outputQueued = in.Next() & 1;
        break;
      case 7:
        r.clock.ms = (core::kMillisecondsPerDay - 1 - in.Next());
        break;
    }
  }

  // A clean transfer whose pieces and pauses come from the input.
  r.line.outputQueued = 0;
  r.link.StartReceive();
  r.Feed(core::kAck);
  Step(r);
  Step(r);
  Check(r.link.ReceiveStateValue() == core::kRxHeader);
  linktest::Bytes header = {'F', 'C', '2', '8', in.Next(), in.Next()};
  const int length = (in.Next() << 8 | in.Next()) % (core::kMaxDataBlock + 1);
  linktest::Bytes image(length);
  for (int i = 0; i < length; ++i) image[i] = static_cast<std::uint8_t>(in.Next() ^ i);
  auto feedInPieces = [&](const linktest::Bytes& block, bool timed) {
    std::size_t at = 0;
    while (at < block.size()) {
      const std::size_t piece = std::min<std::size_t>(block.size() - at, 1 + in.Next() % 64);
      r.Feed(linktest::Bytes(block.begin() + at, block.begin() + at + piece));
      at += piece;
      Step(r);
      // Pauses stay well inside the 300 ms a header or length block may take.
      if (timed) r.clock.Advance(in.Next() % 40);
    }
  };
  feedInPieces(header, true);
  Check(r.link.ReceiveStateValue() == core::kRxHeaderAck);
  Step(r);
  const auto lengthBlock = core::LengthBlock(length);
  feedInPieces(linktest::Bytes(lengthBlock.begin(), lengthBlock.end()), true);
  Check(r.link.ReceiveStateValue() == core::kRxLengthAck);
  Step(r);
  const int rebuildsBefore = r.host.rebuilds;
  feedInPieces(image, false);
  Step(r);
  Step(r);
  Check(r.host.rebuilds == rebuildsBefore + 1);
  Check(r.link.TransferBusy() == 0);
  const core::ModellSpeicherTyp* rec = r.link.RecordBeingReceived();
  Check(rec && rec->inUse && rec->dataLength == length);
  Check(linktest::Bytes(rec->header.begin(), rec->header.end()) == header);
  Check(linktest::Bytes(rec->image.begin(), rec->image.begin() + length) == image);
  for (int i = length; i < core::kImageSize; ++i) Check(rec->image[i] == 0xFF);
  return 0;
}
