#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

TEST(UpperCase, MapsLettersAndKeepsEveryLength) {
  EXPECT_EQ(platform::UpperCase("c:\\total cmd\\wincmd.ini"), "C:\\TOTAL CMD\\WINCMD.INI");
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string upper = platform::UpperCase(all);
  ASSERT_EQ(upper.size(), 256u);
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    EXPECT_EQ(upper[b], platform::UpperChar(c));
    if (b >= 'a' && b <= 'z') {
      EXPECT_EQ(upper[b], static_cast<char>(b - 32));
    } else if (b < 128) {
      EXPECT_EQ(upper[b], c) << b;
    }
  }
  // Upper-casing twice changes nothing more.
  EXPECT_EQ(platform::UpperCase(upper), upper);
}

}  // namespace
