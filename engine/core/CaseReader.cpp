#include "engine/core/CaseFile.h"
#include "engine/core/CaseReaderSupport.h"
#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"

// READPF: the power flow case file pfinput.dat in the IEEE common data format.
//
// Title card: columns 1-30 case title, 31-36 base MVA (real 6.1). Then section headers,
// recognised by their first 11 characters exactly:
//   "BUS DATA FO"  bus cards up to -999          "BRANCH DATA"  branch cards up to -999
//   "LOSS ZONES "  skipped up to -99 (cols 1-3)  "INTERCHANGE"  skipped up to -9 (cols 1-2)
//   "TIE LINES F"  skipped up to -999 (cols 1-4) anything else (incl. "END OF DATA"): done
// End of file where a header is expected means the case is incomplete (status 3).
namespace tarvex::engine {

namespace {

void titleError(PowerFlowModule& m) {
    m.fail(3);
    Record record;
    record.text(" ERROR READING THE CASE TITLE");
    m.log(record);
}

bool readTitle(PowerFlowModule& m, CaseFile& file) {
    CaseCard card;
    double base = 0.0;
    if (!file.next(card) || !card.readReal(31, 36, 1, base)) {
        titleError(m);
        return false;
    }
    card.copyText(1, 30, m.TITLE.data());
    m.BASEMVA = base;

    // The echo comes before the base is tested, so a bad base still shows in the report.
    Record line;
    line.text("  Power Flow Case Title : ").text(m.TITLE.data(), 30);
    m.files.report.write(line);
    line.clear();
    line.text("  Base MVA : ").real(base, 6, 1).text(" MVA");
    m.files.report.write(line);
    m.files.report.writeEmpty();

    if (base <= 0.0) {
        m.fail(2);
        Record record;
        record.text(" DATA ERROR : BASE MVA IS ENTERED AS ").real(base, 6, 1);
        m.log(record);
        return false;
    }
    return true;
}

void areaLimitError(PowerFlowModule& m) {
    m.fail(7);
    Record record;
    record.item(" AREA LIMIT (10) IS EXCEEDED ! EDIT PFLINFLO");
    m.log(record);
}

// Runs the sections after the title; false when the run failed.
bool readSections(PowerFlowModule& m, CaseFile& file) {
    CaseCard header;
    for (;;) {
        if (!file.next(header)) {
            titleError(m);
            return false;
        }
        bool ok = true;
        if (header.startsWith("BUS DATA FO")) {
            ok = readBusCards(m, file);
            if (ok && m.NAREA > kMaxAreas) {
                areaLimitError(m);
                ok = false;
            }
        } else if (header.startsWith("BRANCH DATA")) {
            ok = readBranchCards(m, file);
        } else if (header.startsWith("LOSS ZONES ")) {
            ok = skipSection(m, file, CardKind::LossZone, 3, -99);
        } else if (header.startsWith("INTERCHANGE")) {
            ok = skipSection(m, file, CardKind::Interchange, 2, -9);
        } else if (header.startsWith("TIE LINES F")) {
            ok = skipSection(m, file, CardKind::TieLine, 4, -999);
        } else {
            return true; // "END OF DATA", or any header this reader does not know
        }
        if (!ok) return false;
    }
}

} // namespace

void READPF(PowerFlowModule& m) {
    CaseFile file;
    if (!file.open(files::kCaseFile)) {
        titleError(m);
        return;
    }
    if (!readTitle(m, file) || !readSections(m, file)) return;
    file.close();

    // Only one swing bus is supported; a case without one has no angle reference.
    if (m.SLACK == 0) {
        m.fail(3);
        Record record;
        record.text(" DATA ERROR : NO SWING BUS, NO BUS CARD HAS TYPE CODE 3");
        m.log(record);
    }
}

} // namespace tarvex::engine
