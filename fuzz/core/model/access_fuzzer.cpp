// Reads and writes of parameters over arbitrary images, addresses, bit indexes and texts.
// The record's header and length bytes sit right behind the image: they must never change.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/model/names.h"
#include "core/model/valuelist.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  int Word() { return (Byte() << 8) | Byte(); }
  std::string Text() {
    const std::size_t n = Byte() % 40;
    std::string s;
    for (std::size_t i = 0; i < n && at_ < size_; ++i) s += static_cast<char>(data_[at_++]);
    return s;
  }
  bool Empty() const { return at_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

constexpr int kBases[] = {0, 1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1023};
constexpr int kVersions[] = {30, 31, 32, 0};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  core::ModellSpeicherTyp m;
  const int base = kBases[in.Byte() % 12];
  if (base != 0) m.image = core::DefaultImageFor(base);
  if (base == 1023) m.image[118] = 7;
  const int version = kVersions[in.Byte() % 4];
  // Scatter some arbitrary bytes over the image.
  for (int n = in.Byte() % 64; n > 0; --n) {
    const int at = in.Word() % core::kImageSize;
    m.image[static_cast<std::size_t>(at)] = in.Byte();
  }
  const auto header = m.header;
  const auto length = m.lengthBytes;

  while (!in.Empty()) {
    const int op = in.Byte() % 6;
    // Addresses up to 0xFFFF: beyond the image, with and without the default marker.
    const int address = in.Word() - (in.Byte() == 0 ? 0x10000 : 0);
    const int bit = static_cast<std::int8_t>(in.Byte()) % 12;
    switch (op) {
      case 0: (void)core::GetParameterText(address, bit, &m, version); break;
      case 1: (void)core::SetParameterText(address, bit, &m, false, in.Text(), version); break;
      case 2: (void)core::SetParameterText(address, bit, &m, true, in.Text(), version); break;
      case 3: (void)core::ExpandedParameterName(address, bit, in.Byte() & 1, &m, version); break;
      case 4: {
        const int k = address % (core::kParamCount + 2);
        (void)core::FormatParameterValue(k, static_cast<std::int8_t>(in.Byte()) % 20, in.Byte() & 1, &m,
                                         in.Byte() & 1);
        break;
      }
      case 5: {
        std::vector<std::string> items;
        const int formula = in.Byte() % 60;
        core::FillValueList(formula, items, bit, &m, -address, address);
        (void)core::TextToFormula(formula, in.Text(), bit, &m);
        (void)core::GetTextByKey(in.Byte() % 200, bit, bit, &m, version);
        break;
      }
    }
    if (m.header != header || m.lengthBytes != length) std::abort();
  }
  return 0;
}
