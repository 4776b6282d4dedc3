#include "model/NumericFieldReader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// What the C scanner's "%d" and "%f" take from the start of a field, and where they stop.
struct Case {
    const char* text;
    std::optional<int> integer; // ReadInt from the start
    std::optional<float> real;  // ReadFloat from the start
    std::size_t endOfReal;      // position after the real (or after the white space)
};

TEST(NumericFieldReaderTest, ReadsAsTheCScannerDoes) {
    const Case cases[] = {
        {"  42 ", 42, 42.0f, 4},
        {"\n+7", 7, 7.0f, 3},                   // a plus sign is taken
        {"+-7", std::nullopt, std::nullopt, 0}, // but not before a minus
        {"-3.25e1x", -3, -32.5f, 7},            // the longest number that fits
        {"1.5D-03", 1, 1.5f, 3},                // no Fortran exponent in the editor's files
        {"nan", std::nullopt, std::nullopt, 0},
        {"inf", std::nullopt, std::nullopt, 0},
        {"1e39", 1, std::nullopt, 0},                      // beyond single precision
        {"99999999999", std::nullopt, 99999997952.0f, 11}, // beyond int
        {"   ", std::nullopt, std::nullopt, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CNumericFieldReader ints(c.text);
        EXPECT_EQ(ints.ReadInt(), c.integer);
        CNumericFieldReader reals(c.text);
        EXPECT_EQ(reals.ReadFloat(), c.real);
        EXPECT_EQ(reals.Position(), c.endOfReal);
    }
}

TEST(NumericFieldReaderTest, ReadsFieldAfterFieldAndRewinds) {
    const std::string text = " 3 0.9870\n-6.75 ";
    CNumericFieldReader reader(text);
    EXPECT_EQ(reader.ReadInt(), 3);
    EXPECT_EQ(reader.ReadFloat(), 0.987f);
    EXPECT_EQ(reader.ReadFloat(), -6.75f);
    EXPECT_FALSE(reader.ReachedEnd());
    EXPECT_TRUE(reader.AtEnd());
    reader.Rewind();
    EXPECT_EQ(reader.ReadInt(), 3);
}

} // namespace
