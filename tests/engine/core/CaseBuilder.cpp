#include "tests/engine/core/CaseBuilder.h"

#include <cstdarg>
#include <cstdio>

namespace tarvex::test {

std::string format(const char* pattern, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return buffer;
}

CaseBuilder::CaseBuilder(double base) : m_base(base) {}

CaseBuilder& CaseBuilder::bus(const BusSpec& s) {
    const std::string name = format("BUS%d", s.number);
    if (s.type == 2) {
        m_buses += format("%4d %-12.12s %2d000 %2d %6.4f%7.2f%9.2f%10.2f%8.2f%8.2f     0.0 "
                          "%6.4f%8.2f%8.2f     0.0%8.4f 0000 0000\n",
                          s.number, name.c_str(), s.area, s.type, s.voltage, 0.0, s.loadP, s.loadQ,
                          s.genP, s.genQ, s.voltage, s.qMax, s.qMin, s.shunt);
    } else {
        m_buses += format("%4d %-12.12s %2d000 %2d %6.4f%7.2f%9.2f%10.2f%8.2f%8.2f     0.0 "
                          "%6.4f     0.0     0.0     0.0%8.4f 0000 0000\n",
                          s.number, name.c_str(), s.area, s.type, s.voltage, 0.0, s.loadP, s.loadQ,
                          s.genP, s.genQ, s.voltage, s.shunt);
    }
    return *this;
}

CaseBuilder& CaseBuilder::branch(const BranchSpec& s) {
    const int transformer = (s.tap != 0.0 && s.tap != 1.0) || s.phase != 0.0 ? 1 : 0;
    m_branches +=
        format("%4d %4d %2d000 0 %d%10.6f%11.6f %8.5f %5d 00000 00000 0000 0  %6.4f  "
               "%6.2f   0.0    0.0    0.0      0.0      0.0 0000\n",
               s.from, s.to, 1, transformer, s.r, s.x, s.charging, s.rating, s.tap, s.phase);
    return *this;
}

std::string CaseBuilder::text() const {
    std::string out = format("%-31s%4.1f\n", "TEST CASE", m_base);
    out += "BUS DATA FOLLOWS\n" + m_buses + "-999\n";
    out += "BRANCH DATA FOLLOWS\n" + m_branches + "-999\n";
    out += "LOSS ZONES FOLLOWS\n-99\nINTERCHANGE DATA FOLLOWS\n-9\nTIE LINES FOLLOWS\n-999\n";
    out += "END OF DATA\n\n";
    return out;
}

} // namespace tarvex::test
