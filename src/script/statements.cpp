// Running statements. Loops stop on Break or Exit and clear Continue after
// each pass and Break at the end; try/finally runs its list with Exit
// cleared and restores it afterwards.
#include "script/statements.h"

#include "script/script.h"
#include "script/value_store.h"

#include <cstdint>
#include <exception>

namespace rq::script {

namespace base = rq::base;

TfsStatement::TfsStatement(TfsScript& script, std::string pos, std::string unit)
    : script_(&script), pos_(std::move(pos)), unit_(std::move(unit)) {}

TfsStatement::~TfsStatement() = default;

void TfsStatement::Exec() {
    script_->RunLine(unit_, pos_);
    if (!script_->CheckTerminated())
        Run();
}

void TfsStatementList::Run(TfsScript& script) {
    const RunFlags& flags = script.Flags();
    for (const auto& statement : list_) {
        if (flags.Terminated)
            return;
        statement->Exec();
        if (flags.StopsList())
            return;
    }
}

void TfsAssignmentStmt::Run() {
    Variant v;
    value->Eval(v);
    target->Write(std::move(v));
}

namespace {

bool IsWholeNumber(const Variant& v) {
    return v.type() == base::VarType::Integer || v.type() == base::VarType::Int64;
}

// Integer +, -, * as the variant operators compute them (Integer, Int64 when
// the result leaves 32 bits); false when the result leaves 64 bits too.
bool WholeNumberOp(TfsCompoundOp op, std::int64_t a, std::int64_t b, Variant& out) {
    std::int64_t r = 0;
    const bool overflow = op == TfsCompoundOp::Plus    ? __builtin_add_overflow(a, b, &r)
                          : op == TfsCompoundOp::Minus ? __builtin_sub_overflow(a, b, &r)
                                                       : __builtin_mul_overflow(a, b, &r);
    if (overflow)
        return false;
    StoreWholeNumber(out, r);
    return true;
}

Variant VariantOp(TfsCompoundOp op, const Variant& current, const Variant& operand) {
    switch (op) {
    case TfsCompoundOp::Plus:
        return base::add(current, operand);
    case TfsCompoundOp::Minus:
        return base::subtract(current, operand);
    case TfsCompoundOp::Mul:
        return base::multiply(current, operand);
    default:
        return base::divide(current, operand);
    }
}

} // namespace

// Works on the variable's stored value in place when it has one; whole
// numbers are combined without the general variant operators.
void TfsCompoundAssignStmt::Run() {
    if (!bound_) {
        TfsDesignator* d = value->AsDesignator();
        operandSlot_ = d != nullptr ? d->Slot() : nullptr;
        bound_ = true;
    }
    if (operandSlot_ != nullptr) {
        Combine(*operandSlot_);
        return;
    }
    Variant operand;
    value->Eval(operand);
    Combine(operand);
}

void TfsCompoundAssignStmt::Combine(const Variant& right) {
    if (Variant* slot = target->Slot()) {
        if (op_ != TfsCompoundOp::Div && IsWholeNumber(*slot) && IsWholeNumber(right) &&
            WholeNumberOp(op_, slot->toInt64(), right.toInt64(), *slot))
            return;
        *slot = VariantOp(op_, *slot, right);
        return;
    }
    Variant current;
    target->Read(current);
    target->Write(VariantOp(op_, current, right));
}

void TfsCallStmt::Run() {
    Variant ignored;
    designator->Read(ignored);
}

void TfsIfStmt::Run() {
    if (condition->EvalBool())
        thenList.Run(*script_);
    else
        elseList.Run(*script_);
}

void TfsCaseStmt::Run() {
    Variant value;
    selector->Eval(value);
    for (TfsCaseSelector& s : selectors) {
        if (s.set->Contains(value)) {
            s.statements.Run(*script_);
            return;
        }
    }
    elseList.Run(*script_);
}

namespace {

// After a loop body: true when the loop must stop; Continue is consumed.
// Every pass asks whether the script was terminated or asked to stop, so
// that even a loop with an empty body ends on a stop request.
bool LoopStops(TfsScript& script) {
    RunFlags& flags = script.Flags();
    flags.Continue = false;
    return flags.Break || flags.Exit || script.CheckTerminated();
}

} // namespace

void TfsRepeatStmt::Run() {
    RunFlags& flags = script_->Flags();
    for (;;) {
        body.Run(*script_);
        if (LoopStops(*script_))
            break;
        if (condition->EvalBool() != inverse)
            break;
    }
    flags.Break = false;
}

void TfsWhileStmt::Run() {
    RunFlags& flags = script_->Flags();
    while (condition->EvalBool()) {
        body.Run(*script_);
        if (LoopStops(*script_))
            break;
    }
    flags.Break = false;
}

void TfsForStmt::Run() {
    RunFlags& flags = script_->Flags();
    const std::int32_t from = begin->EvalInt();
    const std::int32_t to = end->EvalInt();
    Variant* slot = variable->Slot();
    const std::int64_t step = down ? -1 : 1;
    for (std::int64_t i = from; down ? i >= to : i <= to; i += step) {
        if (slot != nullptr)
            StoreInt(*slot, static_cast<std::int32_t>(i));
        else
            variable->Write(Variant(), Variant(static_cast<int>(i)));
        body.Run(*script_);
        if (LoopStops(*script_))
            break;
    }
    flags.Break = false;
}

void TfsTryStmt::Run() {
    if (isExcept) {
        try {
            body.Run(*script_);
        } catch (const std::exception&) {
            handler.Run(*script_);
        }
        return;
    }
    RunFlags& flags = script_->Flags();
    auto runFinally = [&] {
        const bool exit = flags.Exit;
        flags.Exit = false;
        handler.Run(*script_);
        flags.Exit = flags.Exit || exit;
    };
    try {
        body.Run(*script_);
    } catch (...) {
        runFinally();
        throw;
    }
    runFinally();
}

void TfsBreakStmt::Run() {
    script_->Flags().Break = true;
}

void TfsContinueStmt::Run() {
    script_->Flags().Continue = true;
}

void TfsExitStmt::Run() {
    script_->Flags().Exit = true;
}

void TfsWithStmt::Run() {
    Variant object;
    designator->Read(object);
    hidden->SetValue(std::move(object));
    body.Run(*script_);
}

} // namespace rq::script
