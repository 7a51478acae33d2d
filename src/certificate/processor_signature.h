// The processor signature: a string of decimal digits that identifies the
// machine's processor, whose last six characters go into the document
// identifier. On x86 it comes from the identification instruction (function
// 1); elsewhere from the identification register the kernel publishes, and
// "0" when there is none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rq::certificate {

// The four result registers of the identification instruction, function 1.
struct CpuidRegisters {
    std::uint32_t eax = 0; // family, model and stepping
    std::uint32_t ebx = 0; // brand index, line size, logical count, APIC id of the running core
    std::uint32_t ecx = 0; // feature flags
    std::uint32_t edx = 0; // feature flags
};

// The registers of function 1, or nothing on a processor without the
// instruction (or without function 1). Defined per platform in cpuid_*.cpp.
std::optional<CpuidRegisters> cpuidFunction1();

// ECX, EBX, EDX and EAX, each in decimal without leading zeros, joined in
// this order (the last digits therefore come from EAX).
std::string signatureFromRegisters(const CpuidRegisters& registers);

// The fallback without the instruction: the file holds one register value
// in hexadecimal, with or without "0x" (Linux publishes the processor's main
// identification register of ARM machines so, which like EAX encodes the
// implementer, part number, variant and revision); its value in decimal.
// "0" when the file is missing or does not hold a hexadecimal number of at
// most 64 bits.
std::string signatureFromIdentificationFile(const std::string& path);

// Where Linux publishes the identification register of the first processor.
inline constexpr const char* kIdentificationRegisterFile =
    "/sys/devices/system/cpu/cpu0/regs/identification/midr_el1";

// The machine's signature: from the instruction when there is one, else the
// fallback above.
std::string processorSignature();

} // namespace rq::certificate
