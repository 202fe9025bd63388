#include <gtest/gtest.h>

#include <QImage>

#include "core/shell/icons.h"

namespace platform {
namespace {

// The window loads the icon files with Qt; each built-in copy must be readable there.
TEST(IconsQtTest, QtReadsEveryBuiltInBitmap) {
  for (const core::IconBitmap& icon : core::BuiltInIcons()) {
    SCOPED_TRACE(icon.fileName);
    QImage image;
    ASSERT_TRUE(image.loadFromData(icon.bytes.data(), static_cast<int>(icon.bytes.size()), "BMP"));
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 255));
  }
  QImage ok;
  ASSERT_TRUE(ok.loadFromData(core::BuiltInIcon("Ok.bmp")->data(), 246, "BMP"));
  EXPECT_EQ(ok.pixelColor(1, 7), QColor(0, 128, 0));
}

}  // namespace
}  // namespace platform
