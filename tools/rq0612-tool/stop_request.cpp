// SIGINT and a real-time timer set one lock-free flag. A signal handler can
// reach nothing but static storage, so the flag and the cause live here,
// for the one run a tool process makes; the handler only stores to them.
#include "stop_request.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <csignal>
#include <sstream>
#include <sys/time.h>

namespace rq::tool {
namespace {

std::atomic<bool> stopFlag{false};
volatile std::sig_atomic_t stopCause = 0; // the signal that set the flag

static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onStopSignal(int signal) {
    stopCause = signal;
    stopFlag.store(true, std::memory_order_relaxed);
}

struct sigaction previousInt;
struct sigaction previousAlarm;

void install(int signal, struct sigaction& previous) {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, &previous);
}

void arm(double seconds) {
    itimerval timer{};
    timer.it_value.tv_sec = static_cast<time_t>(seconds);
    timer.it_value.tv_usec = static_cast<suseconds_t>((seconds - std::floor(seconds)) * 1e6);
    if (timer.it_value.tv_sec == 0 && timer.it_value.tv_usec == 0)
        timer.it_value.tv_usec = 1;
    setitimer(ITIMER_REAL, &timer, nullptr);
}

} // namespace

StopRequest::StopRequest(double seconds) : seconds_(seconds) {
    stopFlag.store(false);
    stopCause = 0;
    install(SIGINT, previousInt);
    if (seconds_ > 0) {
        install(SIGALRM, previousAlarm);
        arm(seconds_);
    }
}

StopRequest::~StopRequest() {
    if (seconds_ > 0) {
        itimerval off{};
        setitimer(ITIMER_REAL, &off, nullptr);
        sigaction(SIGALRM, &previousAlarm, nullptr);
    }
    sigaction(SIGINT, &previousInt, nullptr);
}

const std::atomic<bool>& StopRequest::Flag() const {
    return stopFlag;
}

std::string StopRequest::Reason() const {
    if (!stopFlag.load())
        return {};
    if (stopCause == SIGALRM) {
        std::ostringstream text;
        text << "stopped: the time limit of " << seconds_ << " seconds ran out";
        return text.str();
    }
    return "stopped by an interrupt (Ctrl+C)";
}

bool takeTimeout(Args& args, double& seconds) {
    seconds = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--timeout")
            continue;
        if (i + 1 >= args.size())
            return false;
        const std::string& text = args[i + 1];
        double value = 0;
        const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
        if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || !(value > 0) ||
            value > 1e6)
            return false;
        seconds = value;
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        return true;
    }
    return true;
}

} // namespace rq::tool
