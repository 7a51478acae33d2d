// The identification instruction on x86 processors (32 and 64 bit).
#if defined(__i386__) || defined(__x86_64__)

#include "certificate/processor_signature.h"

#include <cpuid.h>

namespace rq::certificate {

std::optional<CpuidRegisters> cpuidFunction1() {
    CpuidRegisters r;
    // __get_cpuid checks the highest function first and fails on processors
    // that lack function 1.
    if (__get_cpuid(1, &r.eax, &r.ebx, &r.ecx, &r.edx) == 0)
        return std::nullopt;
    return r;
}

} // namespace rq::certificate

#endif
