// Standard routines of the category "ctString": positions count from 1, case
// follows the Windows-1250 letters.
#include "script/stdlib.h"

#include "base/letter_case.h"
#include "base/text1250.h"

namespace rq::script {

namespace {

using rq::base::Variant;

// The longest string or array SetLength makes; more is a script's mistake
// that would otherwise exhaust memory.
constexpr std::int64_t kMaxLength = std::int64_t{1} << 26;

Variant DeleteChars(VariantArray& a) {
    std::string s = a[0].toString();
    const std::int64_t from = a[1].toInt64();
    const std::int64_t count = a[2].toInt64();
    const auto length = static_cast<std::int64_t>(s.size());
    if (from >= 1 && from <= length && count > 0)
        s.erase(static_cast<std::size_t>(from - 1),
                static_cast<std::size_t>(std::min(count, length - from + 1)));
    a[0] = Variant(s);
    return Variant();
}

Variant InsertChars(VariantArray& a) {
    std::string target = a[1].toString();
    const auto length = static_cast<std::int64_t>(target.size());
    const std::int64_t pos = std::clamp<std::int64_t>(a[2].toInt64(), 1, length + 1);
    target.insert(static_cast<std::size_t>(pos - 1), a[0].toString());
    a[1] = Variant(target);
    return Variant();
}

Variant NameCase(VariantArray& a) {
    std::string s = base::AnsiLowerCase(a[0].toString());
    for (std::size_t i = 0; i < s.size(); ++i)
        if (i == 0 || s[i - 1] == ' ')
            s[i] = base::AnsiUpperChar(s[i]);
    return Variant(s);
}

Variant SetLengthOf(VariantArray& a) {
    const std::int64_t length = a[1].toInt64();
    if (length > kMaxLength)
        throw rq::base::Exception("Out of memory");
    if (a[0].isArray()) {
        // L is the new upper bound of the zero-based array.
        a[0].resizeArray(static_cast<std::size_t>(std::max<std::int64_t>(length + 1, 0)));
        return Variant();
    }
    std::string s = a[0].toString();
    s.resize(static_cast<std::size_t>(std::max<std::int64_t>(length, 0)), ' ');
    a[0] = Variant(s);
    return Variant();
}

const StandardRoutine kStrings[] = {
    {"function Length(s: String): Integer",
     [](VariantArray& a) {
         return Variant(
             static_cast<int>(a[0].isArray() ? a[0].arraySize() : a[0].toString().size()));
     }},
    {"function Copy(s: String; from, count: Integer): String",
     [](VariantArray& a) {
         return Variant(rq::base::copy1(a[0].toString(), a[1].toInt64(), a[2].toInt64()));
     }},
    {"function Pos(substr, s: String): Integer",
     [](VariantArray& a) {
         return Variant(static_cast<int>(rq::base::pos1(a[0].toString(), a[1].toString())));
     }},
    {"procedure Delete(var s: String; from, count: Integer): String", DeleteChars},
    {"procedure Insert(s: String; var s2: String; pos: Integer): String", InsertChars},
    {"function Uppercase(s: String): String",
     [](VariantArray& a) { return Variant(base::AnsiUpperCase(a[0].toString())); }},
    {"function Lowercase(s: String): String",
     [](VariantArray& a) { return Variant(base::AnsiLowerCase(a[0].toString())); }},
    {"function Trim(s: String): String",
     [](VariantArray& a) { return Variant(rq::base::trim(a[0].toString())); }},
    {"function NameCase(s: String): String", NameCase},
    {"function CompareText(s, s1: String): Integer",
     [](VariantArray& a) {
         return Variant(base::AnsiCompareText(a[0].toString(), a[1].toString()));
     }},
    {"function Chr(i: Integer): Char",
     [](VariantArray& a) { return Variant(std::string(1, static_cast<char>(a[0].toInteger()))); }},
    // Ord of an empty text is 0: there is no first character.
    {"function Ord(ch: Char): Integer",
     [](VariantArray& a) {
         const std::string s = a[0].toString();
         return Variant(s.empty() ? 0 : static_cast<int>(static_cast<unsigned char>(s[0])));
     }},
    {"procedure SetLength(var S: Variant; L: Integer)", SetLengthOf},
};

} // namespace

void AddStringRoutines(TfsScript& script) {
    AddRoutines(script, kStrings, "ctString");
}

} // namespace rq::script
