#include "engine/opf/OpfModule.h"

#include "engine/core/Record.h"

namespace tarvex::engine {

void OpfModule::reset() {
    // A static empty copy: the tables are too large for a temporary on the stack.
    static const OpfTables kEmpty{};
    static_cast<OpfTables&>(*this) = kEmpty;
    status.reset();
}

void OpfModule::fail(int code) {
    status.fail(code);
}

void OpfModule::log(const char* text) {
    Record r;
    r.text(text);
    pf.files.log.write(r);
}

} // namespace tarvex::engine
