#pragma once

#include "dialogs/ElementDialog.h"

class CLine;

// "Line Data": the sequence data of a line or transformer, its type, transformer kind,
// zero-sequence switch and MVA limit. Tap and phase apply only to a transformer of the
// matching kind; the zero-sequence pair only when zero-sequence data is enabled; the
// conductance and the end buses are shown, not edited.
class CDialogLineData : public CElementDialog {
public:
    enum Id {
        kR = 1006,
        kX = 1007,
        kG = 1008,
        kB = 1009,
        kTap = 1010,
        kLine = 1011,
        kTransformer = 1012,
        kBus1 = 1013,
        kBus2 = 1014,
        kR0 = 1015,
        kX0 = 1016,
        kZeroDisable = 1017,
        kMvaLimit = 1018,
        kPhase = 1019,
        kTapChanger = 1020,
        kPhaseShifter = 1021,
        kZeroEnable = 1077
    };

    CDialogLineData(const CLine& line, QWidget* parent = nullptr);

    // The radio buttons: branch type (0 line, 1 transformer), transformer kind
    // (0 tap changer, 1 phase shifter), zero-sequence data (0 enabled, 1 disabled).
    void ChooseType(int transformer);
    void ChooseKind(int phaseShifter);
    void ChooseZeroSequence(int disabled);
    // Everything but the end buses.
    void StoreInto(CLine& line) const;

private:
    void ShowTransformerFields();
    void Check(int id);

    int m_transformer;
    int m_phaseShifter;
    int m_zeroSeqDisabled;
};
