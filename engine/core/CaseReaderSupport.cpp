#include "engine/core/CaseReaderSupport.h"

#include "engine/core/CaseFile.h"

namespace tarvex::engine {

namespace {

const char* kindName(CardKind kind) {
    switch (kind) {
    case CardKind::Title:
        return "TITLE";
    case CardKind::Header:
        return "SECTION HEADER";
    case CardKind::Bus:
        return "BUS";
    case CardKind::Branch:
        return "BRANCH";
    case CardKind::LossZone:
        return "LOSS ZONE";
    case CardKind::Interchange:
        return "INTERCHANGE";
    case CardKind::TieLine:
        return "TIE LINE";
    }
    return "";
}

void finish(PowerFlowModule& m, Record& record, const CaseCard& card, CardKind kind) {
    record.text(", ").text(kindName(kind)).text(" CARD ON LINE ");
    record.number(card.line());
    m.fail(3);
    m.log(record);
}

} // namespace

void dataError(PowerFlowModule& m, const CaseCard& card, CardKind kind, const char* what) {
    if (m.status.failed()) return;
    Record record;
    record.text(" DATA ERROR : ").text(what);
    finish(m, record, card, kind);
}

void dataError(PowerFlowModule& m, const CaseCard& card, CardKind kind, const char* what,
               int number, const char* rest) {
    if (m.status.failed()) return;
    Record record;
    record.text(" DATA ERROR : ").text(what).text(" ").number(number).text(rest);
    finish(m, record, card, kind);
}

namespace {

void unreadable(PowerFlowModule& m, const CaseCard& card, CardKind kind, int first, int last,
                const char* name) {
    if (m.status.failed()) return;
    Record record;
    record.text(" DATA ERROR : UNREADABLE NUMBER IN COLUMNS ");
    record.number(first).text("-").number(last).text(" (").text(name).text(")");
    finish(m, record, card, kind);
}

} // namespace

bool readIntField(PowerFlowModule& m, const CaseCard& card, CardKind kind, int first, int last,
                  const char* name, int& value) {
    if (card.readInt(first, last, value)) return true;
    unreadable(m, card, kind, first, last, name);
    return false;
}

bool readRealField(PowerFlowModule& m, const CaseCard& card, CardKind kind, int first, int last,
                   int decimals, const char* name, double& value) {
    if (card.readReal(first, last, decimals, value)) return true;
    unreadable(m, card, kind, first, last, name);
    return false;
}

void endOfFileError(PowerFlowModule& m, const char* section, int line) {
    if (m.status.failed()) return;
    Record record;
    record.text(" DATA ERROR : END OF FILE INSIDE THE ").text(section).text(" DATA (AFTER LINE ");
    record.number(line).text(")");
    m.fail(3);
    m.log(record);
}

bool skipSection(PowerFlowModule& m, CaseFile& file, CardKind kind, int lastColumn,
                 int terminator) {
    CaseCard card;
    while (file.next(card)) {
        int first = 0;
        if (!readIntField(m, card, kind, 1, lastColumn, "FIRST FIELD", first)) return false;
        if (first == terminator) return true;
    }
    endOfFileError(m, kindName(kind), file.line());
    return false;
}

} // namespace tarvex::engine
