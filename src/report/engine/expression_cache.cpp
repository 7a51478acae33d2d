// The expression cache over the script library's compile-once helper: the
// helper keys texts exactly, so texts are first folded to the spelling that
// was compiled first.
#include "report/engine/expression_cache.h"

#include "base/letter_case.h"

namespace rq::report::engine {

TfrxExpressionCache::TfrxExpressionCache(script::TfsScript& programScript)
    : parent_(programScript), cache_(std::make_unique<script::TfsExpressionCache>(parent_)) {}

base::Variant TfrxExpressionCache::Calc(const std::string& expression, std::string& error) {
    error.clear();
    const std::string key = base::AnsiUpperCase(expression);
    auto found = texts_.find(key);
    if (found == texts_.end()) {
        if (!cache_->Prepare(expression)) {
            error = "Error in expression '" + expression + "': " + cache_->ErrorMsg();
            return base::Variant::null();
        }
        found = texts_.emplace(key, expression).first;
    }
    return cache_->Calc(found->second);
}

void TfrxExpressionCache::Clear() {
    texts_.clear();
    cache_ = std::make_unique<script::TfsExpressionCache>(parent_);
}

} // namespace rq::report::engine
