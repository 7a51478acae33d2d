// Runs the openssl command-line tool as an independent AES implementation:
// writes the input to a temporary file and returns what openssl prints.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace rq::crypto::testing_support {

// `openssl enc -<cipher> -nopad -K <keyHex> [extra]` over data (raw bytes);
// nothing when the tool fails or is missing.
inline std::optional<std::string> runOpensslEnc(const std::string& cipher,
                                                const std::string& keyHex, const std::string& data,
                                                const std::string& extra = "") {
    static int counter = 0;
    const auto path =
        std::filesystem::temp_directory_path() / ("rq_crypto_openssl_" + std::to_string(getpid()) +
                                                  "_" + std::to_string(counter++) + ".bin");
    std::ofstream(path, std::ios::binary)
        .write(data.data(), static_cast<std::streamsize>(data.size()));
    const std::string command = "openssl enc -" + cipher + " -nopad -K " + keyHex + " -in '" +
                                path.string() + "' " + extra + " 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    if (pipe != nullptr) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, n);
    }
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    std::filesystem::remove(path);
    if (status != 0)
        return std::nullopt;
    return output;
}

} // namespace rq::crypto::testing_support
