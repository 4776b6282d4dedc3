#include "dialogs/DialogGeneratorTS.h"

#include "dialogs/DialogGeneratorExciterPage.h"
#include "dialogs/DialogGeneratorMachinePage.h"
#include "model/Generator.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CDialogGeneratorTS::CDialogGeneratorTS(const CGenerator& generator, QWidget* parent)
    : QDialog(parent), m_pages(new QTabWidget(this)),
      m_machine(new CDialogGeneratorMachinePage(generator)),
      m_exciter(new CDialogGeneratorExciterPage(generator)) {
    setWindowTitle(QStringLiteral("Generator Data For Transient Stability Sudies"));
    auto* layout = new QVBoxLayout(this);
    m_pages->addTab(m_machine, QStringLiteral("Generator Data"));
    m_pages->addTab(m_exciter, QStringLiteral("Excitation Data"));
    layout->addWidget(m_pages);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogGeneratorTS::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogGeneratorTS::reject);
    layout->addWidget(buttons);
}

void CDialogGeneratorTS::accept() {
    // A page with a field that is not a number comes to the front with the field selected.
    const struct {
        QWidget* page;
        CDialogFields* fields;
    } pages[] = {{m_machine, &m_machine->Fields()}, {m_exciter, &m_exciter->Fields()}};
    for (const auto& p : pages)
        if (!p.fields->Validate()) {
            m_pages->setCurrentWidget(p.page);
            CDialogFields::SelectField(p.fields->LastInvalid());
            return;
        }
    QDialog::accept();
}

void CDialogGeneratorTS::StoreInto(CGenerator& generator) const {
    using Page = CDialogGeneratorMachinePage;
    const CDialogFields& f = m_machine->Fields();
    generator.m_bus = f.IntValue(Page::kBus);
    generator.m_model = m_machine->Model();
    generator.m_h = f.Value(Page::kH);
    generator.m_xdPrime = f.Value(Page::kXdPrime);
    if (generator.m_model != CGenerator::kTwoAxis) return;
    generator.m_damping = f.Value(Page::kDamping);
    generator.m_xd = f.Value(Page::kXd);
    generator.m_xq = f.Value(Page::kXq);
    generator.m_xqPrime = f.Value(Page::kXqPrime);
    generator.m_tdoPrime = f.Value(Page::kTdoPrime);
    generator.m_tqoPrime = f.Value(Page::kTqoPrime);
    m_exciter->StoreInto(generator);
}
