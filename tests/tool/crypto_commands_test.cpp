// rq0612-tool key, digest, encipher and decipher: raw bytes in and out,
// exit codes, and agreement between the subcommands.
#include "run_tool.h"

#include <gtest/gtest.h>

namespace rq::tool::test {
namespace {

TEST(ToolCrypto, KeyIsTheSixteenByteDigestInHex) {
    const auto key = runTool({"key", "titok"});
    ASSERT_EQ(key.exitCode, 0) << key.err;
    ASSERT_EQ(key.out.size(), 33u);
    EXPECT_EQ(key.out.back(), '\n');
    const auto digest = runTool({"digest", "16", "titok"});
    EXPECT_EQ(digest.out, key.out);
    // The same pass phrase given as its Windows-1250 bytes in hex.
    EXPECT_EQ(runTool({"key", "--hex", "7469746f6b"}).out, key.out);
}

TEST(ToolCrypto, Utf8PassPhraseIsConvertedToWindows1250) {
    // "árvíztűrő" in Windows-1250 bytes.
    const auto hex = runTool({"key", "--hex", "e17276ed7a74fb72f5"});
    const auto text = runTool({"key", "\xC3\xA1rv\xC3\xADzt\xC5\xB1r\xC5\x91"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, hex.out);
}

TEST(ToolCrypto, EncipherAndDecipherRoundTripRawBytes) {
    std::string plain;
    for (int i = 0; i < 300; ++i)
        plain += static_cast<char>((i * 37) & 0xFF);
    const auto envelope = runTool({"encipher", "jelsz\xC3\xB3"}, plain);
    ASSERT_EQ(envelope.exitCode, 0) << envelope.err;
    EXPECT_NE(envelope.out.back(), '\n');
    const auto back = runTool({"decipher", "jelsz\xC3\xB3"}, envelope.out);
    ASSERT_EQ(back.exitCode, 0) << back.err;
    EXPECT_EQ(back.out, plain);
}

TEST(ToolCrypto, DecipherFailuresGoToStandardErrorWithExitCodeOne) {
    const auto envelope = runTool({"encipher", "a"}, "hello").out;
    struct Case {
        const char* name;
        std::string input;
        const char* message;
    };
    const Case cases[] = {
        {"trailing line break", envelope + "\n", "Invalid Base64 Character\n"},
        {"empty text", "", "Invalid file format\n"},
    };
    for (const auto& c : cases) {
        const auto result = runTool({"decipher", "a"}, c.input);
        EXPECT_EQ(result.exitCode, 1) << c.name;
        EXPECT_EQ(result.err, c.message) << c.name;
        EXPECT_TRUE(result.out.empty()) << c.name;
    }
}

TEST(ToolCommands, HelpListsSubcommands) {
    const auto help = runTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* name : {"version", "key", "digest", "encipher", "decipher"})
        EXPECT_NE(help.out.find(std::string("  ") + name + ' '), std::string::npos) << name;
}

} // namespace
} // namespace rq::tool::test
