#include "tests/engine/estimation/WlsHarness.h"

#include "engine/core/ExchangeFiles.h"
#include "engine/estimation/Wls.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/support/FileText.h"

#include <complex>
#include <cstdio>

namespace tarvex::test {

using cplx = std::complex<double>;

std::string measureText(const std::vector<Meter>& meters) {
    std::string text;
    for (int kind = 1; kind <= 6; ++kind) {
        int count = 0;
        for (const Meter& m : meters) count += m.kind == kind;
        text += format("%4d\n", count);
        for (const Meter& m : meters) {
            if (m.kind != kind) continue;
            if (kind <= 3) {
                text += format("%3d %11.7f %g %d\n", m.from, m.value, m.sd, m.flag);
            } else {
                text += format("%3d%3d %11.7f %g %d\n", m.from, m.to, m.value, m.sd, m.flag);
            }
        }
    }
    return text + "\n\n";
}

std::string wlsParameters(int noise, int maxit, double tolerance) {
    return format("    %d%10d  %g \n", noise, maxit, tolerance);
}

void runWls(const std::string& caseText, const std::vector<Meter>& meters,
            const std::string& parameterText) {
    writeFileText(files::kCaseFile, caseText);
    writeFileText(files::kMeasurements, measureText(meters));
    writeFileText(files::kEstimatorParameters, parameterText);
    engine::WLSEST();
}

std::vector<Meter> powerFlowMeters(const engine::PowerFlowModule& pf, bool currents) {
    // After the power flow's admittance build BR_R and BR_X hold the off-diagonal
    // G_ij + j B_ij = -c y of each branch (c = 1/t for a transformer, 1 for a line).
    const int nb = pf.NB;
    std::vector<cplx> V(nb + 1);
    for (int i = 1; i <= nb; ++i) V[i] = std::polar(pf.VMAG[i], pf.VANG[i]);
    std::vector<cplx> I(nb + 1, cplx(0, 0));
    std::vector<Meter> meters;
    std::vector<Meter> flows;
    for (int l = 1; l <= pf.NBR; ++l) {
        const double t = pf.TAP[l];
        const bool line = t == 0.0 || t == 1.0;
        const double c = line ? 1.0 : 1.0 / t;
        const cplx cy = -cplx(pf.BR_R[l], pf.BR_X[l]);
        const cplx jb = line ? cplx(0, pf.BR_B[l]) : cplx(0, 0);
        const int f = pf.FROMB[l], k = pf.TOB[l];
        const cplx iFrom = V[f] * (c * cy + jb) - V[k] * cy;
        const cplx iTo = V[k] * (cy / c + jb) - V[f] * cy;
        I[f] += iFrom;
        I[k] += iTo;
        const cplx sFrom = V[f] * std::conj(iFrom);
        const cplx sTo = V[k] * std::conj(iTo);
        const int ef = pf.EXTNUM[f], ek = pf.EXTNUM[k];
        flows.push_back({4, ef, ek, sFrom.real(), 0.008});
        flows.push_back({4, ek, ef, sTo.real(), 0.008});
        flows.push_back({5, ef, ek, sFrom.imag(), 0.008});
        flows.push_back({5, ek, ef, sTo.imag(), 0.008});
        if (currents) flows.push_back({6, ef, ek, std::abs(iFrom), 0.008});
    }
    for (int s = 1; s <= pf.NSH; ++s) {
        const int i = pf.SHBUS[s];
        I[i] += V[i] * cplx(0, pf.SHB[s]);
    }
    for (int i = 1; i <= nb; ++i) {
        const cplx S = V[i] * std::conj(I[i]);
        meters.push_back({1, pf.EXTNUM[i], 0, std::abs(V[i]), 0.004});
        meters.push_back({2, pf.EXTNUM[i], 0, S.real(), 0.01});
        meters.push_back({3, pf.EXTNUM[i], 0, S.imag(), 0.01});
    }
    meters.insert(meters.end(), flows.begin(), flows.end());
    return meters;
}

int statusOf(const char* fileName) {
    int value = -1;
    if (std::FILE* f = std::fopen(fileName, "rb")) {
        if (std::fscanf(f, "%d", &value) != 1) value = -1;
        std::fclose(f);
    }
    return value;
}

} // namespace tarvex::test
