// The fuzz input as a script program, shared by the script targets: the bytes
// become the script's lines, and units named in uses clauses come from a fixed
// text, so no target ever reads files through a uses clause.
#pragma once

#include "script/script.h"

#include <string>

namespace rq::fuzz {

inline void loadScriptInput(script::TfsScript& script, const std::string& text) {
    script.OnGetUnit = [](script::TfsScript&, const std::string&, std::string& unit) {
        unit = "var u: Integer; procedure U(x: Integer); begin u := x end; begin end.";
    };
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t lf = text.find('\n', from);
        script.Lines.push_back(text.substr(from, lf == std::string::npos ? lf : lf - from));
        if (lf == std::string::npos)
            break;
        from = lf + 1;
    }
}

} // namespace rq::fuzz
