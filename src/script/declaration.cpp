// Reads routine headings with the script tokenizer.
#include "script/declaration.h"

#include "base/text1250.h"
#include "script/errors.h"
#include "script/tokenizer.h"

namespace rq::script {

using rq::base::sameText;
using rq::base::Variant;

namespace {

class DeclarationReader {
public:
    explicit DeclarationReader(std::string_view text) : text_(text) { parser_.SetText(text); }

    TfsDeclaration Read() {
        TfsDeclaration d;
        d.kind = rq::base::lowerCase(Ident());
        d.name = Ident();
        if (d.name.empty() ||
            (d.kind != "function" && d.kind != "procedure" && d.kind != "constructor"))
            Fail();
        if (TryChar("(")) {
            do {
                ReadGroup(d.params);
            } while (TryChar(";"));
            Expect(")");
        }
        if (TryChar(":"))
            d.resultType = Ident();
        parser_.SkipBlanks();
        if (parser_.Position() <= parser_.Length())
            Fail();
        return d;
    }

private:
    void ReadGroup(std::vector<TfsDeclaredParam>& params) {
        bool byRef = false;
        std::string first = Ident();
        if (sameText(first, "var") || sameText(first, "const")) {
            byRef = sameText(first, "var");
            first = Ident();
        }
        std::vector<std::string> names{first};
        while (TryChar(","))
            names.push_back(Ident());
        Expect(":");
        const std::string type = Ident();
        if (type.empty())
            Fail();
        TfsDeclaredParam param{{}, type, byRef, false, Variant::null()};
        if (TryChar("=")) {
            param.hasDefault = true;
            param.defaultValue = DefaultValue();
        }
        for (const std::string& name : names) {
            if (name.empty())
                Fail();
            param.name = name;
            params.push_back(param);
        }
    }

    Variant DefaultValue() {
        const bool negative = TryChar("-");
        const std::string number = parser_.ReadNumber();
        if (!number.empty()) {
            const bool isInt = number.find_first_of(".eE") == std::string::npos || number[0] == '$';
            const double value =
                number[0] == '$' ? static_cast<double>(std::stoll(number.substr(1), nullptr, 16))
                                 : std::stod(number);
            return isInt ? Variant(static_cast<int>(negative ? -value : value))
                         : Variant(negative ? -value : value);
        }
        const std::string text = parser_.ReadString();
        if (!text.empty())
            return Variant(text.substr(1, text.size() - 2));
        const std::string word = Ident();
        if (sameText(word, "True") || sameText(word, "False"))
            return Variant(sameText(word, "True"));
        if (sameText(word, "nil"))
            return Variant(0);
        if (sameText(word, "Null"))
            return Variant::null();
        Fail();
    }

    std::string Ident() { return parser_.ReadIdent(); }
    bool TryChar(std::string_view c) {
        const int saved = parser_.Position();
        parser_.SkipBlanks();
        if (parser_.ReadChar() == c)
            return true;
        parser_.SetPosition(saved);
        return false;
    }
    void Expect(std::string_view c) {
        if (!TryChar(c))
            Fail();
    }
    [[noreturn]] void Fail() { raiseNamed("Invalid declaration: ", text_); }

    std::string_view text_;
    TfsParser parser_;
};

} // namespace

TfsDeclaration ParseDeclaration(std::string_view text) {
    return DeclarationReader(text).Read();
}

} // namespace rq::script
