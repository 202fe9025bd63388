#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "core/shell/icons.h"

namespace platform {
namespace {

// The window loads the icon files with Qt: each built-in copy must be a 16x16 picture there,
// white in the corner, green where it shows the check mark and dark red only in "NichtOk".
TEST(IconsQtTest, QtReadsEveryBuiltInBitmapWithItsColours) {
  const QRgb white = qRgb(255, 255, 255), green = qRgb(0, 128, 0), darkRed = qRgb(128, 0, 0);
  for (const core::IconBitmap& icon : core::BuiltInIcons()) {
    SCOPED_TRACE(icon.fileName);
    const std::string name = icon.fileName;
    QImage image;
    ASSERT_TRUE(image.loadFromData(icon.bytes.data(), static_cast<int>(icon.bytes.size()), "BMP"));
    ASSERT_EQ(image.size(), QSize(16, 16));
    std::set<QRgb> colours;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) colours.insert(image.pixel(x, y) | 0xFF000000u);
    EXPECT_EQ(image.pixel(0, 0) | 0xFF000000u, white);
    EXPECT_EQ(colours.size() == 1, name == "Leer.bmp");
    EXPECT_EQ(colours.count(green) > 0,
              name.find("Ok") != std::string::npos && name != "NichtOk.bmp");
    EXPECT_EQ(colours.count(darkRed) > 0, name == "NichtOk.bmp");
  }
}

}  // namespace
}  // namespace platform
