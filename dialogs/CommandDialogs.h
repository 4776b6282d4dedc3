#pragma once

// The list dialogs of two commands; both stay open after Save until Escape or the close
// box ends them.

class CSkemtorApp;
class CSkemtorDoc;
class QWidget;

// Set Meter Cost, once the command has written `meterCount` lines to the cost index and
// default cost files.
void EditMeterCosts(QWidget* parent, int meterCount);
// Plot Options: the buses and the first 30 branches of the document; Save fills the
// application's plot variables.
void EditPlotVariables(QWidget* parent, CSkemtorApp& app, const CSkemtorDoc& doc);
