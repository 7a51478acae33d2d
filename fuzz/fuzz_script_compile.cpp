// Fuzz target of the script compiler: any bytes, as the lines of a
// PascalScript program, must compile or give a compile error; nothing may
// crash or hang. Units named in uses clauses come from a fixed text, so the
// target never reads files. The program is not run.
// Run: fuzz_script_compile fuzz/corpus/script_compile
#include "base/exceptions.h"
#include "script/runtime.h"
#include "script/script.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rq::script;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // One runtime for the whole run: compiling never changes its library.
    static ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    script.OnGetUnit = [](TfsScript&, const std::string&, std::string& unit) {
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
    try {
        script.Compile();
    } catch (const rq::base::Exception&) {
        // "Language '%s' not found" from a #language line is the one raise.
    }
    return 0;
}
