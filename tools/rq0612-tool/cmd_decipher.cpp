// rq0612-tool decipher: envelope text on standard input, taken exactly as
// given (a trailing line break is part of it) -> the plaintext bytes. A
// failure prints its message on standard error and exits with 1.
#include "command.h"
#include "crypto_args.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "crypto/lb_rijndael.h"

#include <iostream>

namespace rq::tool {
namespace {

int runDecipher(const Args& args) {
    const auto phrase = passPhraseBytes("decipher", args);
    if (!phrase)
        return 64;
    rq::crypto::TLbRijndael cipher;
    cipher.KeyFromPassphrase(*phrase);
    try {
        writeStdout(cipher.DecipherText(readAllStdin()));
    } catch (const rq::base::Exception& e) {
        std::cerr << rq::base::cp1250ToUtf8(e.message()) << '\n';
        return 1;
    }
    return 0;
}

const ToolCommand kDecipher({"decipher", "[--hex] PASSPHRASE",
                             "decipher envelope text from standard input into the plaintext bytes",
                             runDecipher});

} // namespace
} // namespace rq::tool
