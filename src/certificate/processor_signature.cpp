// The processor signature from the identification registers, with the
// kernel-published register as the fallback where the instruction is missing.
#include "certificate/processor_signature.h"

#include <charconv>
#include <fstream>

namespace rq::certificate {

std::string signatureFromRegisters(const CpuidRegisters& registers) {
    return std::to_string(registers.ecx) + std::to_string(registers.ebx) +
           std::to_string(registers.edx) + std::to_string(registers.eax);
}

std::string signatureFromIdentificationFile(const std::string& path) {
    std::ifstream file(path);
    std::string text;
    if (!(file >> text))
        return "0";
    std::string_view digits = text;
    if (digits.starts_with("0x") || digits.starts_with("0X"))
        digits.remove_prefix(2);
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return "0";
    return std::to_string(value);
}

std::string processorSignature() {
    if (const auto registers = cpuidFunction1())
        return signatureFromRegisters(*registers);
    return signatureFromIdentificationFile(kIdentificationRegisterFile);
}

} // namespace rq::certificate
