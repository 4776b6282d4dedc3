#pragma once

#include "exchange/editing/ElementDialogs.h"

class CSkemtorApp;
class CSkemtorDoc;
class QWidget;

// The diagram editor's element dialogs, opened as the real modal dialogs over `parent`.
class CQtElementDialogs : public CElementDialogs {
public:
    CQtElementDialogs(QWidget* parent, CSkemtorApp& app, CSkemtorDoc& doc)
        : m_parent(parent), m_app(app), m_doc(doc) {}

    void SetParent(QWidget* parent) { m_parent = parent; }

    void EditBus(CBus& bus) override;
    void EditLine(CLine& line) override;
    void EditCapacitance(CCapacitance& capacitance) override;
    void EditPowerFlowMeter(CPowerFlow& meter) override;
    void EditCurrentMeter(CCurrent& meter) override;
    void EditPowerInjectionMeter(CPowerInjection& meter) override;
    void EditVoltageMeter(CVoltage& meter) override;
    void EditShort(CShort& fault) override;
    void EditZground(CZground& impedance) override;
    void EditGeneratorDynamics(CGenerator& generator) override;
    void EditGeneratorCost(CGenerator& generator) override;

private:
    QWidget* m_parent;
    CSkemtorApp& m_app;
    CSkemtorDoc& m_doc;
};
