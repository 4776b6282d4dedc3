#pragma once

#include "exchange/UserInterface.h"

#include <string>
#include <vector>

class CSkemtorApp;
class CSkemtorDoc;

namespace tarvex::test {

// Runs the Run power flow command with the real engine in a fresh working directory,
// in power flow mode, and returns the messages it showed ("title: text").
std::vector<std::string> runPowerFlow(CSkemtorDoc& doc, CSkemtorApp& app);

} // namespace tarvex::test
