#include "engine/opf/La01bdTrace.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tarvex::engine {

namespace {

constexpr const char* kName = "  la01bd";

// A real in the exponent form of width `width` with `decimals` digits: 0.123456E+01.
void printExponent(double value, int width, int decimals) {
    char text[64];
    if (!std::isfinite(value)) {
        std::printf("%*s", width, "*");
        return;
    }
    int exponent = 0;
    char digits[40] = "";
    if (value == 0.0) {
        for (int i = 0; i < decimals && i < 39; ++i) digits[i] = '0';
        digits[decimals < 39 ? decimals : 39] = '\0';
    } else {
        char scientific[64];
        std::snprintf(scientific, sizeof scientific, "%.*e", decimals - 1, std::fabs(value));
        // d.ddddde±xx: the digits without the point, exponent one higher.
        int n = 0;
        for (const char* p = scientific; *p != 'e' && *p != '\0' && n < 39; ++p)
            if (*p != '.') digits[n++] = *p;
        digits[n] = '\0';
        const char* e = std::strchr(scientific, 'e');
        exponent = (e != nullptr ? std::atoi(e + 1) : 0) + 1;
    }
    std::snprintf(text, sizeof text, "%s0.%sE%c%02d", value < 0.0 ? "-" : "", digits,
                  exponent < 0 ? '-' : '+', std::abs(exponent));
    std::printf("%*s", width, text);
}

void printPairs(std::span<const int> index, const double* value, int count) {
    for (int i = 0; i < count; ++i) {
        std::printf("   %3d ", index[i]);
        printExponent(value[i], 23, 16);
        if (i % 4 == 3 || i == count - 1) std::printf("\n");
    }
}

} // namespace

void La01bdTrace::sizes() const {
    std::printf("0%s: NO. VARS %3d     NO. CONSTRAINTS %4d     NO. INEQUALITIES %4d\n", kName, m_n,
                m_m, m_k);
}

void La01bdTrace::phase(int phase) const {
    std::printf("0%s: PHASE %1d\n", kName, phase);
}

void La01bdTrace::iteration(int count, double cost) const {
    std::printf("0%s: ITERATION NO. %3d  COST VALUE ", kName, count);
    printExponent(cost, 15, 6);
    std::printf("\n");
}

void La01bdTrace::basis(std::span<const int> ind, const double* xb, int m) const {
    std::printf(" %s: LP BASIS VARIABLES\n", kName);
    printPairs(ind, xb, m);
}

void La01bdTrace::reinverted() const {
    std::printf("0%s: BASIS RE-INVERTED\n", kName);
}

void La01bdTrace::optimum(double f, int ifail, double accuracy, std::span<const double> x) const {
    std::printf("0%s: OPTIMUM COST VALUE ", kName);
    printExponent(f, 25, 16);
    std::printf("\n0%s: ERROR FLAGS %4d AND ", kName, ifail);
    printExponent(accuracy, 13, 6);
    std::printf("\n0%s: OPTIMUM SOLUTION\n", kName);
    for (int j = 0; j < m_n; ++j) {
        std::printf("   %3d ", j + 1);
        printExponent(x[j], 23, 16);
        if (j % 4 == 3 || j == m_n - 1) std::printf("\n");
    }
}

} // namespace tarvex::engine
