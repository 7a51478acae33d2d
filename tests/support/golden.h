// Golden files under tests/data: what a test produces is compared with the
// file kept there; RQ_REGENERATE_GOLDEN=1 rewrites the files on purpose (CI
// never sets it), and the test then says so by skipping.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace rq::testing {

inline bool regeneratingGolden() {
    const char* flag = std::getenv("RQ_REGENERATE_GOLDEN");
    return flag && std::string(flag) == "1";
}

inline std::filesystem::path goldenPath(const std::string& relative) {
    return std::filesystem::path(RQ_TEST_DATA_DIR) / relative;
}

// Success when actual equals the golden file byte for byte; otherwise the
// first differing line of both. When regenerating, writes actual instead.
inline ::testing::AssertionResult matchesGolden(const std::string& relative,
                                                const std::string& actual) {
    const std::filesystem::path path = goldenPath(relative);
    if (regeneratingGolden()) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << actual;
        return ::testing::AssertionSuccess() << "rewritten";
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return ::testing::AssertionFailure() << "no golden file " << path;
    const std::string golden{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (golden == actual)
        return ::testing::AssertionSuccess();
    std::size_t at = 0, line = 1;
    while (at < golden.size() && at < actual.size() && golden[at] == actual[at])
        line += golden[at++] == '\n';
    auto lineAround = [at](const std::string& text) {
        const std::size_t begin = text.rfind('\n', at == 0 ? 0 : at - 1);
        const std::size_t from = begin == std::string::npos ? 0 : begin + 1;
        return text.substr(from, text.find('\n', from) - from);
    };
    return ::testing::AssertionFailure()
           << path << " differs at line " << line << "\n  golden: " << lineAround(golden)
           << "\n  actual: " << lineAround(actual);
}

} // namespace rq::testing
