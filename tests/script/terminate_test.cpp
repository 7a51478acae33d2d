// Stopping a running script: a host routine that terminates the main script,
// and a stop request set from outside the run, end loops (empty bodies and
// loops inside routines too) at their next pass or call.
#include "script/runtime.h"
#include "script/script.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace rq::script {
namespace {

// The host's Tick: counts its calls, answers True, and stops the script on
// the third call, either by Terminate or through the stop request. A loop
// that does not stop is ended by an error after 1000 calls, so that a fault
// fails the test instead of hanging it.
class Host {
public:
    enum class Stop { Terminate, Request };

    explicit Host(Stop how) : how_(how), library_(&runtime_.Global()), script_(&library_) {
        library_.SetStopRequest(&request_);
        library_.AddMethod(
            "function Tick: Boolean",
            [this](rq::base::Object*, const TfsClassVariable*, const std::string&, VariantArray&) {
                if (++ticks_ > 1000)
                    throw std::runtime_error("not stopped");
                if (ticks_ == 3) {
                    if (how_ == Stop::Terminate)
                        script_.Terminate();
                    else
                        request_.store(true);
                }
                return Variant(true);
            });
    }

    // Runs the program; the number of Tick calls and the value of n after.
    std::string Run(std::vector<std::string> lines) {
        script_.Lines = std::move(lines);
        if (!script_.Compile())
            return "compile " + script_.ErrorPos() + ": " + script_.ErrorMsg();
        script_.Execute();
        Variant n;
        script_.Find("n")->Read(Variant(), n);
        return std::to_string(ticks_) + " ticks, n = " + n.toString();
    }

private:
    Stop how_;
    std::atomic<bool> request_{false};
    ScriptRuntime runtime_;
    TfsScript library_; // the host's own level under the global library
    TfsScript script_;
    int ticks_ = 0;
};

struct StopCase {
    const char* name;
    std::vector<std::string> lines; // every program declares n
    const char* outcome;
};

const StopCase kStopCases[] = {
    {"LoopWithBody",
     {"var n: Integer;", "begin while True do Tick; n := 1 end."},
     "3 ticks, n = 0"},
    {"EmptyBody", {"var n: Integer;", "begin while Tick do ; n := 1 end."}, "3 ticks, n = 0"},
    {"RepeatInRoutine",
     {"var n: Integer;", "procedure P; begin repeat until not Tick end;", "begin P; n := 1 end."},
     "3 ticks, n = 0"},
    {"WhileInFunction",
     {"var n: Integer;", "function F: Integer; begin while True do Tick; Result := 5 end;",
      "begin n := F; n := n + 1 end."},
     "3 ticks, n = 0"},
    {"ForInRoutine",
     {"var n: Integer;", "procedure P; var i: Integer; begin for i := 1 to 1000000 do Tick end;",
      "begin P; n := 1 end."},
     "3 ticks, n = 0"},
    {"CallsAfterTheStop",
     {"var n: Integer;", "procedure Q; begin n := 7 end;",
      "procedure P; begin while True do Tick end;", "begin P; Q end."},
     "3 ticks, n = 0"},
};

class TerminateTest : public testing::TestWithParam<StopCase> {};

TEST_P(TerminateTest, HostTerminateEndsTheRun) {
    Host host(Host::Stop::Terminate);
    EXPECT_EQ(host.Run(GetParam().lines), GetParam().outcome);
}

TEST_P(TerminateTest, StopRequestEndsTheRun) {
    Host host(Host::Stop::Request);
    EXPECT_EQ(host.Run(GetParam().lines), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Script, TerminateTest, testing::ValuesIn(kStopCases),
                         [](const auto& info) { return info.param.name; });

// Terminate lasts for one run: the next Execute runs again.
TEST(ScriptTerminate, NextExecuteRunsAgain) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    script.Lines = {"var n: Integer; begin n := n + 1 end."};
    ASSERT_TRUE(script.Compile());
    script.Terminate();
    script.Execute();
    script.Execute();
    Variant n;
    script.Find("n")->Read(Variant(), n);
    EXPECT_EQ(n.toInteger(), 2);
}

} // namespace
} // namespace rq::script
