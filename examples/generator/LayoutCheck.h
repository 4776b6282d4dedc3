#pragma once

#include <string>
#include <vector>

class CSkemtorDoc;

// Looks for what makes a one-line diagram hard to read, none of which the editor itself
// forbids: branches that cross or touch each other, a branch that runs through a bus
// other than where it ends (or along its own bus bar), symbols that sit over a bus, a
// branch or each other, and labels that would be drawn over something. Label boxes are
// estimates: about 6 units per character of the bus number and name to the left of a
// horizontal bar (above a vertical one), and the two result lines to the right of a bar
// or meter, about 45 units wide.
class CLayoutCheck {
public:
    // One sentence per blemish; empty for a clean diagram.
    static std::vector<std::string> Check(const CSkemtorDoc& doc);
};
