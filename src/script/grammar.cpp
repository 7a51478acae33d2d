// Grammar reading and the language registry.
#include "script/grammar.h"

#include "base/text1250.h"
#include "script/errors.h"

#include <deque>
#include <unordered_map>

namespace rq::script {

using rq::base::lowerCase;

namespace {

struct KindName {
    std::string_view name;
    ElementKind kind;
};

constexpr KindName kKinds[] = {
    {"char", ElementKind::Char},
    {"keyword", ElementKind::Keyword},
    {"ident", ElementKind::Ident},
    {"number", ElementKind::Number},
    {"string", ElementKind::String},
    {"frstring", ElementKind::FrString},
    {"eol", ElementKind::Eol},
    {"sequence", ElementKind::Sequence},
    {"switch", ElementKind::Switch},
    {"optionalswitch", ElementKind::OptionalSwitch},
    {"optional", ElementKind::Optional},
    {"loop", ElementKind::Loop},
    {"optionalloop", ElementKind::OptionalLoop},
};

ElementKind KindOf(const std::string& lowerName) {
    for (const KindName& k : kKinds) {
        if (k.name == lowerName)
            return k.kind;
    }
    return ElementKind::Reference;
}

class GrammarReader {
public:
    explicit GrammarReader(Grammar& grammar) : grammar_(grammar) {}

    void Read(const TfsXMLItem& root) {
        for (int i = 0; i < root.Count(); ++i) {
            GrammarElement* rule = Element(root[i], true);
            rules_.try_emplace(rule->name, rule);
        }
        for (const auto& element : grammar_.elements) {
            if (element->kind == ElementKind::Reference) {
                const auto found = rules_.find(element->name);
                element->rule = found == rules_.end() ? nullptr : found->second;
            }
        }
        const auto program = rules_.find("program");
        grammar_.program = program == rules_.end() ? nullptr : program->second;
    }

private:
    GrammarElement* Element(const TfsXMLItem& item, bool isRule) {
        grammar_.elements.push_back(std::make_unique<GrammarElement>());
        GrammarElement& e = *grammar_.elements.back();
        e.name = lowerCase(item.Name());
        e.kind = isRule ? ElementKind::Rule : KindOf(e.name);
        e.text = item.Prop("text");
        e.node = lowerCase(item.Prop("node"));
        e.add = item.Prop("add");
        e.hasAddText = item.HasProp("addtext");
        e.addText = item.Prop("addtext");
        e.err = lowerCase(item.Prop("err"));
        const std::string skip = item.Prop("skip");
        e.noSkip = skip == "0";
        e.skipClears = skip == "1";
        e.term = item.Prop("term") == "1";
        for (int i = 0; i < item.Count(); ++i)
            e.children.push_back(Element(item[i], false));
        return &e;
    }

    Grammar& grammar_;
    std::unordered_map<std::string, GrammarElement*> rules_; // first rule of each name
};

void ReadParserSettings(const TfsXMLItem& root, Grammar& grammar) {
    const int parserIndex = root.Find("parser");
    if (parserIndex < 0)
        return;
    const TfsXMLItem& parser = root[parserIndex];
    for (int i = 0; i < parser.Count(); ++i) {
        const TfsXMLItem& item = parser[i];
        const std::string name = lowerCase(item.Name());
        if (name == "keywords") {
            for (int k = 0; k < item.Count(); ++k)
                grammar.keywords.push_back(item[k].Name());
        } else if (name == "errors") {
            for (int k = 0; k < item.Count(); ++k)
                grammar.errors[lowerCase(item[k].Name())] = item[k].Prop("text");
        } else if (name == "declarevars") {
            grammar.declareVars = item.Prop("text") != "0";
        } else {
            grammar.settings.emplace_back(name, item.Prop("text"));
        }
    }
}

} // namespace

std::shared_ptr<const Grammar> ParseGrammar(std::string_view text) {
    auto grammar = std::make_shared<Grammar>();
    TfsXMLDocument document;
    document.LoadFromString(text);
    const TfsXMLItem& root = document.Root();
    ReadParserSettings(root, *grammar);
    GrammarReader(*grammar).Read(root);
    grammar->types.Root().SetName("types");
    const int types = root.Find("types");
    if (types >= 0) {
        for (int i = 0; i < root[types].Count(); ++i)
            grammar->types.Root().AddCopy(root[types][i]);
    }
    return grammar;
}

namespace {

struct Language {
    std::string name;                            // as registered
    std::string grammarText;                     // the XML text
    mutable std::shared_ptr<const Grammar> tree; // read on first use
};

// A deque keeps references to registered languages valid while others are added.
std::deque<Language>& Registry() {
    static std::deque<Language> languages = [] {
        std::deque<Language> list;
        list.push_back({"PascalScript", std::string(PascalScriptGrammar()), nullptr});
        return list;
    }();
    return languages;
}

const Language& FindLanguage(std::string_view name) {
    for (const Language& language : Registry()) {
        if (rq::base::sameText(language.name, name))
            return language;
    }
    raiseScriptError("Language '" + std::string(name) + "' not found");
}

} // namespace

void RegisterLanguage(const std::string& name, std::string grammarText) {
    for (const Language& language : Registry()) {
        if (rq::base::sameText(language.name, name))
            return;
    }
    Registry().push_back({name, std::move(grammarText), nullptr});
}

const std::string& LanguageGrammar(std::string_view name) {
    return FindLanguage(name).grammarText;
}

std::shared_ptr<const Grammar> LanguageGrammarTree(std::string_view name) {
    const Language& language = FindLanguage(name);
    if (!language.tree)
        language.tree = ParseGrammar(language.grammarText);
    return language.tree;
}

} // namespace rq::script
