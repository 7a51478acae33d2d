// Fuzz target of the saved form's envelope text (Base64 and AES blocks with
// the closing block): any text deciphers to some bytes or fails with "Invalid
// Base64 Character" or "Invalid file format"; and any text enciphered with a
// key made from the input deciphers back to itself byte for byte.
// Run: fuzz_envelope fuzz/corpus/envelope
#include "base/exceptions.h"
#include "crypto/lb_rijndael.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    rq::crypto::TLbRijndael cipher;
    cipher.KeyFromPassphrase("jelsz\xF3");
    try {
        cipher.DecipherText(input);
    } catch (const rq::base::Exception&) {
        // Not an envelope: the cipher's own messages.
    }
    cipher.KeyFromPassphrase(input.substr(0, 40));
    if (cipher.DecipherText(cipher.EncipherText(input)) != input)
        __builtin_trap();
    return 0;
}
