#include "examples/generator/LayoutCheck.h"
#include "examples/generator/ExampleBuilder.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Each case adds one fault to a clean diagram and expects it among the findings.
// Bus 1 at x 100..170 and bus 2 at x 400..470, both with their bars at y -200..-190,
// far enough apart for their labels.
const std::string kTwoBuses = "case name=\"LAYOUT\"\n"
                              "bus 1 at=100,-200 type=slack\n"
                              "bus 2 at=400,-200\n";

std::vector<std::string> blemishes(const std::string& text) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    CExampleBuilder(doc, app, "layout.txt").Read(text);
    return CLayoutCheck::Check(doc);
}

TEST(LayoutCheckTest, ACleanDiagramHasNoBlemish) {
    EXPECT_TRUE(blemishes(kTwoBuses + "line 1 2 r=0 x=0.1 rating=9 : 150,-190 150,-150 420,-150 "
                                      "420,-190\n"
                                      "capacitor 2 at=450,-200 orientation=90 b=0.1\n")
                    .empty());
}

struct Blemish {
    const char* records; // added to the two buses
    const char* found;
};

void PrintTo(const Blemish& blemish, std::ostream* os) {
    *os << blemish.found;
}

class LayoutCheckFinds : public ::testing::TestWithParam<Blemish> {};

TEST_P(LayoutCheckFinds, TheBlemish) {
    const std::vector<std::string> found = blemishes(kTwoBuses + GetParam().records);
    std::string all;
    for (const std::string& one : found) all += one + "\n";
    EXPECT_NE(std::find(found.begin(), found.end(), GetParam().found), found.end()) << all;
}

INSTANTIATE_TEST_SUITE_P(
    Diagrams, LayoutCheckFinds,
    ::testing::Values(
        // Two branches between the same buses, one above and one below, crossing on the
        // way across.
        Blemish{"line 1 2 r=0 x=0.1 rating=9 : 120,-190 120,-150 440,-150 440,-190\n"
                "line 2 1 r=0 x=0.1 rating=9 : 410,-190 410,-120 160,-120 160,-190\n",
                "branch 1-2 and branch 2-1 cross or touch at (410,-150)"},
        // Straight along the bottom edge of its own bar before leaving it.
        Blemish{"line 1 2 r=0 x=0.1 rating=9 : 150,-200 200,-200 200,-250 450,-250 450,-200\n",
                "branch 1-2 runs through or along bus 1"},
        // Through a third bus on the way.
        Blemish{"bus 3 at=250,-300\n"
                "line 1 2 r=0 x=0.1 rating=9 : 120,-200 120,-300 420,-300 420,-200\n",
                "branch 1-2 runs through or along bus 3"},
        // A capacitor lying along the bar instead of beside it.
        Blemish{"capacitor 1 at=150,-200 orientation=0 b=0.1\n",
                "the bus 1 and the capacitor at bus 1 overlap"},
        // A branch through the voltage meter's labels.
        Blemish{"voltage 1 at=120,-190 orientation=270 value=1\n"
                "line 1 2 r=0 x=0.1 rating=9 : 150,-190 150,-150 420,-150 420,-190\n",
                "branch 1-2 runs through the labels of the voltage meter at bus 1"},
        // A third bus whose name would be written over bus 1's result labels.
        Blemish{"bus 3 name=\"CLOSE\" at=220,-200\n",
                "the labels of bus 1 and the name of bus 3 overlap"}));

} // namespace
