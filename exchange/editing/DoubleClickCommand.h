#pragma once

#include "model/Rect.h"

class CDiagramEditor;
class CSkemtorDoc;
class CLine;

// A double-click opens the dialog of every element under the pointer that is visible in
// the mode, one after the other, and toggles circuit breakers.
class CDoubleClickCommand {
public:
    explicit CDoubleClickCommand(CDiagramEditor& editor) : m_editor(editor) {}
    void Run(CPointL point);

    // A branch inside one area belongs to it; one joining two areas is a tie line.
    static void UpdateArea(const CSkemtorDoc& doc, CLine& line);

private:
    void Edited();

    CDiagramEditor& m_editor;
};
