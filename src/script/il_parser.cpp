// The grammar interpreter: matches grammar elements against the source with
// backtracking by position, and collects IL lines. A node attribute encloses
// an element's output in an IL element; an add attribute writes one empty
// element after the token.
#include "script/il_parser.h"

#include "script/file_read.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "script/errors.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace rq::script {

using rq::base::sameText;

namespace {

// A grammar without a program rule, or with a reference to no rule.
[[noreturn]] void RaiseInvalidLanguage() {
    raiseScriptError("Invalid language definition");
}

// Thrown when the grammar recursion gets too deep; BuildIL turns it into a
// syntax error.
struct TooDeep {};

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) {
        if (++depth_ > TfsILParser::kMaxDepth)
            throw TooDeep{};
    }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

std::string Quoted(const std::string& value) {
    return "\"" + StrToXML(value) + "\"";
}

// A unit named in a uses clause is read from a regular file of at most
// TfsILParser::kMaxUnitFileSize bytes.
std::string ReadUnitFile(const std::string& name) {
    return ReadWholeFile(name, TfsILParser::kMaxUnitFileSize);
}

} // namespace

TfsILParser::TfsILParser(UnitReader reader) : unitReader_(std::move(reader)) {}

void TfsILParser::SelectLanguage(std::string_view name) {
    grammar_ = LanguageGrammarTree(name);
    languageName_ = name;
    parser_.Clear();
    for (const std::string& keyword : grammar_->keywords)
        parser_.AddKeyword(keyword);
    using Setter = void (*)(TfsParser&, const std::string&);
    struct Setting {
        std::string_view name;
        Setter apply;
    };
    static const Setting kSettings[] = {
        {"commentline1", [](TfsParser& p, const std::string& v) { p.SetCommentLine1(v); }},
        {"commentline2", [](TfsParser& p, const std::string& v) { p.SetCommentLine2(v); }},
        {"commentblock1", [](TfsParser& p, const std::string& v) { p.SetCommentBlock1(v); }},
        {"commentblock2", [](TfsParser& p, const std::string& v) { p.SetCommentBlock2(v); }},
        {"stringquotes", [](TfsParser& p, const std::string& v) { p.SetStringQuotes(v); }},
        {"hexsequence", [](TfsParser& p, const std::string& v) { p.SetHexSequence(v); }},
        {"identchars", [](TfsParser& p, const std::string& v) { p.SetIdentChars(v); }},
        {"skipeol", [](TfsParser& p, const std::string& v) { p.SetSkipEOL(v != "0"); }},
        {"skipchar", [](TfsParser& p, const std::string& v) { p.SetSkipChar(v); }},
    };
    for (const auto& [key, value] : grammar_->settings) {
        for (const Setting& setting : kSettings) {
            if (setting.name == key)
                setting.apply(parser_, value);
        }
    }
}

bool TfsILParser::BuildIL(std::string_view source) {
    parser_.SetText(source);
    lines_.clear();
    error_ = {};
    if (source.size() >= 9 && sameText(source.substr(0, 9), "#language")) {
        const std::size_t lineEnd = source.find_first_of("\r\n");
        SelectLanguage(
            rq::base::trim(source.substr(9, lineEnd == source.npos ? source.npos : lineEnd - 9)));
        parser_.SetText(source);
        const std::size_t lf = source.find('\n');
        parser_.SetPosition(lf == source.npos ? static_cast<int>(source.size()) + 1
                                              : static_cast<int>(lf) + 2);
    }
    if (!grammar_)
        SelectLanguage("PascalScript");
    if (!grammar_->program)
        RaiseInvalidLanguage();
    bool matched = false;
    try {
        matched = Match(*grammar_->program);
    } catch (const TooDeep&) {
        error_ = {true, "Stack overflow", parser_.PositionText(), {}, false};
    }
    if (!matched || error_.recorded) {
        if (!error_.recorded)
            error_ = {true, {}, parser_.PositionText(), {}, false};
        return false;
    }
    std::string text = "<?xml version=\"1.0\"?>\n<program>\n";
    for (const std::string& line : lines_)
        text += line + '\n';
    text += "</program>\n";
    il_.LoadFromString(text);
    il_.Root().AddCopy(grammar_->types.Root());
    return true;
}

bool TfsILParser::Match(const GrammarElement& e) {
    DepthGuard guard(depth_);
    const int start = parser_.Position();
    const std::size_t k0 = lines_.size();
    std::string token;
    bool accepted = true;
    switch (e.kind) {
    case ElementKind::Switch:
    case ElementKind::OptionalSwitch:
        return MatchSwitch(e);
    case ElementKind::Optional:
        return MatchOptional(e, start);
    case ElementKind::Loop:
    case ElementKind::OptionalLoop:
        return MatchLoop(e, start);
    case ElementKind::Rule:
    case ElementKind::Sequence:
        break;
    case ElementKind::Eol:
        accepted = parser_.SkipLineEnds();
        break;
    case ElementKind::Reference:
        if (e.rule == nullptr)
            RaiseInvalidLanguage();
        accepted = Match(*e.rule);
        break;
    default:
        accepted = MatchToken(e, token);
    }
    if (!accepted) {
        RecordError(e, start);
        parser_.SetPosition(start);
        return false;
    }
    const bool isRule = e.kind == ElementKind::Rule;
    if (!isRule)
        Wrap(e, true, k0, start);
    if (!e.add.empty())
        WriteAdd(e, token);
    bool ok = true;
    for (const GrammarElement* child : e.children) {
        if (!Match(*child)) {
            ok = false;
            break;
        }
    }
    if (!ok)
        parser_.SetPosition(start);
    if (isRule)
        Wrap(e, ok, k0, start);
    return ok;
}

bool TfsILParser::MatchToken(const GrammarElement& e, std::string& token) {
    switch (e.kind) {
    case ElementKind::Char:
        if (!e.noSkip)
            parser_.SkipBlanks();
        token = parser_.ReadChar();
        break;
    case ElementKind::Keyword:
        token = parser_.ReadIdent();
        break;
    case ElementKind::Ident:
        token = parser_.ReadWord();
        break;
    case ElementKind::Number:
        token = parser_.ReadNumber();
        break;
    case ElementKind::String:
        token = parser_.ReadString();
        break;
    default: // FrString
        token = parser_.ReadBracketed();
        WriteGetCall(token);
        break;
    }
    return !token.empty() && (e.text.empty() || sameText(token, e.text));
}

bool TfsILParser::MatchSwitch(const GrammarElement& e) {
    const int start = parser_.Position();
    for (const GrammarElement* child : e.children) {
        if (Match(*child))
            return true;
    }
    if (e.kind == ElementKind::OptionalSwitch)
        return true;
    RecordError(e, start);
    return false;
}

bool TfsILParser::MatchOptional(const GrammarElement& e, int start) {
    for (const GrammarElement* child : e.children) {
        if (!Match(*child)) {
            parser_.SetPosition(start);
            break;
        }
    }
    return true;
}

// Iterations run until one fails, the separator is missing or nothing moved.
// Two or more iterations make a success whatever the last one did; the
// position stays where the last iteration's children ended, so a separator
// before a failed iteration is consumed (as in "case ... 2: b; else c end").
bool TfsILParser::MatchLoop(const GrammarElement& e, int start) {
    int iterations = 0;
    bool lastOk = false;
    for (;;) {
        const int iterationStart = parser_.Position();
        ++iterations;
        lastOk = true;
        for (const GrammarElement* child : e.children) {
            if (!Match(*child)) {
                lastOk = false;
                break;
            }
        }
        if (!lastOk)
            break;
        const int childrenEnd = parser_.Position();
        if (!e.text.empty()) {
            parser_.SkipBlanks();
            if (parser_.ReadChar() != e.text) {
                parser_.SetPosition(childrenEnd);
                break;
            }
        }
        if (parser_.Position() == iterationStart)
            break;
    }
    if (iterations >= 2) {
        if (error_.recorded && (e.skipClears || error_.term))
            error_ = {};
        return true;
    }
    if (lastOk)
        return true;
    parser_.SetPosition(start);
    return e.kind == ElementKind::OptionalLoop;
}

void TfsILParser::RecordError(const GrammarElement& e, int start) {
    if (e.err.empty() || error_.recorded)
        return;
    const auto message = grammar_->errors.find(e.err);
    const int saved = parser_.Position();
    parser_.SetPosition(start);
    parser_.SkipBlanks();
    error_ = {true,
              message == grammar_->errors.end() ? e.err : message->second,
              parser_.PositionText(),
              {},
              e.term};
    parser_.SetPosition(saved);
}

void TfsILParser::Wrap(const GrammarElement& e, bool success, std::size_t k0, int start) {
    if (e.node.empty())
        return;
    if (e.node == "uses")
        IncludeUnits(k0);
    if (!success) {
        lines_.resize(std::min(k0, lines_.size()));
        return;
    }
    const int saved = parser_.Position();
    parser_.SetPosition(start);
    parser_.SkipBlanks();
    const std::string position = parser_.PositionText();
    parser_.SetPosition(saved);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(k0),
                  "<" + e.node + " pos=\"" + position + "\">");
    lines_.push_back("</" + e.node + ">");
}

void TfsILParser::WriteAdd(const GrammarElement& e, const std::string& token) {
    lines_.push_back("<" + e.add + " text=" + Quoted(e.hasAddText ? e.addText : token) + " pos=\"" +
                     parser_.PositionText() + "\"/>");
}

// The bracket syntax <text> becomes the call Get('text').
void TfsILParser::WriteGetCall(const std::string& token) {
    const std::string pos = " pos=\"" + parser_.PositionText() + "\"";
    lines_.push_back("<dsgn" + pos + ">");
    lines_.push_back("<node text=\"Get\"" + pos + "/>");
    lines_.push_back("<expr" + pos + ">");
    lines_.push_back("<string text=" + Quoted("'" + token + "'") + pos + "/>");
    lines_.push_back("</expr>");
    lines_.push_back("</dsgn>");
}

// Every line written since k0 is a file line naming a unit; each is replaced
// by the unit's IL (or removed when the unit is already included).
void TfsILParser::IncludeUnits(std::size_t k0) {
    for (std::size_t i = lines_.size(); i-- > k0;) {
        TfsXMLDocument line;
        line.LoadFromString("<?xml?>" + lines_[i]);
        std::string name = line.Root().Prop("text");
        if (name.size() >= 2)
            name = name.substr(1, name.size() - 2);
        std::vector<std::string> unit = IncludeUnit(name);
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(i), unit.begin(), unit.end());
    }
}

std::vector<std::string> TfsILParser::IncludeUnit(const std::string& name) {
    for (const std::string& included : unitsIncluded_) {
        if (sameText(included, name))
            return {};
    }
    unitsIncluded_.push_back(name);
    const std::string text = unitReader_ ? unitReader_(name) : ReadUnitFile(name);
    TfsILParser unit(unitReader_);
    unit.unitsIncluded_ = unitsIncluded_;
    // Units including units share one depth budget: a chain of them is as
    // deep on the stack as the nesting inside one text.
    unit.depth_ = depth_;
    unit.SelectLanguage(languageName_);
    if (!unit.BuildIL(text)) {
        if (!error_.recorded) {
            error_ = unit.error_;
            if (error_.unit.empty())
                error_.unit = name;
        }
        return {};
    }
    unitsIncluded_ = unit.unitsIncluded_;
    std::vector<std::string> lines;
    lines.push_back("<uses unit=" + Quoted(name) + ">");
    lines.insert(lines.end(), unit.lines_.begin(), unit.lines_.end());
    lines.push_back("</uses>");
    return lines;
}

} // namespace rq::script
