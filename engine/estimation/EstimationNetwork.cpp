#include "engine/estimation/EstimationNetwork.h"

#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"
#include "engine/core/Record.h"

namespace tarvex::engine {

bool readEstimationNetwork(EstimationNetwork& net) {
    // The case reader works on power flow tables of its own, apart from the process's
    // power flow module, so an estimation run leaves the last power flow untouched.
    static PowerFlowModule reader;
    reader.reset();
    reader.files.log.open(files::kErrorLog);
    READPF(reader);
    reader.files.log.close();
    if (reader.status.failed()) return false;

    net.NB = reader.NB;
    net.NBR = reader.NBR;
    net.SLACK = reader.SLACK;
    net.INTIDX = reader.INTIDX;
    for (int i = 1; i <= net.NB; ++i) {
        net.EXTNUM[i] = reader.EXTNUM[i];
        net.SHUNTB[i] = 0.0;
    }
    for (int s = 1; s <= reader.NSH; ++s) net.SHUNTB[reader.SHBUS[s]] += reader.SHB[s];
    for (int l = 1; l <= net.NBR; ++l) {
        net.FROMB[l] = reader.FROMB[l];
        net.TOB[l] = reader.TOB[l];
        net.BR_R[l] = reader.BR_R[l] == 0.0 ? kMinimumResistance : reader.BR_R[l];
        net.BR_X[l] = reader.BR_X[l];
        net.BR_B[l] = reader.BR_B[l];
        net.TAP[l] = reader.TAP[l];
    }
    return true;
}

bool buildAdjacency(EstimationNetwork& net, EngineFile& log) {
    for (int i = 1; i <= net.NB; ++i) net.NADJ[i] = 0;
    for (int l = 1; l <= net.NBR; ++l) {
        const int ends[2][2] = {{net.FROMB[l], net.TOB[l]}, {net.TOB[l], net.FROMB[l]}};
        for (const auto& end : ends) {
            const int i = end[0];
            if (net.NADJ[i] >= kMaxBranchesAtBus) {
                Record record;
                record.text(" INSUFFICIENT STORAGE FOR IADJ and NOADJ;");
                log.write(record);
                record.clear();
                record.text(" INCREASE MAX_NEIG  AND RERUN");
                log.write(record);
                log.writeEmpty();
                return false;
            }
            const int k = ++net.NADJ[i];
            net.ADJBR[i][k] = l;
            net.ADJBUS[i][k] = end[1];
        }
    }
    return true;
}

void buildAdmittance(EstimationNetwork& net) {
    for (int i = 1; i <= net.NB; ++i) {
        net.GDIAG[i] = 0.0;
        net.BDIAG[i] = net.SHUNTB[i];
    }
    for (int l = 1; l <= net.NBR; ++l) {
        const double r = net.BR_R[l];
        const double x = net.BR_X[l];
        const double den = r * r + x * x;
        const double g = -r / den;
        const double b = x / den;
        const double t = net.TAP[l];
        const int f = net.FROMB[l];
        const int k = net.TOB[l];
        net.SHFR_B[l] = net.SHTO_B[l] = net.BR_B[l];
        if (t == 0.0 || t == 1.0) {
            net.G[l] = g;
            net.B[l] = b;
            net.GDIAG[f] -= g;
            net.GDIAG[k] -= g;
            net.BDIAG[f] += -b + net.BR_B[l];
            net.BDIAG[k] += -b + net.BR_B[l];
            continue;
        }
        const double c = 1.0 / t;
        net.G[l] = c * g;
        net.B[l] = c * b;
        net.GDIAG[f] -= c * c * g;
        net.BDIAG[f] -= c * c * b;
        net.GDIAG[k] -= g;
        net.BDIAG[k] -= b;
        net.SHFR_B[l] += (1.0 - c) * net.B[l];
        net.SHTO_B[l] += (1.0 - t) * net.B[l];
    }
    // State order: swing bus first, then the others in file order.
    int p = 1;
    net.ORDER[p] = net.SLACK;
    for (int i = 1; i <= net.NB; ++i)
        if (i != net.SLACK) net.ORDER[++p] = i;
    for (p = 1; p <= net.NB; ++p) net.POS[net.ORDER[p]] = p;
}

TieResult tieMeasurement(const EstimationNetwork& net, const Measurement& m, MeasurementTie& tie,
                         EngineFile& log) {
    auto describe = [&](Record& record) {
        record.text(" MEASUREMENT OF KIND ").number(m.kind).text(" AT BUS ").number(m.from);
        if (isBranchKind(m.kind)) record.text("-").number(m.to);
    };
    tie = MeasurementTie{};
    tie.i = net.bus(m.from);
    tie.j = isBranchKind(m.kind) ? net.bus(m.to) : 0;
    if (tie.i == 0 || (isBranchKind(m.kind) && tie.j == 0)) {
        Record record;
        record.text(" DATA ERROR :");
        describe(record);
        record.text(" : NO BUS CARD WITH THAT NUMBER");
        log.write(record);
        return TieResult::UnknownBus;
    }
    if (!isBranchKind(m.kind)) return TieResult::Ok;
    for (int l = 1; l <= net.NBR; ++l) {
        if (net.FROMB[l] == tie.i && net.TOB[l] == tie.j) {
            tie.branch = l;
            tie.atFrom = true;
            return TieResult::Ok;
        }
        if (net.FROMB[l] == tie.j && net.TOB[l] == tie.i) {
            tie.branch = l;
            tie.atFrom = false;
            return TieResult::Ok;
        }
    }
    Record record;
    record.text(" DATA ERROR :");
    describe(record);
    record.text(" : NO BRANCH BETWEEN THESE BUSES");
    log.write(record);
    return TieResult::NoBranch;
}

} // namespace tarvex::engine
