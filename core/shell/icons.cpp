#include "core/shell/icons.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "core/shell/icon_bitmaps.h"

namespace core {

namespace fs = std::filesystem;

namespace {

using namespace icon_bitmaps;

// Ten 4-bit files and the two 24-bit folders: complete Windows bitmaps of fixed size.
static_assert(kOkBmp.size() == 246 && kLeerBmp.size() == 246 && kNichtOkBmp.size() == 246 &&
              kKlammerBmp.size() == 246 && kMuellEimerBmp.size() == 246 &&
              kModellBmp.size() == 246 && kKlammerUndMuellBmp.size() == 246 &&
              kKlammerOkBmp.size() == 246 && kMuellEimerOkBmp.size() == 246 &&
              kKlammerUndMuellOkBmp.size() == 246);
static_assert(kOrdnerModellBmp.size() == 822 && kOrdnerOffenBmp.size() == 822);

// "Ok.bmp" first, then the order in which WriteIconFiles writes the others.
constexpr std::array<IconBitmap, 12> kIcons = {{
    {"Ok.bmp", kOkBmp},
    {"Leer.bmp", kLeerBmp},
    {"NichtOk.bmp", kNichtOkBmp},
    {"Klammer.bmp", kKlammerBmp},
    {"MuellEimer.bmp", kMuellEimerBmp},
    {"Modell.bmp", kModellBmp},
    {"KlammerUndMuell.bmp", kKlammerUndMuellBmp},
    {"KlammerOk.bmp", kKlammerOkBmp},
    {"MuellEimerOk.bmp", kMuellEimerOkBmp},
    {"KlammerUndMuellOk.bmp", kKlammerUndMuellOkBmp},
    {"OrdnerModell.bmp", kOrdnerModellBmp},
    {"OrdnerOffen.bmp", kOrdnerOffenBmp},
}};

bool Exists(const fs::path& file) {
  std::error_code ec;
  return fs::exists(file, ec);
}

// Writes the bytes as a new file; a partly written file is removed again.
bool WriteFile(const fs::path& file, std::span<const std::uint8_t> bytes) {
  std::error_code ec;
  fs::remove(file, ec);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return true;
  fs::remove(file, ec);
  return false;
}

}  // namespace

std::span<const IconBitmap> BuiltInIcons() {
  return kIcons;
}

std::optional<std::span<const std::uint8_t>> BuiltInIcon(std::string_view fileName) {
  for (const IconBitmap& icon : kIcons) {
    if (fileName == icon.fileName) return icon.bytes;
  }
  return std::nullopt;
}

std::vector<fs::path> IconSearchDirs(const fs::path& cwd, const fs::path& exeDir) {
  std::vector<fs::path> dirs = {cwd, cwd / "..", cwd / "exe"};
#ifdef _WIN32
  dirs.push_back(cwd.root_path() / "Programme" / "Veltrano");
  dirs.push_back(fs::path("c:\\Programme\\Veltrano"));
  dirs.push_back(fs::path("c:\\Program Files\\Veltrano"));
#endif
  if (!exeDir.empty()) {
    dirs.push_back(exeDir);
    // Installed, the icons lie in the data folder: nothing needs writing beside the program.
    dirs.push_back(exeDir / kInstalledIconDir);
  }
  return dirs;
}

std::optional<fs::path> FindIconDirectory(const std::vector<fs::path>& dirs) {
  for (const fs::path& dir : dirs) {
    if (Exists(dir / "Ok.bmp")) return dir;
  }
  return std::nullopt;
}

std::optional<std::array<std::vector<std::uint8_t>, 13>> ReadIconFiles(const fs::path& dir) {
  std::array<std::vector<std::uint8_t>, 13> files;
  for (std::size_t i = 0; i < kImageListFiles.size(); ++i) {
    std::ifstream in(dir / kImageListFiles[i], std::ios::binary);
    if (!in) return std::nullopt;
    files[i].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
  }
  return files;
}

bool WriteIconFiles(const fs::path& cwd, const std::vector<fs::path>& searchDirs) {
  return WriteIconFiles(cwd, searchDirs, WriteFile);
}

bool WriteIconFiles(const fs::path& cwd, const std::vector<fs::path>& searchDirs,
                    const IconFileWriter& write) {
  const std::optional<fs::path> iconDir = FindIconDirectory(searchDirs);
  for (const IconBitmap& icon : kIcons) {
    const bool isOk = std::string_view(icon.fileName) == "Ok.bmp";
    if (isOk && iconDir) continue;
    // Files already present are kept: rewriting them at every start gains nothing.
    if (Exists(cwd / icon.fileName) || (iconDir && Exists(*iconDir / icon.fileName))) continue;
    if (!write(cwd / icon.fileName, icon.bytes)) return false;
  }
  return true;
}

}  // namespace core
