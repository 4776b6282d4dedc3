#pragma once

#include <QDialog>

class CDialogGeneratorExciterPage;
class CDialogGeneratorMachinePage;
class CGenerator;
class QTabWidget;

// The transient stability sheet of a generator: machine page and exciter page. OK
// checks both pages. The bus, the model, H and X'd are always taken back; the other
// machine constants and the exciter only with the two-axis model, so a classical
// machine keeps them whatever was typed.
class CDialogGeneratorTS : public QDialog {
public:
    CDialogGeneratorTS(const CGenerator& generator, QWidget* parent = nullptr);

    CDialogGeneratorMachinePage& MachinePage() const { return *m_machine; }
    CDialogGeneratorExciterPage& ExciterPage() const { return *m_exciter; }
    QTabWidget& Pages() const { return *m_pages; }

    void accept() override;
    void StoreInto(CGenerator& generator) const;

private:
    QTabWidget* m_pages;
    CDialogGeneratorMachinePage* m_machine;
    CDialogGeneratorExciterPage* m_exciter;
};
