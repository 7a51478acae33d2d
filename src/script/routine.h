// TfsProcVariable: a procedure or function declared in a script. Its
// parameters, locals and Result live in its own local script, whose parent
// is the declaring script.
#pragma once

#include "script/items.h"

#include <memory>
#include <vector>

namespace rq::script {

class TfsScript;

class TfsProcVariable : public TfsCustomVariable {
public:
    TfsProcVariable(std::string name, TfsTypeInfo type, bool isFunction, TfsScript& parent);
    ~TfsProcVariable() override;

    // Runs the routine on the values already in its parameters; a function
    // gives its Result, a procedure null.
    void Read(const Variant& instance, Variant& out) override;

    bool IsFunction() const { return isFunction_; }
    bool IsRunning() const { return running_; }
    TfsScript& Prog() const { return *prog_; }
    TfsCustomVariable* ResultVar() const { return result_; }
    void SetResultVar(TfsCustomVariable* result) { result_ = result; }

    // A routine that calls itself keeps its caller's parameters, locals and
    // Result: the call saves them before the arguments are written and
    // restores them afterwards.
    std::vector<Variant> SaveLocals() const;
    void RestoreLocals(std::vector<Variant>& saved);

private:
    bool isFunction_;
    bool running_ = false;            // a call is in progress (recursion saves locals)
    std::unique_ptr<TfsScript> prog_; // local scope: parameters, locals, Result
    TfsCustomVariable* result_ = nullptr;
};

} // namespace rq::script
