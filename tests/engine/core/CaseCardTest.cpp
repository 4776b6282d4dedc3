#include "engine/core/CaseCard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using tarvex::engine::CaseCard;

namespace {

CaseCard card(const std::string& text) {
    CaseCard c;
    c.assign(text.data(), text.size(), 7);
    return c;
}

struct RealCase {
    const char* field; // the field's columns, written at column 1
    int decimals;
    double expected;
};

// Fixed-column real fields: a decimal point as written, implied decimals otherwise,
// blanks ignored, all-blank zero.
TEST(CaseCardTest, ReadsRealFieldsWithImpliedDecimals) {
    const RealCase cases[] = {
        {" 1.060", 3, 1.060},  {"  1060", 3, 1.060}, {"     5", 3, 0.005},   {"   -5", 2, -0.05},
        {"1 0 6 0", 3, 1.060}, {"      ", 3, 0.0},   {"-16.9   ", 1, -16.9}, {"+232.4", 1, 232.4},
        {"  2324", 1, 232.4},  {"    .19", 1, 0.19}, {"  12.", 1, 12.0},     {"0052800", 4, 5.28},
    };
    for (const RealCase& c : cases) {
        double value = -1.0;
        const int width = static_cast<int>(std::strlen(c.field));
        ASSERT_TRUE(card(c.field).readReal(1, width, c.decimals, value)) << c.field;
        EXPECT_DOUBLE_EQ(value, c.expected) << c.field;
    }
}

TEST(CaseCardTest, RejectsMalformedRealFields) {
    for (const char* field : {"1.2X", "ABC", "1.0E2", "+-1", "1-2", ".", "-", "1.2.3", "1\t2"}) {
        double value = 0.0;
        EXPECT_FALSE(card(field).readReal(1, static_cast<int>(std::strlen(field)), 2, value))
            << field;
    }
}

TEST(CaseCardTest, ReadsIntegerFields) {
    int value = 0;
    EXPECT_TRUE(card("-999").readInt(1, 4, value));
    EXPECT_EQ(value, -999);
    EXPECT_TRUE(card("  12").readInt(1, 4, value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(card("   +7").readInt(1, 5, value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(card("    ").readInt(1, 4, value));
    EXPECT_EQ(value, 0);
    for (const char* field : {"1.0", "1A", "--1", "-", "0x10"}) {
        EXPECT_FALSE(card(field).readInt(1, static_cast<int>(std::strlen(field)), value)) << field;
    }
}

// A card shorter than its layout reads as padded with blanks: missing fields are zero.
TEST(CaseCardTest, ShortCardReadsAsPaddedWithBlanks) {
    const CaseCard c = card("   4 BUS");
    double value = -1.0;
    EXPECT_TRUE(c.readReal(115, 122, 1, value));
    EXPECT_EQ(value, 0.0);
    int number = 0;
    EXPECT_TRUE(c.readInt(1, 4, number));
    EXPECT_EQ(number, 4);
    EXPECT_EQ(c.at(200), ' ');
    EXPECT_TRUE(c.startsWith("   4 BUS"));
    EXPECT_FALSE(c.startsWith("   4 BUS DATA"));
    EXPECT_EQ(c.line(), 7);
}

} // namespace
