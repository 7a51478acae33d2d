// The process's peak resident memory, reported as a benchmark counter. The
// figure covers the whole process: run a benchmark alone (--benchmark_filter)
// to read its own peak.
#pragma once

#include <sys/resource.h>

namespace rq::bench {

inline double peakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

} // namespace rq::bench
