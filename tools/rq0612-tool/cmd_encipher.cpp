// rq0612-tool encipher: standard input's bytes -> the saved form's envelope
// text under a pass phrase, written without a line break.
#include "command.h"
#include "crypto_args.h"

#include "crypto/lb_rijndael.h"

namespace rq::tool {
namespace {

int runEncipher(const Args& args) {
    const auto phrase = passPhraseBytes("encipher", args);
    if (!phrase)
        return 64;
    rq::crypto::TLbRijndael cipher;
    cipher.KeyFromPassphrase(*phrase);
    writeStdout(cipher.EncipherText(readAllStdin()));
    return 0;
}

const ToolCommand kEncipher({"encipher", "[--hex] PASSPHRASE",
                             "encipher standard input into envelope text (Base64, no line break)",
                             runEncipher});

} // namespace
} // namespace rq::tool
