// Fuzz target of the script compiler: any bytes, as the lines of a
// PascalScript program, must compile or give a compile error; nothing may
// crash or hang. Units named in uses clauses come from a fixed text, so the
// target never reads files. The program is not run.
// Run: fuzz_script_compile fuzz/corpus/script_compile
#include "base/exceptions.h"
#include "script/runtime.h"
#include "script/script.h"
#include "script_input.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rq::script;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // One runtime for the whole run: compiling never changes its library.
    static ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    rq::fuzz::loadScriptInput(script, text);
    try {
        script.Compile();
    } catch (const rq::base::Exception&) {
        // "Language '%s' not found" from a #language line is the one raise.
    }
    return 0;
}
