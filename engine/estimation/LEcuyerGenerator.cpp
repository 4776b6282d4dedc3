#include "engine/estimation/LEcuyerGenerator.h"

#include <cmath>

namespace tarvex::engine {

namespace {

// Schrage's decomposition m = a*q + r keeps a*s mod m within 32 bits.
constexpr int kM1 = 2147483563, kA1 = 40014, kQ1 = 53668, kR1 = 12211;
constexpr int kM2 = 2147483399, kA2 = 40692, kQ2 = 52774, kR2 = 3791;
constexpr double kScale = 1.0 / kM1;

} // namespace

float LEcuyerGenerator::uniform() {
    int k = m_s1 / kQ1;
    m_s1 = kA1 * (m_s1 - k * kQ1) - k * kR1;
    if (m_s1 < 0) m_s1 += kM1;
    k = m_s2 / kQ2;
    m_s2 = kA2 * (m_s2 - k * kQ2) - k * kR2;
    if (m_s2 < 0) m_s2 += kM2;
    int z = m_s1 - m_s2;
    if (z < 1) z += kM1 - 1;
    // z lies in 1..kM1-1; in single precision the quotient could round to 1.0, which is
    // kept just below it so the value stays inside the open interval.
    float u = static_cast<float>(z * kScale);
    if (u >= 1.0f) u = std::nextafter(1.0f, 0.0f);
    return u;
}

double LEcuyerGenerator::gaussian() {
    const double u1 = uniform();
    const double u2 = uniform();
    const double twoPi = 8.0 * std::atan(1.0);
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(twoPi * u2);
}

LEcuyerGenerator& estimationRandomGenerator() {
    static LEcuyerGenerator generator;
    return generator;
}

} // namespace tarvex::engine
