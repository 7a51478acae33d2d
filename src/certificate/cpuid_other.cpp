// Processors without the x86 identification instruction: the signature
// falls back to the kernel-published register (processor_signature.h).
#if !defined(__i386__) && !defined(__x86_64__)

#include "certificate/processor_signature.h"

namespace rq::certificate {

std::optional<CpuidRegisters> cpuidFunction1() {
    return std::nullopt;
}

} // namespace rq::certificate

#endif
