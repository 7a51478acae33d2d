// The stop request of a script run on the command line: "--timeout SECONDS"
// and Ctrl+C set it, and the script engine stops at its next statement,
// loop pass or routine call. The subcommand then reports why it stopped
// and exits with status 1.
#pragma once

#include "command.h"

#include <atomic>
#include <string>

namespace rq::tool {

class StopRequest {
public:
    // Catches SIGINT and, for seconds > 0, arms a timer of that length.
    explicit StopRequest(double seconds);
    // Cancels the timer and gives SIGINT its former handling back.
    ~StopRequest();
    StopRequest(const StopRequest&) = delete;
    StopRequest& operator=(const StopRequest&) = delete;

    // The flag to hand to the script engine (TfsScript::SetStopRequest).
    const std::atomic<bool>& Flag() const;
    // Empty while nothing stopped the run, else why it stopped.
    std::string Reason() const;

private:
    double seconds_;
};

// Takes "--timeout SECONDS" (a positive number, fractions allowed) out of
// args; seconds stays 0 without one. False on a bad or missing value.
bool takeTimeout(Args& args, double& seconds);

} // namespace rq::tool
