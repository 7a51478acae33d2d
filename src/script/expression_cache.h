// Evaluation of expression texts the way a report does it: each distinct
// text is compiled once into a function "_fN" returning Variant in a script
// of its own, then only the function is read again.
#pragma once

#include "script/script.h"

#include <string>
#include <unordered_map>

namespace rq::script {

class TfsProcVariable;

class TfsExpressionCache {
public:
    // parent: the script whose items the expressions see (its chain should
    // end at the global library).
    explicit TfsExpressionCache(TfsScript& parent);

    // Compiles text when it is new; false on a compile error, which
    // ErrorMsg/ErrorPos then describe.
    bool Prepare(const std::string& text);
    // The value of a prepared expression; run-time errors propagate.
    Variant Calc(const std::string& text);
    const std::string& ErrorMsg() const { return script_.ErrorMsg(); }
    const std::string& ErrorPos() const { return script_.ErrorPos(); }
    void Clear();
    std::size_t Size() const { return cache_.size(); }
    // How many compilations ran (for tests of compile-once).
    int Compilations() const { return compilations_; }

private:
    TfsScript script_; // accumulates one function per expression
    std::unordered_map<std::string, TfsProcVariable*> cache_;
    int compilations_ = 0;
};

} // namespace rq::script
