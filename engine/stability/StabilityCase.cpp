#include "engine/core/CaseFile.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/stability/FreeFormat.h"
#include "engine/stability/Stability.h"
#include "engine/stability/StabilityStatus.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

// TSCASE: the solved power flow case (IEEE common data format, the columns the power
// flow reader uses) and the admittance entries the power flow listed in ymatrix.dat.
namespace tarvex::engine::stability {

namespace {

// Degrees to radians in full precision: the six-digit factor 0.0174533 alone puts a
// 30 degree angle 2E-7 rad off the solved power flow, enough to set the machines moving.
constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;

void cardError(StabilityModule& m, const char* what, const CaseCard& card) {
    Record line;
    line.text(" DATA ERROR : ").text(what).text(" IN ").text(files::kCaseFile).text(" ON LINE ");
    line.number(card.line());
    m.fail(kCaseUnreadable, line);
}

// One bus card; false (run failed) on a malformed field or a bus beyond the tables.
bool readBus(StabilityModule& m, const CaseCard& card, int number) {
    int type = 0;
    double v = 0, a = 0, pl = 0, ql = 0, pg = 0, qg = 0, qmax = 0, qmin = 0;
    if (!card.readInt(25, 26, type) || !card.readReal(28, 33, 3, v) ||
        !card.readReal(34, 40, 2, a) || !card.readReal(41, 49, 1, pl) ||
        !card.readReal(50, 59, 1, ql) || !card.readReal(60, 67, 1, pg) ||
        !card.readReal(68, 75, 1, qg) || !card.readReal(91, 98, 1, qmax) ||
        !card.readReal(99, 106, 1, qmin)) {
        cardError(m, "UNREADABLE BUS CARD", card);
        return false;
    }
    if (m.NBUS >= kMaxBuses || number < 1 || number > kMaxBuses) {
        Record line;
        line.text(" CAPACITY : MORE THAN ").number(kMaxBuses).text(" BUSES OR BUS NUMBER ");
        line.number(number).text(" OUTSIDE 1..").number(kMaxBuses);
        m.fail(kCapacity, line);
        return false;
    }
    if (m.BUSSEEN[number]) {
        cardError(m, "BUS NUMBER REPEATED", card);
        return false;
    }
    m.BUSSEEN[number] = true;
    ++m.NBUS;
    m.VM[number] = v == 0.0 ? 1.0 : v;
    m.VA[number] = a * kDegreesToRadians;
    m.PL[number] = pl / m.BASEMVA;
    m.QL[number] = ql / m.BASEMVA;
    m.BT[number] = (type == 0 || type == 1) ? 1 : (type == 2 || type == 3) ? type : 0;
    if (type == 2 || type == 3) {
        ++m.NMAC;
        m.PG[number] = pg / m.BASEMVA;
        m.QG[number] = qg / m.BASEMVA;
        m.QMX[number] = qmax / m.BASEMVA;
        m.QMN[number] = qmin / m.BASEMVA;
    }
    return true;
}

// Reads the cards of a section up to its terminator: the bus and branch -999, the loss
// zone -99, the interchange -9 and the tie line -999 are all negative in columns 1-4.
bool sectionCards(StabilityModule& m, CaseFile& file, bool buses, bool branches) {
    CaseCard card;
    while (file.next(card)) {
        int number = 0;
        if (!card.readInt(1, 4, number)) {
            cardError(m, "UNREADABLE CARD NUMBER", card);
            return false;
        }
        if (number < 0) return true;
        if (buses && !readBus(m, card, number)) return false;
        if (branches && ++m.NBRANCH > kMaxBranches) {
            Record line;
            line.text(" CAPACITY : MORE THAN ").number(kMaxBranches).text(" BRANCHES");
            m.fail(kCapacity, line);
            return false;
        }
    }
    cardError(m, "END OF FILE INSIDE A SECTION", card);
    return false;
}

void readCase(StabilityModule& m) {
    CaseFile file;
    if (!file.open(files::kCaseFile)) {
        m.fail(kCaseUnreadable, " DATA ERROR : THE POWER FLOW CASE pfinput.dat IS MISSING");
        return;
    }
    CaseCard card;
    if (!file.next(card) || !card.readReal(31, 36, 1, m.BASEMVA)) {
        m.fail(kCaseUnreadable, " DATA ERROR : THE TITLE CARD OF pfinput.dat CANNOT BE READ");
        return;
    }
    if (m.BASEMVA <= 0.0) {
        Record line;
        line.text(" DATA ERROR : BASE MVA IS ENTERED AS ").real(m.BASEMVA, 6, 1);
        m.fail(kBaseMva, line);
        return;
    }
    while (file.next(card)) {
        if (card.startsWith("END OF DATA")) break;
        const bool buses = card.startsWith("BUS DATA FO");
        const bool branches = card.startsWith("BRANCH DATA");
        if (buses || branches || card.startsWith("LOSS ZONES ") || card.startsWith("INTERCHANGE") ||
            card.startsWith("TIE LINES F")) {
            if (!sectionCards(m, file, buses, branches)) return;
        }
    }
    if (m.NBUS == 0) {
        m.fail(kCaseUnreadable, " DATA ERROR : pfinput.dat HOLDS NO BUS CARDS");
        return;
    }
    for (int b = 1; b <= m.NBUS; ++b) {
        if (!m.BUSSEEN[b]) {
            Record line;
            line.text(" DATA ERROR : THE BUSES ARE NOT NUMBERED 1..").number(m.NBUS);
            line.text(" WITHOUT GAPS (BUS ").number(b).text(" IS MISSING)");
            m.fail(kCaseUnreadable, line);
            return;
        }
    }
}

// One ymatrix.dat line: " I5  I5  (G,  B)".
bool parseEntry(const char* text, int& i, int& j, double& g, double& b) {
    char* end = nullptr;
    const long li = std::strtol(text, &end, 10);
    if (end == text) return false;
    const char* p = end;
    const long lj = std::strtol(p, &end, 10);
    if (end == p) return false;
    p = std::strchr(end, '(');
    if (p == nullptr) return false;
    ++p;
    g = std::strtod(p, &end);
    if (end == p) return false;
    p = end;
    while (*p == ' ') ++p;
    if (*p != ',') return false;
    ++p;
    b = std::strtod(p, &end);
    if (end == p || li < -1000000 || li > 1000000 || lj < -1000000 || lj > 1000000) return false;
    i = static_cast<int>(li);
    j = static_cast<int>(lj);
    return std::isfinite(g) && std::isfinite(b);
}

void readAdmittances(StabilityModule& m) {
    CaseFile file;
    if (!file.open(files::kAdmittanceListing)) {
        m.fail(kCaseUnreadable, " DATA ERROR : THE ADMITTANCE LIST ymatrix.dat IS MISSING");
        return;
    }
    CaseCard card;
    char text[CaseCard::kColumns + 1];
    while (file.next(card)) {
        card.copyText(1, card.length() > 0 ? card.length() : 1, text);
        int i = 0, j = 0;
        double g = 0, b = 0;
        if (!parseEntry(text, i, j, g, b)) {
            const char* p = text;
            while (*p == ' ') ++p;
            if (*p == '\0') continue; // a blank line ends nothing
            Record line;
            line.text(" DATA ERROR : UNREADABLE ENTRY IN ymatrix.dat ON LINE ").number(card.line());
            m.fail(kCaseUnreadable, line);
            return;
        }
        if (i == 0) break;
        if (m.NY >= kMaxAdmittances) {
            Record line;
            line.text(" CAPACITY : MORE THAN ").number(kMaxAdmittances).text(" ADMITTANCE ENTRIES");
            m.fail(kCapacity, line);
            return;
        }
        if (i < 1 || i > m.NBUS || j < 1 || j > m.NBUS) {
            Record line;
            line.text(" DATA ERROR : ymatrix.dat NAMES BUS ").number(i < 1 || i > m.NBUS ? i : j);
            line.text(" THAT IS NOT IN THE CASE (LINE ").number(card.line()).text(")");
            m.fail(kCaseUnreadable, line);
            return;
        }
        ++m.NY;
        m.IY[m.NY] = i;
        m.JY[m.NY] = j;
        m.YV[m.NY] = Complex(g, b);
    }
}

} // namespace

void TSCASE(StabilityModule& m) {
    readCase(m);
    if (m.status.failed()) return;
    readAdmittances(m);
}

} // namespace tarvex::engine::stability
