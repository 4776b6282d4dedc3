#include "model/draw/Format.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatTextTest, FormatsLikePrintfWithoutTruncatingLongTexts) {
    EXPECT_EQ(FormatText("B%d to B%d: %6.4f", 3, 12, 2.5), "B3 to B12: 2.5000");
    EXPECT_EQ(FormatText("%s", ""), "");
    // A bus name or a status text may be long; nothing is cut at a buffer size.
    const std::string name(700, 'x');
    const std::string text = FormatText("[%s] %.2f", name.c_str(), -1.005);
    EXPECT_EQ(text.size(), name.size() + 2 + 6);
    EXPECT_EQ(text.substr(text.size() - 6), " -1.00");
}

} // namespace
