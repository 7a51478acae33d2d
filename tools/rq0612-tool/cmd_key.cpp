// rq0612-tool key: the 16-byte AES-128 key a pass phrase gives.
#include "command.h"
#include "crypto_args.h"

#include "base/hex.h"
#include "crypto/lb_rijndael.h"

namespace rq::tool {
namespace {

int runKey(const Args& args) {
    const auto phrase = passPhraseBytes("key", args);
    if (!phrase)
        return 64;
    rq::crypto::TLbRijndael cipher;
    cipher.KeyFromPassphrase(*phrase);
    const auto key = cipher.GetKey();
    writeStdout(
        rq::base::bytesToHex(std::string(key.begin(), key.end()), rq::base::HexLetters::Lower) +
        "\n");
    return 0;
}

const ToolCommand kKey({"key", "[--hex] PASSPHRASE",
                        "print the ks128 key of a pass phrase (UTF-8 text, or bytes in hex) as hex",
                        runKey});

} // namespace
} // namespace rq::tool
