// The expression cache: one function per distinct expression text.
#include "script/expression_cache.h"

#include "script/errors.h"
#include "script/routine.h"

namespace rq::script {

TfsExpressionCache::TfsExpressionCache(TfsScript& parent) : script_(&parent) {}

bool TfsExpressionCache::Prepare(const std::string& text) {
    if (cache_.count(text) != 0)
        return true;
    // Numbered by compilations, not by cached texts: a failed compilation
    // may leave its function declared, and the next text must not collide.
    const std::string name = "_f" + std::to_string(compilations_);
    script_.SyntaxType = "PascalScript";
    script_.Lines = {"function " + name + ": Variant; begin Result := " + text +
                     " end; begin end."};
    ++compilations_;
    if (!script_.Compile())
        return false;
    auto* proc = dynamic_cast<TfsProcVariable*>(script_.FindLocal(name));
    if (proc == nullptr)
        return false;
    cache_.emplace(text, proc);
    return true;
}

Variant TfsExpressionCache::Calc(const std::string& text) {
    if (!Prepare(text))
        return Variant::null();
    Variant value;
    cache_.at(text)->Read(Variant(), value);
    return value;
}

void TfsExpressionCache::Clear() {
    cache_.clear();
    script_.Clear();
}

} // namespace rq::script
