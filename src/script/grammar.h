// A language grammar read from its XML text into a tree of elements whose
// attributes are looked up once, so that the interpreter walks plain structs
// instead of scanning raw attribute text for every match. The tree mirrors
// the XML one to one; nothing is precomputed beyond the attribute values.
#pragma once

#include "script/xml_document.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rq::script {

enum class ElementKind {
    Rule,           // a child of the grammar root: matched by its children
    Char,           // one punctuation character
    Keyword,        // an identifier, keywords included
    Ident,          // an identifier that is not a keyword
    Number,         // a number literal
    String,         // a string literal with character codes
    FrString,       // the text of a <...> bracket, turned into a Get call
    Eol,            // one or more line ends
    Sequence,       // all children in order
    Switch,         // the first child that matches
    OptionalSwitch, // like Switch, never fails
    Optional,       // all children or none, never fails
    Loop,           // children repeated, at least once
    OptionalLoop,   // children repeated, maybe never
    Reference,      // the rule of the element's name
};

struct GrammarElement {
    ElementKind kind = ElementKind::Sequence;
    std::string name;    // element name in lower case
    std::string text;    // token text to require, or a loop's separator
    std::string node;    // IL element enclosing this element's output
    std::string add;     // IL element written after the token
    std::string addText; // text of the add element instead of the token
    bool hasAddText = false;
    std::string err;         // key of the error message, "" = none
    bool noSkip = false;     // skip="0": a char element does not skip blanks
    bool skipClears = false; // skip="1": a loop clears the recorded error
    bool term = false;       // term="1": a loop may clear this element's error
    std::vector<const GrammarElement*> children;
    const GrammarElement* rule = nullptr; // target of a reference, null if none
};

struct Grammar {
    std::vector<std::unique_ptr<GrammarElement>> elements;     // owns every element
    const GrammarElement* program = nullptr;                   // the rule parsing starts with
    std::vector<std::pair<std::string, std::string>> settings; // tokenizer settings
    std::vector<std::string> keywords;
    std::map<std::string, std::string> errors; // lower-case key -> message
    bool declareVars = true;                   // "declarevars" "0" allows undeclared variables
    TfsXMLDocument types;                      // the types element, copied into every IL
};

// Reads a grammar text; raises "Invalid file format" for malformed XML.
std::shared_ptr<const Grammar> ParseGrammar(std::string_view text);

// The language registry: name = grammar text pairs, the built-in grammars
// registered on first use. Registering a present name does nothing.
void RegisterLanguage(const std::string& name, std::string grammarText);
// Raises "Language '%s' not found".
const std::string& LanguageGrammar(std::string_view name);
// The parsed grammar of a registered language, read once and shared.
std::shared_ptr<const Grammar> LanguageGrammarTree(std::string_view name);

// The PascalScript grammar as stored.
std::string_view PascalScriptGrammar();

} // namespace rq::script
