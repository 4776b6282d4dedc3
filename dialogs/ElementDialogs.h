#pragma once

// What the diagram view calls after placing an element and on a double-click: one entry
// per element kind. Each opens the dialog that fits the current mode with a copy of the
// element's values and stores the values back only when the dialog ends with OK; each
// returns true when it stored them. Every dialog close, whatever its result, marks the
// document modified; redrawing the views is the caller's.

class CBus;
class CCapacitance;
class CCurrent;
class CGenerator;
class CLine;
class CPowerFlow;
class CPowerInjection;
class CShort;
class CSkemtorApp;
class CSkemtorDoc;
class CVoltage;
class CZground;
class QWidget;

// Power Flow and Optimal Power Flow modes: the power flow data, then a warning for every
// other slack bus when this one is a slack bus. Other modes: number, name, area and size,
// then every branch ending at the bus takes the areas of its end buses again, and the
// bus is deselected.
bool EditBus(QWidget* parent, CBus& bus, CSkemtorApp& app, CSkemtorDoc& doc);
bool EditLine(QWidget* parent, CLine& line, CSkemtorApp& app, CSkemtorDoc& doc);
bool EditCapacitance(QWidget* parent, CCapacitance& shunt, CSkemtorApp& app, CSkemtorDoc& doc);
bool EditPowerFlow(QWidget* parent, CPowerFlow& meter, CSkemtorApp& app, CSkemtorDoc& doc);
// A change of direction takes the current of the new direction from the power flow
// results while they are in use.
bool EditCurrent(QWidget* parent, CCurrent& meter, CSkemtorApp& app, CSkemtorDoc& doc);
bool EditPowerInjection(QWidget* parent, CPowerInjection& meter, CSkemtorApp& app,
                        CSkemtorDoc& doc);
bool EditVoltage(QWidget* parent, CVoltage& meter, CSkemtorApp& app, CSkemtorDoc& doc);
bool EditShort(QWidget* parent, CShort& fault, CSkemtorApp& app, CSkemtorDoc& doc);
bool EditZground(QWidget* parent, CZground& impedance, CSkemtorApp& app, CSkemtorDoc& doc);
// Transient Stability mode: the machine and exciter sheet; Optimal Power Flow mode: the
// cost curves. No dialog in the other modes (returns false).
bool EditGenerator(QWidget* parent, CGenerator& generator, CSkemtorApp& app, CSkemtorDoc& doc);
