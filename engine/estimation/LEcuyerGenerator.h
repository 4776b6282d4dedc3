#pragma once

// L'Ecuyer's combined multiplicative congruential generator (multipliers 40014 and
// 40692, moduli 2147483563 and 2147483399), the pseudo-random source of the
// estimators' measurement noise and of the observability analysis's random matrix
// entries. The process keeps one generator: it is seeded once, at start-up, with
// (2147483562, 2147483398) and then continues from run to run, so the first run after
// start-up always draws the same sequence and later runs draw new ones.
namespace tarvex::engine {

class LEcuyerGenerator {
public:
    static constexpr int kSeed1 = 2147483562;
    static constexpr int kSeed2 = 2147483398;

    // Back to the start-up seeds (the process-wide generator is never reset by a run).
    void reset() {
        m_s1 = kSeed1;
        m_s2 = kSeed2;
    }
    // Uniform in (0, 1), held in single precision.
    float uniform();
    // Standard normal N(0, 1) by the Box-Muller transform of two uniforms.
    double gaussian();

private:
    int m_s1 = kSeed1;
    int m_s2 = kSeed2;
};

// The generator shared by every estimation run of the process.
LEcuyerGenerator& estimationRandomGenerator();

} // namespace tarvex::engine
