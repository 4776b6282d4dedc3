#include "cli/AnalysisArguments.h"

AnalysisArguments AnalysisArguments::Parse(const std::vector<std::string>& args) {
    AnalysisArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--help" || a == "-h") {
            parsed.help = true;
        } else if (a == "--dir" || a == "--document" || a == "--output") {
            if (!hasValue) {
                parsed.error = a + " is missing its value";
                return parsed;
            }
            std::string& target = a == "--dir"        ? parsed.dir
                                  : a == "--document" ? parsed.document
                                                      : parsed.output;
            target = args[++i];
        } else {
            parsed.rest.push_back(a);
        }
    }
    if (!parsed.output.empty() && parsed.document.empty())
        parsed.error = "--output goes with --document";
    return parsed;
}

int RefuseUsage(std::ostream& err, const std::string& command, const std::string& why) {
    err << "tarvex-engine " << command << ": " << why << "\n"
        << "Run 'tarvex-engine " << command << " --help' for usage.\n";
    return 2;
}
