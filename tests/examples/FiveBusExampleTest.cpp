#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"
#include "tests/examples/ExampleFiles.h"
#include "tests/examples/PowerFlowRun.h"

#include <gtest/gtest.h>

using namespace tarvex::test;

namespace {

// The solution printed with the five-bus sample system in Stagg and El-Abiad,
// "Computer Methods in Power System Analysis": voltage (p.u.) and angle (degrees).
struct Published {
    int bus;
    double voltage, angle;
};
constexpr Published kStaggSolution[] = {
    {1, 1.060, 0.00}, {2, 1.047, -2.81}, {3, 1.024, -4.99}, {4, 1.024, -5.33}, {5, 1.018, -6.15},
};

TEST(FiveBusExampleTest, PowerFlowFindsTheTextbookSolution) {
    CSkemtorDoc doc;
    CSkemtorApp app;
    ASSERT_EQ(openExample("five-bus", doc, app), "");
    for (const auto& message : runPowerFlow(doc, app)) ADD_FAILURE() << message;
    for (const Published& expected : kStaggSolution) {
        const CBus* bus = doc.FindBus(expected.bus);
        ASSERT_NE(bus, nullptr);
        EXPECT_NEAR(bus->m_pfVoltage, expected.voltage, 0.002) << "bus " << expected.bus;
        EXPECT_NEAR(bus->m_pfAngle, expected.angle, 0.05) << "bus " << expected.bus;
    }
    // The slack bus supplies the 165 MW of load less South's 40 MW, plus the losses.
    EXPECT_GT(doc.FindBus(1)->m_pfP, 125.0);
    EXPECT_LT(doc.FindBus(1)->m_pfP, 135.0);
}

} // namespace
