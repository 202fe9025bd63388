// LoadModelMemory over arbitrary model memory file bytes and comment file bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/store/model_memory.h"
#include "core/store/record.h"

namespace {

// A directory of our own, removed when the fuzzer exits.
struct TempDir {
  TempDir() {
    std::random_device rd;
    path = std::filesystem::temp_directory_path() /
           ("veltrano_fuzz_load_" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::filesystem::path path;
};

const std::filesystem::path& Dir() {
  static const TempDir dir;
  return dir.path;
}

void Write(const std::filesystem::path& p, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

// Input: one length byte pair splits the data into the *.fc bytes and the comment bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::size_t split = size;
  if (size >= 2) {
    split = std::min<std::size_t>(size - 2, (data[0] << 8 | data[1]) % 4096);
    data += 2;
    size -= 2;
  }
  const auto fc = Dir() / "F.FC";
  const auto txt = Dir() / "F.TXT";
  Write(fc, data, split);
  if (size > split) {
    Write(txt, data + split, size - split);
  } else {
    std::error_code ec;
    std::filesystem::remove(txt, ec);
  }

  core::ModellSpeicherTyp record;
  const bool ok = core::LoadModelMemory(record, fc.string());
  if (record.dataLength < 0 || record.dataLength > core::kImageSize) std::abort();
  if (ok) {
    if (!record.inUse || !record.imageSaved || !record.commentSaved) std::abort();
    if (record.lengthBytes[0] * 256 + record.lengthBytes[1] != record.dataLength) std::abort();
    if (split < 8u + static_cast<std::size_t>(record.dataLength)) std::abort();
    if (record.hasComment != (size > split)) std::abort();
    // The name and the stem must come out of any bytes.
    if (core::NameText(&record).empty()) std::abort();
    if (core::FileNameStem(record).empty()) std::abort();
    // What was read writes back to the same leading bytes.
    record.imageSaved = false;
    record.commentSaved = false;
    const auto out = Dir() / "O.FC";
    if (!core::WriteModelMemory(record, out.string()).ok()) std::abort();
    core::ModellSpeicherTyp again;
    if (!core::LoadModelMemory(again, out.string())) std::abort();
    if (again.dataLength != record.dataLength || again.image != record.image ||
        again.comment != record.comment) {
      std::abort();
    }
  } else if (record.inUse) {
    std::abort();
  }
  return 0;
}
