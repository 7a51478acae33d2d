// rq0612-tool digest: the leading bytes of the pass-phrase digest of data.
#include "command.h"
#include "crypto_args.h"

#include "base/hex.h"
#include "crypto/passphrase_digest.h"

#include <charconv>

namespace rq::tool {
namespace {

// SIZE: a decimal count of 1 ... 256 digest bytes.
std::optional<std::size_t> parseSize(std::string_view text) {
    std::size_t size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end != text.data() + text.size() || size < 1 ||
        size > rq::crypto::kDigestSize)
        return std::nullopt;
    return size;
}

int runDigest(const Args& args) {
    if (args.empty())
        return usageError("digest", "expects SIZE [--hex] DATA");
    const auto size = parseSize(args[0]);
    if (!size)
        return usageError("digest", "SIZE must be a whole number from 1 to 256");
    const auto data = passPhraseBytes("digest", Args(args.begin() + 1, args.end()));
    if (!data)
        return 64;
    const auto digest = rq::crypto::PassphraseDigest(*data, *size);
    writeStdout(rq::base::bytesToHex(std::string(digest.begin(), digest.end()),
                                     rq::base::HexLetters::Lower) +
                "\n");
    return 0;
}

const ToolCommand kDigest({"digest", "SIZE [--hex] DATA",
                           "print the first SIZE (1-256) bytes of the pass-phrase digest in hex",
                           runDigest});

} // namespace
} // namespace rq::tool
