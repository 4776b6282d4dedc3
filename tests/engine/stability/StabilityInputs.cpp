#include "tests/engine/stability/StabilityInputs.h"

#include "tests/engine/core/CaseBuilder.h"
#include "tests/support/FileText.h"

#include <cmath>

namespace tarvex::test::stability {

std::string caseText(const std::vector<StabilityBus>& buses, double base) {
    std::string out = format("%-31s%4.1f\n", "STABILITY TEST", base);
    out += "BUS DATA FOLLOWS\n";
    for (const StabilityBus& b : buses) {
        out += format("%4d %-12.12s %2d000 %2d %6.4f%7.2f%9.2f%10.2f%8.4f%8.5f     0.0 "
                      "%6.4f     0.0     0.0     0.0  0.0000 0000 0000\n",
                      b.number, "BUS", 1, b.type, b.voltage, b.angle, b.loadP, b.loadQ, b.genP,
                      b.genQ, b.voltage);
    }
    out += "-999\nBRANCH DATA FOLLOWS\n-999\n";
    out += "LOSS ZONES FOLLOWS\n-99\nINTERCHANGE DATA FOLLOWS\n-9\nTIE LINES FOLLOWS\n-999\n";
    out += "END OF DATA\n\n";
    return out;
}

std::string admittanceText(const std::vector<Admittance>& entries) {
    std::string out;
    for (const Admittance& e : entries) {
        out += format(" %5d  %5d  (%15.6f,  %15.6f)\n", e.i, e.j, e.g, e.b);
    }
    return out;
}

std::string dynamicText(const std::vector<Machine>& machines) {
    std::string out = format("Tarvex          IEEE DYNAMIC DATA FILE  %4.1f\n", 100.0);
    out += format(" GENERATOR DATA\t\t\t\t%4d ITEMS\n", static_cast<int>(machines.size()));
    int twoAxis = 0;
    for (const Machine& g : machines) {
        if (g.model == 1) {
            out += format(
                "%5d              1                                                0.0 \n", g.bus);
            out +=
                format("     1000.0    16.5                          1000.0 %10.5f   0.0\n", g.h);
            out += format("     0.0000 %10.5f                       0.00                0.0\n",
                          g.xdPrime);
            out += "     1000.0    0.0000                        0.00               \n";
        } else {
            ++twoAxis;
            out += format(
                "%5d              1                                                1.1 \n", g.bus);
            out += format("     1000.0    16.5                          1000.0 %10.5f%10.5f\n", g.h,
                          g.damping);
            out += format("  %10.5f%10.5f                    %10.5f             0.0    \n", g.xd,
                          g.xdPrime, g.tdoPrime);
            out += format("  %10.5f%10.5f                    %10.5f                 \n", g.xq,
                          g.xqPrime, g.tqoPrime);
        }
    }
    out += " -999\n";
    out += format(" EXCITATION DATA\t\t    %4d ITEMS\n", twoAxis);
    for (const Machine& g : machines) {
        if (g.model != 2) continue;
        out += format("%5d              1    DC1\n", g.bus);
        out += format("   %9.4f%9.4f                     %9.4f %9.4f  \n", 20.0, 0.2, 7.3, -7.3);
        out += format("  %9.4f %9.4f %9.4f %9.4f %9.4f %9.4f \n", 1.0, 0.314, 0.1816, 2.47, 0.901,
                      3.5);
        out += format("  %9.4f %9.4f  \n", 0.063, 0.35);
    }
    out += " -999\n";
    out += " STABILIZE DATA                 0 ITEMS\n -999\n";
    out += " SPEED GOVENOR DATA             0 ITEMS\n -999\n";
    out += " LOAD DATA                      0 ITEMS\n -999\n";
    out += "END OF DATA\n\n";
    return out;
}

std::string settingsText(const Settings& s) {
    std::string out;
    out += format("    %f \n", s.tolerance);
    out += format("    %f \n", s.step);
    out += format("    %f \n", s.time);
    out += format("    %d \n", s.faultKind);
    out += format("    %f \n", s.faultStart);
    out += format("    %f \n", s.faultClear);
    out += format("    %d \n", s.bus1);
    out += format("    %d \n", s.bus2);
    out += format("BUS TO PLOT %d\n", static_cast<int>(s.plotted.size()));
    for (int bus : s.plotted) out += format("Bus %4d\n", bus);
    out += " -999\n";
    return out;
}

void writeInputs(const std::vector<StabilityBus>& buses, const std::vector<Admittance>& y,
                 const std::vector<Machine>& machines, const Settings& settings) {
    writeFileText("pfinput.dat", caseText(buses));
    writeFileText("ymatrix.dat", admittanceText(y));
    writeFileText("dyinput.dat", dynamicText(machines));
    writeFileText("TSparameter.dat", settingsText(settings));
}

std::vector<StabilityBus> twoMachineBuses() {
    // Q at each end: (1 - cos 30) / 0.5 = 0.2679492 p.u.
    return {{1, 2, 1.0, 30.0, 0.0, 0.0, 100.0, 26.79492},
            {2, 3, 1.0, 0.0, 50.0, 10.0, -50.0, 36.79492}};
}

std::vector<Admittance> twoMachineAdmittances() {
    // 1 / j0.5: the listing writes a zero conductance as -0.000000.
    return {{1, 1, 0.0, -2.0}, {2, 2, 0.0, -2.0}, {2, 1, -0.0, 2.0}, {1, 2, -0.0, 2.0}};
}

} // namespace tarvex::test::stability
