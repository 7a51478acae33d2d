// Fuzz target of the pass phrase as typed (UTF-8): it is refused with its
// message, or accepted exactly, never changed on the way to the key (two
// pass phrases must not become one). An accepted pass phrase makes a key
// under which a text enciphers and deciphers back to itself.
// Run: fuzz_pass_phrase fuzz/corpus/pass_phrase
#include "base/exceptions.h"
#include "base/text1250.h"
#include "certificate/saved_form.h"
#include "crypto/lb_rijndael.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Whether text is well-formed UTF-8 (shortest forms, no surrogates, at most
// U+10FFFF): only such text can come from a text box.
bool wellFormedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80   ? 0
                          : lead < 0xC2 ? -1
                          : lead < 0xE0 ? 1
                          : lead < 0xF0 ? 2
                          : lead < 0xF5 ? 3
                                        : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size())
            return false;
        char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (code < kMin[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    if (!wellFormedUtf8(typed))
        return 0;
    std::string pass;
    try {
        pass = rq::certificate::passPhraseFromUtf8(typed);
    } catch (const rq::base::Exception&) {
        return 0; // refused with its message
    }
    if (rq::base::cp1250ToUtf8(pass) != typed)
        __builtin_trap();
    rq::crypto::TLbRijndael cipher;
    cipher.KeyFromPassphrase(pass);
    const std::string text = "v\xEDzimalom\r\nEdit1_" + pass + "\r\n";
    if (cipher.DecipherText(cipher.EncipherText(text)) != text)
        __builtin_trap();
    return 0;
}
