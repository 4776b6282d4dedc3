#include "engine/core/CaseFile.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/stability/FreeFormat.h"
#include "engine/stability/Stability.h"
#include "engine/stability/StabilityStatus.h"

#include <cstring>

// DYNRD: the dynamic data file. Sections are recognized by columns 2-10 of a record;
// machine records are four lines (bus number in columns 3-6 and model code in columns
// 69-72 of the first), exciter records four lines (bus in 3-6, type in 25-27).
namespace tarvex::engine::stability {

namespace {

bool isEnd(const CaseCard& card) {
    char key[5];
    card.copyText(2, 5, key);
    return std::strcmp(key, "-999") == 0;
}

void shortRecord(StabilityModule& m, const char* what, int line) {
    Record r;
    r.text(" DATA ERROR : ").text(what).text(" IN ").text(files::kDynamicData);
    r.text(" IS MISSING OR SHORT (AFTER LINE ").number(line).text(")");
    m.fail(kShortInput, r);
}

void unknownCode(StabilityModule& m, const char* what, const char* code, int line) {
    Record r;
    r.text(" DATA ERROR : ").text(what).text(" \"").text(code).text("\" ON LINE ").number(line);
    r.text(" OF ").text(files::kDynamicData).text(" HAS NO DATA LAYOUT");
    m.fail(kUnknownModel, r);
}

// Generator section: one four-line record per machine until -999.
bool readGenerators(StabilityModule& m, CaseFile& file) {
    FreeFormatReader reader(file);
    CaseCard card;
    for (;;) {
        if (!file.next(card)) {
            shortRecord(m, "THE GENERATOR SECTION", file.line());
            return false;
        }
        if (isEnd(card)) return true;
        char code[5];
        card.copyText(69, 72, code);
        const bool classical = std::strcmp(code, "0.0 ") == 0;
        const bool twoAxis = std::strcmp(code, "1.1 ") == 0;
        if (!classical && !twoAxis) {
            unknownCode(m, "GENERATOR MODEL CODE", code, card.line());
            return false;
        }
        if (m.NGEN >= kMaxMachines) {
            Record r;
            r.text(" CAPACITY : MORE THAN ").number(kMaxMachines).text(" GENERATOR RECORDS");
            m.fail(kCapacity, r);
            return false;
        }
        const int n = ++m.NGEN;
        int bus = 0;
        if (!card.readInt(3, 6, bus)) {
            shortRecord(m, "A GENERATOR BUS NUMBER", card.line());
            return false;
        }
        m.GBUS[n] = bus;
        m.GIDX[n] = n;
        double line2[5] = {}, line3[4] = {}, line4[3] = {};
        bool ok = false;
        if (classical) {
            ok = reader.reals(line2, 4) && reader.reals(line3, 2) && file.next(card);
            m.H[n] = line2[3];
            m.XDP[n] = line3[1];
            m.NSTATE = kClassicalStates;
            ++m.classicalRecords;
        } else {
            ok = reader.reals(line2, 5) && reader.reals(line3, 4) && reader.reals(line4, 3);
            m.H[n] = line2[3];
            m.D[n] = line2[4];
            m.XD[n] = line3[0];
            m.XDP[n] = line3[1];
            m.TDOP[n] = line3[2];
            m.RS[n] = line3[3];
            m.XQ[n] = line4[0];
            m.XQP[n] = line4[1];
            m.TQOP[n] = line4[2];
            m.NSTATE = 4;
            ++m.twoAxisRecords;
        }
        if (!ok) {
            shortRecord(m, "A GENERATOR RECORD", file.line());
            return false;
        }
        m.MODEL = classical ? kModelClassical : kModelTwoAxis;
        m.ORD[n] = bus;
    }
}

// Exciter section: one four-line DC1 record per two-axis machine until -999.
bool readExciters(StabilityModule& m, CaseFile& file) {
    FreeFormatReader reader(file);
    CaseCard card;
    for (;;) {
        if (!file.next(card)) {
            shortRecord(m, "THE EXCITATION SECTION", file.line());
            return false;
        }
        if (isEnd(card)) return true;
        char type[4];
        card.copyText(25, 27, type);
        if (std::strcmp(type, "DC1") != 0) {
            unknownCode(m, "EXCITER TYPE", type, card.line());
            return false;
        }
        int bus = 0;
        if (!card.readInt(3, 6, bus)) {
            shortRecord(m, "AN EXCITER BUS NUMBER", card.line());
            return false;
        }
        int n = 0;
        for (int k = 1; k <= m.NGEN; ++k) {
            if (m.GBUS[k] == bus) n = k;
        }
        if (n == 0) {
            Record r;
            r.text(" DATA ERROR : THE EXCITER ON LINE ").number(card.line());
            r.text(" IS AT BUS ").number(bus).text(", WHICH HAS NO GENERATOR RECORD");
            m.fail(kGeneratorMismatch, r);
            return false;
        }
        double l2[4] = {}, l3[6] = {}, l4[2] = {};
        if (!reader.reals(l2, 4) || !reader.reals(l3, 6) || !reader.reals(l4, 2)) {
            shortRecord(m, "AN EXCITER RECORD", file.line());
            return false;
        }
        m.KA[n] = l2[0];
        m.TA[n] = l2[1];
        m.VRMAX[n] = l2[2];
        m.VRMIN[n] = l2[3];
        m.KE[n] = l3[0];
        m.TE[n] = l3[1];
        m.SE1[n] = l3[2];
        m.EFD1[n] = l3[3];
        m.SE2[n] = l3[4];
        m.EFD2[n] = l3[5];
        m.KF[n] = l4[0];
        m.TF[n] = l4[1];
        m.HASEXC[n] = true;
        ++m.exciterRecords;
        m.NSTATE = kTwoAxisStates;
    }
}

// Reads `records` records unless the first is the -999 end line (sections whose data
// the simulation does not use).
bool skipRecords(StabilityModule& m, CaseFile& file, int more) {
    CaseCard card;
    if (!file.next(card)) {
        shortRecord(m, "A SECTION", file.line());
        return false;
    }
    if (isEnd(card)) return true;
    for (int k = 0; k < more; ++k) {
        if (!file.next(card)) {
            shortRecord(m, "A SECTION", file.line());
            return false;
        }
    }
    return true;
}

// The generator records must name the type 2 and 3 buses of the case, each once, and
// one model must hold for every machine (a two-axis machine with its exciter).
void checkMachines(StabilityModule& m) {
    if (m.classicalRecords > 0 && (m.twoAxisRecords > 0 || m.exciterRecords > 0)) {
        m.fail(kMixedModels, " DATA ERROR : dyinput.dat MIXES CLASSICAL AND TWO-AXIS MACHINE DATA");
        return;
    }
    if (m.NGEN != m.NMAC) {
        Record r;
        r.text(" DATA ERROR : ").number(m.NGEN).text(" GENERATOR RECORDS FOR ").number(m.NMAC);
        r.text(" GENERATOR BUSES (TYPE 2 AND 3) OF THE CASE");
        m.fail(kGeneratorMismatch, r);
        return;
    }
    for (int n = 1; n <= m.NGEN; ++n) {
        const int bus = m.GBUS[n];
        bool repeated = false;
        for (int k = 1; k < n; ++k) repeated = repeated || m.GBUS[k] == bus;
        if (bus < 1 || bus > m.NBUS || m.BT[bus] < 2 || repeated) {
            Record r;
            r.text(" DATA ERROR : THE GENERATOR RECORD FOR BUS ").number(bus);
            r.text(repeated ? " IS REPEATED" : " DOES NOT NAME A GENERATOR BUS OF THE CASE");
            m.fail(kGeneratorMismatch, r);
            return;
        }
        const bool twoAxis = m.MODEL == kModelTwoAxis;
        if (twoAxis && !m.HASEXC[n]) {
            Record r;
            r.text(" DATA ERROR : THE TWO-AXIS MACHINE AT BUS ").number(bus);
            r.text(" HAS NO DC1 EXCITER RECORD");
            m.fail(kMissingExciter, r);
            return;
        }
        // The machine equations divide by these.
        const bool usable = m.H[n] > 0.0 && (m.XDP[n] != 0.0 || twoAxis) &&
                            (!twoAxis || (m.TDOP[n] > 0.0 && m.TQOP[n] > 0.0 && m.TA[n] > 0.0 &&
                                          m.TE[n] > 0.0 && m.TF[n] > 0.0));
        if (!usable) {
            Record r;
            r.text(" DATA ERROR : THE MACHINE AT BUS ").number(bus);
            r.text(" HAS A ZERO INERTIA, REACTANCE OR TIME CONSTANT");
            m.fail(kShortInput, r);
            return;
        }
    }
}

// Machine buses first in record order, then the other buses by increasing number.
void busOrder(StabilityModule& m) {
    int p = m.NGEN;
    for (int b = 1; b <= m.NBUS; ++b) {
        bool machine = false;
        for (int n = 1; n <= m.NGEN; ++n) machine = machine || m.GBUS[n] == b;
        if (!machine) m.ORD[++p] = b;
    }
    for (int q = 1; q <= m.NBUS; ++q) m.POS[m.ORD[q]] = q;
}

} // namespace

void DYNRD(StabilityModule& m) {
    if (m.status.failed()) return;
    CaseFile file;
    // A missing file reads as an empty one: no machines (the check below reports it).
    if (file.open(files::kDynamicData)) {
        CaseCard card;
        bool more = true;
        while (more && file.next(card)) {
            char key[10];
            card.copyText(2, 10, key);
            if (std::strcmp(key, "GENERATOR") == 0) {
                more = readGenerators(m, file);
            } else if (std::strcmp(key, "EXCITATIO") == 0) {
                more = readExciters(m, file);
            } else if (std::strcmp(key, "STABILIZE") == 0) {
                more = skipRecords(m, file, 2);
            } else if (std::strcmp(key, "SPEED GOV") == 0 || std::strcmp(key, "LOAD DATA") == 0) {
                more = skipRecords(m, file, 1);
            } else if (std::strcmp(key, "END OF DA") == 0) {
                break;
            }
        }
        if (m.status.failed()) return;
    }
    checkMachines(m);
    if (m.status.failed()) return;
    busOrder(m);
}

} // namespace tarvex::engine::stability
