// TfrxExpressionCache: the report's compile-once evaluation of expression
// texts. Texts differing only in letter case share one compiled function;
// the functions live in the cache's own ExpressionScript, whose parent is
// the report's ProgramScript.
#pragma once

#include "script/expression_cache.h"

#include <map>
#include <memory>
#include <string>

namespace rq::report::engine {

class TfrxExpressionCache {
public:
    explicit TfrxExpressionCache(script::TfsScript& programScript);

    // The expression's value; Null and a non-empty error text ("Error in
    // expression 'E': message") when it does not compile. Run-time errors
    // of the compiled function propagate.
    base::Variant Calc(const std::string& expression, std::string& error);
    // Forgets every expression and empties the ExpressionScript; numbering
    // restarts at _f0.
    void Clear();
    // Compilations since creation or the last Clear (failed ones included).
    int Compilations() const { return cache_->Compilations(); }
    std::size_t Count() const { return texts_.size(); }

private:
    script::TfsScript& parent_;
    std::unique_ptr<script::TfsExpressionCache> cache_;
    std::map<std::string, std::string> texts_; // upper-case text -> the text compiled
};

} // namespace rq::report::engine
