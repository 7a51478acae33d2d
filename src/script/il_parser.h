// TfsILParser, first phase: interprets a language grammar over the source
// text with TfsParser and writes the intermediate program (IL) as an XML
// document of node and add elements, each with a "LINE:COL" pos attribute.
// Syntax errors do not raise: the first recorded error is kept with its
// position and BuildIL returns false.
#pragma once

#include "script/grammar.h"
#include "script/tokenizer.h"
#include "script/xml_document.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rq::script {

class TfsScript;

// Source text of a unit named in a uses clause.
using UnitReader = std::function<std::string(const std::string& unitName)>;

class TfsILParser {
public:
    // reader supplies unit texts; when empty, units are read from files.
    explicit TfsILParser(UnitReader reader = {});

    // Raises "Language '%s' not found".
    void SelectLanguage(std::string_view name);
    bool BuildIL(std::string_view source);
    // Turns the IL into the script's items and statements; errors are
    // stored in the script (message, IL position, unit).
    void BuildProgram(TfsScript& script);

    TfsXMLDocument& IL() { return il_; }
    const std::string& ErrorMessage() const { return error_.message; }
    const std::string& ErrorPos() const { return error_.position; }
    const std::string& ErrorUnit() const { return error_.unit; }
    bool NeedDeclareVars() const { return grammar_ ? grammar_->declareVars : true; }
    const std::string& LanguageName() const { return languageName_; }
    std::vector<std::string>& UnitsIncluded() { return unitsIncluded_; }
    TfsParser& Parser() { return parser_; }

    // Deeper grammar recursion than this is reported as a syntax error, so
    // that no input can exhaust the stack.
    static constexpr int kMaxDepth = 3000;
    // The largest unit file a uses clause reads (4 MiB).
    static constexpr std::uintmax_t kMaxUnitFileSize = 4u << 20;

private:
    struct RecordedError {
        bool recorded = false; // an error is held; later ones are ignored
        std::string message;   // text from the grammar's errors element
        std::string position;  // "LINE:COL" where the failing element began
        std::string unit;      // unit the error belongs to, "" = main text
        bool term = false;     // came from an element with term="1"
    };

    bool Match(const GrammarElement& e);
    bool MatchToken(const GrammarElement& e, std::string& token);
    bool MatchSwitch(const GrammarElement& e);
    bool MatchOptional(const GrammarElement& e, int start);
    bool MatchLoop(const GrammarElement& e, int start);
    void RecordError(const GrammarElement& e, int start);
    void Wrap(const GrammarElement& e, bool success, std::size_t k0, int start);
    void IncludeUnits(std::size_t k0);
    std::vector<std::string> IncludeUnit(const std::string& name);
    void WriteGetCall(const std::string& token);
    void WriteAdd(const GrammarElement& e, const std::string& token);

    std::shared_ptr<const Grammar> grammar_; // the selected language's grammar
    std::string languageName_;               // name given to SelectLanguage
    TfsParser parser_;                       // tokenizer over the source
    UnitReader unitReader_;                  // OnGetUnit of the owning script
    std::vector<std::string> lines_;         // IL collected one tag a line
    TfsXMLDocument il_;                      // the IL once BuildIL succeeded
    std::vector<std::string> unitsIncluded_; // unit names already included
    RecordedError error_;                    // the first syntax error
    int depth_ = 0;                          // current Match recursion depth
};

} // namespace rq::script
