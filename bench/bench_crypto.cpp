// Benchmarks of the save command's cipher work: the key from a pass phrase
// and the envelope of a saved form of about 300 bytes, and the way back.
#include "crypto/lb_rijndael.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A plaintext of the shape the save command writes: marker line and field
// lines, CR LF after each, padded to 300 bytes.
std::string savedForm() {
    std::string text = "v\xEDzimalom\r\nEdit1_-\r\nEdit2_-\r\nEdit3_Kov\xE1"
                       "cs J\xE1nos\r\nEdit4_k\xF6nyvel\xF5\r\nEdit5_2001\r\n"
                       "PBNumEdit1_250 000\r\nEdit6_Budapest\r\nPBNumEdit2_0\r\n";
    while (text.size() < 300)
        text += "Edit7_megjegyz\xE9s\r\n";
    text.resize(300);
    return text;
}

void BM_KeyFromPassphraseAndEncipher(benchmark::State& state) {
    const std::string text = savedForm();
    rq::crypto::TLbRijndael cipher;
    for (auto _ : state) {
        cipher.KeyFromPassphrase("jelsz\xF3 2024");
        benchmark::DoNotOptimize(cipher.EncipherText(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_KeyFromPassphraseAndEncipher);

void BM_KeyFromPassphraseAndDecipher(benchmark::State& state) {
    rq::crypto::TLbRijndael cipher;
    cipher.KeyFromPassphrase("jelsz\xF3 2024");
    const std::string envelope = cipher.EncipherText(savedForm());
    for (auto _ : state) {
        cipher.KeyFromPassphrase("jelsz\xF3 2024");
        benchmark::DoNotOptimize(cipher.DecipherText(envelope));
    }
}
BENCHMARK(BM_KeyFromPassphraseAndDecipher);

} // namespace
