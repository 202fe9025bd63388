// veltrano-icons DIR: writes the built-in icon bitmap files into DIR, for installing them with
// the program so that it need not write them beside itself.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/shell/icons.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: veltrano-icons DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  for (const core::IconBitmap& icon : core::BuiltInIcons())
    std::filesystem::remove(dir / icon.fileName, ec);
  if (!core::WriteIconFiles(dir, {})) {
    std::fprintf(stderr, "veltrano-icons: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
