// Pass-phrase arguments and raw byte streams of the cipher subcommands.
#include "crypto_args.h"

#include "base/hex.h"
#include "base/text1250.h"

#include <cstdio>

namespace rq::tool {

std::optional<std::string> passPhraseBytes(std::string_view command, const Args& args) {
    if (args.size() == 1)
        return rq::base::utf8ToCp1250(args[0]);
    if (args.size() != 2 || args[0] != "--hex") {
        usageError(command, "expects [--hex] PASSPHRASE");
        return std::nullopt;
    }
    auto bytes = rq::base::hexToBytes(args[1]);
    if (!bytes)
        usageError(command, "--hex needs an even number of hex digits");
    return bytes;
}

std::string readAllStdin() {
    std::string data;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        data.append(buffer, n);
    return data;
}

void writeStdout(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

} // namespace rq::tool
