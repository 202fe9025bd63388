#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace core {

/// A built-in icon: a complete Windows bitmap file, 16 x 16 pixels.
struct IconBitmap {
  const char* fileName;
  std::span<const std::uint8_t> bytes;
};

/// The twelve built-in icon files ("Ok.bmp" first, then in WriteIconFiles order).
std::span<const IconBitmap> BuiltInIcons();
/// The built-in bytes of the named file (exact name), or nullopt.
std::optional<std::span<const std::uint8_t>> BuiltInIcon(std::string_view fileName);

/// ImageListOk in state index order (the tree's indexes: store/tree.h); 0 is a placeholder.
inline constexpr std::array<const char*, 13> kImageListFiles = {
    "Ok.bmp",                 // 0 placeholder, never shown
    "NichtOk.bmp",            // 1
    "Ok.bmp",                 // 2 active
    "Klammer.bmp",            // 3 comment
    "MuellEimer.bmp",         // 4 deleted
    "Modell.bmp",             // 5
    "KlammerUndMuell.bmp",    // 6 deleted with comment
    "OrdnerModell.bmp",       // 7 name node
    "OrdnerOffen.bmp",        // 8 selected name node
    "KlammerOk.bmp",          // 9 active with comment
    "MuellEimerOk.bmp",       // 10 active deleted
    "KlammerUndMuellOk.bmp",  // 11 active deleted with comment
    "Leer.bmp",               // 12 none of these
};

/// Where an installed program keeps its icon files, relative to its executable's folder.
inline constexpr const char* kInstalledIconDir = "../share/veltrano";

/// Where to look for "Ok.bmp", in order: cwd, cwd/.., cwd/exe, on Windows \Programme\Veltrano,
/// c:\Programme\Veltrano and c:\Program Files\Veltrano, then, when exeDir is not empty, exeDir
/// and the installed data folder exeDir/../share/veltrano (kInstalledIconDir).
std::vector<std::filesystem::path> IconSearchDirs(const std::filesystem::path& cwd,
                                                  const std::filesystem::path& exeDir);
/// The first directory of dirs holding "Ok.bmp", or nullopt.
std::optional<std::filesystem::path> FindIconDirectory(
    const std::vector<std::filesystem::path>& dirs);
/// The bytes of the twelve icon files of dir in kImageListFiles order (13 entries), or nullopt
/// when any of them cannot be read.
std::optional<std::array<std::vector<std::uint8_t>, 13>> ReadIconFiles(
    const std::filesystem::path& dir);

/// Writes the built-in icon files into cwd: "Ok.bmp" only when no search dir has it, then the
/// other eleven in order. A file that exists in cwd or in the icon directory is left alone.
/// Stops at the first failure (removing that partial file); true when nothing failed.
bool WriteIconFiles(const std::filesystem::path& cwd,
                    const std::vector<std::filesystem::path>& searchDirs);

/// Writes one file; false when it failed.
using IconFileWriter =
    std::function<bool(const std::filesystem::path&, std::span<const std::uint8_t>)>;
/// WriteIconFiles with the file writer given.
bool WriteIconFiles(const std::filesystem::path& cwd,
                    const std::vector<std::filesystem::path>& searchDirs,
                    const IconFileWriter& write);

}  // namespace core
