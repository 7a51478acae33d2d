// Fuzz target of the script engine compiling AND running any program: the
// standard library (Format, FormatFloat, FormatDateTime, FormatMaskText, the
// StrTo... conversions, string and date routines) on whatever values the
// program makes. Run-time errors are the script's own; nothing may crash.
// The program has no file access, units come from a fixed text, and a
// watchdog asks every run to stop after 100 ms, so endless loops end too.
// Run: fuzz_script_run fuzz/corpus/script_run
#include "script/runtime.h"
#include "script/script.h"
#include "script/stdlib.h"
#include "script_input.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Sets stop once the deadline of the current run has passed.
struct Watchdog {
    std::atomic<bool> stop{false};
    std::atomic<Clock::rep> deadline{Clock::time_point::max().time_since_epoch().count()};

    Watchdog() {
        std::thread([this] {
            for (;;) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                if (Clock::now().time_since_epoch().count() > deadline.load())
                    stop.store(true);
            }
        }).detach();
    }
    void startRun() {
        stop.store(false);
        deadline.store((Clock::now() + std::chrono::milliseconds(100)).time_since_epoch().count());
    }
    void endRun() { deadline.store(Clock::time_point::max().time_since_epoch().count()); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rq::script;
    static Watchdog* watchdog = new Watchdog;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // A runtime per input: what one input's script made never reaches the next.
    ScriptRuntime runtime;
    runtime.SetShowMessageHook([](const std::string&) {});
    TfsScript host(&runtime.Global());
    host.SetFileAccess(false);
    host.SetStopRequest(&watchdog->stop);
    TfsScript script(&host);
    rq::fuzz::loadScriptInput(script, text);
    try {
        if (script.Compile()) {
            watchdog->startRun();
            script.Execute();
        }
    } catch (const std::exception&) {
        // Compile raises only "Language '%s' not found"; a run raises the
        // script's run-time errors.
    }
    watchdog->endRun();
    return 0;
}
