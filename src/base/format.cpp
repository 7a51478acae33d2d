// Format: specifier parsing and the conversion of one argument per type.
#include "base/format.h"

#include "base/exceptions.h"
#include "base/number_text.h"

#include <algorithm>
#include <cstdint>

namespace rq::base {
namespace {

constexpr int kMaxWidth = 1024; // larger widths are treated as malformed

struct Spec {
    bool left = false;
    int width = -1;
    int precision = -1;
    char type = 0; // lower case
};

class Formatter {
public:
    Formatter(std::string_view fmt, std::span<const Variant> args, const FormatSettings& s)
        : fmt_(fmt), args_(args), s_(s) {}

    std::string run() {
        std::size_t i = 0;
        while (i < fmt_.size()) {
            const std::size_t pct = fmt_.find('%', i);
            out_ +=
                fmt_.substr(i, pct == std::string_view::npos ? std::string_view::npos : pct - i);
            if (pct == std::string_view::npos)
                break;
            i = specifier(pct + 1);
        }
        return out_;
    }

private:
    [[noreturn]] void invalid() const {
        throw EConvertError("Format '" + std::string(fmt_) +
                            "' invalid or incompatible with argument");
    }

    const Variant& nextArg() {
        if (next_ >= args_.size())
            throw EConvertError("No argument for format '" + std::string(fmt_) + "'");
        return args_[next_++];
    }

    static bool isOrdinalArg(const Variant& v) {
        switch (v.type()) {
        case VarType::SmallInt:
        case VarType::Integer:
        case VarType::Byte:
        case VarType::Int64:
            return true;
        default:
            return false;
        }
    }

    // A number or "*" at i; returns false when there is neither.
    bool number(std::size_t& i, int& value) {
        if (i < fmt_.size() && fmt_[i] == '*') {
            const Variant& arg = nextArg();
            if (!isOrdinalArg(arg))
                invalid();
            const std::int64_t n = arg.toInt64();
            if (n > kMaxWidth || n < -kMaxWidth)
                invalid();
            value = static_cast<int>(n);
            ++i;
            return true;
        }
        if (i >= fmt_.size() || fmt_[i] < '0' || fmt_[i] > '9')
            return false;
        value = 0;
        for (; i < fmt_.size() && fmt_[i] >= '0' && fmt_[i] <= '9'; ++i) {
            value = value * 10 + (fmt_[i] - '0');
            if (value > kMaxWidth)
                invalid();
        }
        return true;
    }

    std::size_t specifier(std::size_t i) {
        if (i < fmt_.size() && fmt_[i] == '%') {
            out_ += '%';
            return i + 1;
        }
        Spec spec;
        int n = 0;
        if (number(i, n)) {
            if (i < fmt_.size() && fmt_[i] == ':') {
                if (n < 0)
                    invalid();
                next_ = static_cast<std::size_t>(n);
                ++i;
            } else {
                spec.width = n;
            }
        }
        if (spec.width < 0) {
            if (i < fmt_.size() && fmt_[i] == '-') {
                spec.left = true;
                ++i;
            }
            if (number(i, n))
                spec.width = n;
        }
        if (spec.width < 0 && spec.left)
            spec.width = 0;
        if (i < fmt_.size() && fmt_[i] == '.') {
            ++i;
            if (!number(i, spec.precision))
                invalid();
        }
        if (i >= fmt_.size())
            invalid();
        const char t = fmt_[i];
        spec.type = t >= 'A' && t <= 'Z' ? static_cast<char>(t + 32) : t;
        pad(convert(spec, nextArg()), spec);
        return i + 1;
    }

    void pad(const std::string& text, const Spec& spec) {
        const auto fill = static_cast<std::size_t>(std::max(0, spec.width)) > text.size()
                              ? static_cast<std::size_t>(spec.width) - text.size()
                              : 0;
        if (!spec.left)
            out_.append(fill, ' ');
        out_ += text;
        if (spec.left)
            out_.append(fill, ' ');
    }

    std::string convert(const Spec& spec, const Variant& arg) {
        switch (spec.type) {
        case 'd':
        case 'u':
        case 'x':
            return integer(spec, arg);
        case 'e':
        case 'f':
        case 'g':
        case 'n':
        case 'm':
            return real(spec, arg);
        case 's':
            return text(spec, arg);
        case 'p':
            if (!arg.isObject())
                invalid();
            return intToHex(reinterpret_cast<std::uintptr_t>(arg.toObject()), 8);
        default:
            invalid();
        }
    }

    std::string integer(const Spec& spec, const Variant& arg) {
        if (!isOrdinalArg(arg))
            invalid();
        const bool wide = arg.type() == VarType::Int64;
        const std::int64_t value = arg.toInt64();
        const std::uint64_t bits =
            wide ? static_cast<std::uint64_t>(value)
                 : static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
        std::string digits;
        bool negative = false;
        if (spec.type == 'x') {
            digits = intToHex(bits, 0);
        } else if (spec.type == 'u') {
            digits = std::to_string(bits);
        } else {
            negative = value < 0;
            digits = std::to_string(negative ? 0 - static_cast<std::uint64_t>(value)
                                             : static_cast<std::uint64_t>(value));
        }
        if (static_cast<int>(digits.size()) < spec.precision)
            digits.insert(0, static_cast<std::size_t>(spec.precision) - digits.size(), '0');
        return negative ? "-" + digits : digits;
    }

    std::string real(const Spec& spec, const Variant& arg) {
        switch (arg.type()) {
        case VarType::Single:
        case VarType::Double:
        case VarType::Currency:
        case VarType::Date:
            break;
        default:
            invalid();
        }
        const double value = arg.toDouble();
        const int p = spec.precision;
        switch (spec.type) {
        case 'e':
            return floatToStrF(value, FloatFormat::Exponent, p < 0 ? 15 : p, 3, s_);
        case 'f':
            return floatToStrF(value, FloatFormat::Fixed, 18, p < 0 ? 2 : p, s_);
        case 'g':
            return floatToStrF(value, FloatFormat::General, p < 0 ? 15 : p, 0, s_);
        case 'n':
            return floatToStrF(value, FloatFormat::Number, 18, p < 0 ? 2 : p, s_);
        default:
            return floatToStrF(value, FloatFormat::Currency, 18, p < 0 ? s_.CurrencyDecimals : p,
                               s_);
        }
    }

    std::string text(const Spec& spec, const Variant& arg) {
        if (!arg.isString() && !arg.isNull() && !arg.isEmpty())
            invalid();
        std::string value = arg.toString();
        if (spec.precision >= 0 && static_cast<std::size_t>(spec.precision) < value.size())
            value.resize(static_cast<std::size_t>(spec.precision));
        return value;
    }

    std::string_view fmt_;
    std::span<const Variant> args_;
    const FormatSettings& s_;
    std::size_t next_ = 0;
    std::string out_;
};

} // namespace

std::string format(std::string_view fmt, std::span<const Variant> args,
                   const FormatSettings& settings) {
    return Formatter(fmt, args, settings).run();
}

std::string format(std::string_view fmt, std::initializer_list<Variant> args,
                   const FormatSettings& settings) {
    return format(fmt, std::span<const Variant>(args.begin(), args.size()), settings);
}

} // namespace rq::base
