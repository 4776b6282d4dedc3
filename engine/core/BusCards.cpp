#include "engine/core/CaseFile.h"
#include "engine/core/CaseReaderSupport.h"

// Bus cards of the IEEE common data format, up to the card whose bus number is -999:
//   1-4 bus number        19-20 area            21-23 loss zone      25-26 type code
//   28-33 final voltage (6.3)    34-40 final angle, degrees (7.2)
//   41-49 load MW (9.1)   50-59 load MVAR (10.1) 60-67 generation MW (8.1)
//   68-75 generation MVAR (8.1)  85-90 desired voltage (6.3)
//   91-98 maximum MVAR (8.1)     99-106 minimum MVAR (8.1)   115-122 shunt B (8.1)
// Type codes: 0 load bus, 2 voltage controlled (a load bus when its limits are equal),
// 3 swing; any other code leaves the internal type 0.
namespace tarvex::engine {

namespace {

// Bus angles are converted with the single-precision degree factor of the original
// program (the branch phase shifts use 0.0174532; the two differ on purpose).
constexpr double kBusDegreesToRadians = 0.0174533;

struct BusCard {
    int number = 0, area = 0, zone = 0, type = 0;
    double finalVoltage = 0, angle = 0, loadP = 0, loadQ = 0, genP = 0, genQ = 0;
    double desiredVoltage = 0, qMax = 0, qMin = 0, shuntB = 0;
};

bool readFields(PowerFlowModule& m, const CaseCard& card, BusCard& bus) {
    const CardKind k = CardKind::Bus;
    return readIntField(m, card, k, 19, 20, "AREA", bus.area) &&
           readIntField(m, card, k, 21, 23, "LOSS ZONE", bus.zone) &&
           readIntField(m, card, k, 25, 26, "TYPE", bus.type) &&
           readRealField(m, card, k, 28, 33, 3, "FINAL VOLTAGE", bus.finalVoltage) &&
           readRealField(m, card, k, 34, 40, 2, "FINAL ANGLE", bus.angle) &&
           readRealField(m, card, k, 41, 49, 1, "LOAD MW", bus.loadP) &&
           readRealField(m, card, k, 50, 59, 1, "LOAD MVAR", bus.loadQ) &&
           readRealField(m, card, k, 60, 67, 1, "GENERATION MW", bus.genP) &&
           readRealField(m, card, k, 68, 75, 1, "GENERATION MVAR", bus.genQ) &&
           readRealField(m, card, k, 85, 90, 3, "DESIRED VOLTAGE", bus.desiredVoltage) &&
           readRealField(m, card, k, 91, 98, 1, "MAXIMUM MVAR", bus.qMax) &&
           readRealField(m, card, k, 99, 106, 1, "MINIMUM MVAR", bus.qMin) &&
           readRealField(m, card, k, 115, 122, 1, "SHUNT SUSCEPTANCE", bus.shuntB);
}

// Checks that keep every later index inside its table.
bool checkCard(PowerFlowModule& m, const CaseCard& card, const BusCard& bus) {
    const CardKind k = CardKind::Bus;
    if (m.NB >= kMaxBuses) {
        dataError(m, card, k, "MORE THAN 40 BUS CARDS");
        return false;
    }
    if (bus.number < 1 || bus.number > kMaxBusNumber) {
        dataError(m, card, k, "BUS NUMBER", bus.number, " IS OUTSIDE 1 TO 40");
        return false;
    }
    if (m.INTIDX[bus.number] != 0) {
        dataError(m, card, k, "BUS NUMBER", bus.number, " APPEARS ON A SECOND BUS CARD");
        return false;
    }
    if (bus.area < 0) {
        dataError(m, card, k, "AREA NUMBER", bus.area, " IS NEGATIVE");
        return false;
    }
    if (bus.type == 3 && m.SLACK != 0) {
        dataError(m, card, k, "SECOND SWING BUS", bus.number,
                  " (ONLY ONE BUS CARD MAY HAVE TYPE 3)");
        return false;
    }
    const bool generatorRow = bus.type == 2 && bus.qMin != bus.qMax;
    if (generatorRow && m.NGEN >= kMaxGenerators) {
        dataError(m, card, k, "MORE THAN 40 GENERATOR ROWS");
        return false;
    }
    if (bus.shuntB != 0.0 && m.NSH >= kMaxShunts) {
        dataError(m, card, k, "MORE THAN 40 SHUNT ROWS");
        return false;
    }
    return true;
}

void store(PowerFlowModule& m, const BusCard& bus) {
    const double base = m.BASEMVA;
    const int i = ++m.NB;
    m.EXTNUM[i] = bus.number;
    m.INTIDX[bus.number] = i;
    m.BUSAREA[i] = bus.area;
    m.BUSZONE[i] = bus.zone;
    if (bus.area > m.NAREA) m.NAREA = bus.area;
    m.VDES[i] = bus.desiredVoltage == 0.0 ? 1.0 : bus.desiredVoltage;
    m.ANG0[i] = bus.angle * kBusDegreesToRadians;
    m.PLOAD[i] = bus.loadP / base;
    m.QLOAD[i] = bus.loadQ / base;
    m.PGEN[i] = bus.genP / base;
    m.QGEN[i] = bus.genQ / base;

    m.BTYPE[i] = 0;
    if (bus.type == 0) {
        m.BTYPE[i] = 2;
        ++m.NPQ;
    } else if (bus.type == 3) {
        m.BTYPE[i] = 1;
        m.SLACK = i;
    } else if (bus.type == 2) {
        if (bus.qMin == bus.qMax) {
            // Equal limits leave no room for voltage control: a load bus from the start.
            m.BTYPE[i] = 2;
            ++m.NPQ;
        } else {
            m.BTYPE[i] = 3;
            ++m.NPV;
            const int g = ++m.NGEN;
            m.GENBUS[g] = i;
            m.GENV[g] = bus.finalVoltage == 0.0 ? 1.0 : bus.finalVoltage;
            m.QMIN[g] = bus.qMin / base;
            m.QMAX[g] = bus.qMax / base;
        }
    }
    if (bus.shuntB != 0.0) {
        const int s = ++m.NSH;
        m.SHBUS[s] = i;
        m.SHB[s] = bus.shuntB; // already per unit on the system base
    }
}

} // namespace

bool readBusCards(PowerFlowModule& m, CaseFile& file) {
    CaseCard card;
    while (file.next(card)) {
        BusCard bus;
        if (!readIntField(m, card, CardKind::Bus, 1, 4, "BUS NUMBER", bus.number)) return false;
        if (bus.number == -999) return true;
        if (!readFields(m, card, bus) || !checkCard(m, card, bus)) return false;
        store(m, bus);
    }
    endOfFileError(m, "BUS", file.line());
    return false;
}

} // namespace tarvex::engine
