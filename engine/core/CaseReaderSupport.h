#pragma once

#include "engine/core/CaseCard.h"
#include "engine/core/PowerFlowModule.h"

// Shared pieces of the case reader's section readers: reading a field with its error
// report, and the common shape of the reader's data error lines.
namespace tarvex::engine {

// What kind of card a data error refers to, for the log line.
enum class CardKind { Title, Header, Bus, Branch, LossZone, Interchange, TieLine };

// Fails the run with status 3 and the log line
//   " DATA ERROR : <what>, <KIND> CARD ON LINE <n>"
void dataError(PowerFlowModule& m, const CaseCard& card, CardKind kind, const char* what);
// The same with a bus number placed after the text: "<what> <number><rest>".
void dataError(PowerFlowModule& m, const CaseCard& card, CardKind kind, const char* what,
               int number, const char* rest);

// Read one field; on a malformed number fail with status 3 and the log line
//   " DATA ERROR : UNREADABLE NUMBER IN COLUMNS a-b (<name>), <KIND> CARD ON LINE <n>"
bool readIntField(PowerFlowModule& m, const CaseCard& card, CardKind kind, int first, int last,
                  const char* name, int& value);
bool readRealField(PowerFlowModule& m, const CaseCard& card, CardKind kind, int first, int last,
                   int decimals, const char* name, double& value);

// Reads cards until one whose integer field in columns 1..lastColumn equals terminator
// (the loss zone, interchange and tie line sections, whose values are not kept).
// False (with the run failed) on a malformed field or end of file.
class CaseFile;
bool skipSection(PowerFlowModule& m, CaseFile& file, CardKind kind, int lastColumn, int terminator);

// Bus and branch sections; false when the run failed.
bool readBusCards(PowerFlowModule& m, CaseFile& file);
bool readBranchCards(PowerFlowModule& m, CaseFile& file);

// Fails with status 3 and " DATA ERROR : END OF FILE INSIDE THE <section> DATA (AFTER LINE n)".
void endOfFileError(PowerFlowModule& m, const char* section, int line);

} // namespace tarvex::engine
