#pragma once

class CDiagramEditor;

// The "d" key: deletes the first selected element in a fixed order of kinds, whatever
// the mode. Symbols and meters go without question; a bus or a branch that something
// still hangs on is refused with a message, and a slack bus asks first.
class CDeleteCommand {
public:
    explicit CDeleteCommand(CDiagramEditor& editor) : m_editor(editor) {}
    void Run();

private:
    // Whether the first selected element of a kind was found (deleted or refused).
    template <class Array, class Remove> bool DeleteSelected(const Array& array, Remove remove);
    bool DeleteBus();
    bool DeleteLine();
    void Refuse(const char* text, const char* title);

    CDiagramEditor& m_editor;
    bool m_deleted = false;
};
