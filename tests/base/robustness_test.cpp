// Malformed pictures, format strings and texts: every routine either gives a
// result or raises its own documented error, never reads out of bounds (the
// sanitizer build runs these) and never raises anything else.
#include "base/date_text.h"
#include "base/format.h"
#include "base/format_float.h"
#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace rq::base {
namespace {

// A small deterministic generator, so that failures reproduce.
class Strings {
public:
    explicit Strings(std::string_view alphabet) : alphabet_(alphabet) {}
    std::string next() {
        std::string s;
        const std::size_t length = step() % 12;
        for (std::size_t i = 0; i < length; ++i)
            s += alphabet_[step() % alphabet_.size()];
        return s;
    }

private:
    std::uint64_t step() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return state_ >> 33;
    }
    std::string_view alphabet_;
    std::uint64_t state_ = 12345;
};

constexpr int kRounds = 3000;

const double kValues[] = {0,
                          -0.5,
                          1234.5678,
                          -1e-7,
                          9.999999999999999e17,
                          1e300,
                          -1e300,
                          std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN(),
                          36526.75,
                          -693594.5};

TEST(Robustness, FormatFloatPictures) {
    Strings gen("0#.,;Ee+-'\"x% ");
    for (int i = 0; i < kRounds; ++i) {
        const std::string picture = gen.next();
        for (double v : kValues)
            EXPECT_NO_THROW((void)formatFloat(picture, v)) << picture;
    }
}

TEST(Robustness, FormatDateTimePictures) {
    Strings gen("cdmyhnsztaAmMpP/:'\" ");
    for (int i = 0; i < kRounds; ++i) {
        const std::string picture = gen.next();
        for (double v : kValues)
            EXPECT_NO_THROW((void)formatDateTime(picture, v)) << picture;
    }
}

TEST(Robustness, FormatSpecifiers) {
    Strings gen("%%%dsfexgnmpu*-.:019 ");
    const Variant args[] = {Variant(7), Variant(2.5), Variant("abc"), Variant::null()};
    for (int i = 0; i < kRounds; ++i) {
        const std::string fmt = gen.next();
        try {
            (void)format(fmt, args);
        } catch (const EConvertError&) {
        }
    }
}

TEST(Robustness, TextToNumbersAndDates) {
    Strings gen("0123456789 .,:/-+eE$xAPM");
    for (int i = 0; i < kRounds; ++i) {
        const std::string text = gen.next();
        std::int32_t n = 0;
        std::int64_t n64 = 0;
        double v = 0;
        (void)tryStrToInt(text, n);
        (void)tryStrToInt64(text, n64);
        (void)tryStrToFloat(text, v);
        (void)tryStrToDate(text, v);
        (void)tryStrToTime(text, v);
        (void)tryStrToDateTime(text, v);
    }
}

} // namespace
} // namespace rq::base
