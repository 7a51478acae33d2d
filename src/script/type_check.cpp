// The static type check of expressions and assignments: which types go
// together, which operators a type admits, the type an operator yields and
// the integer and Boolean fast paths it may take.
#include "base/text1250.h"
#include "script/errors.h"
#include "script/program_builder.h"

namespace rq::script {

using rq::base::sameText;

bool ProgramBuilder::Compatible(const TfsTypeInfo& l, const TfsTypeInfo& r) const {
    using T = TfsVarType;
    const T rc = r.code;
    switch (l.code) {
    case T::Integer:
        return rc == T::Integer || rc == T::Extended || rc == T::Variant || rc == T::Enum;
    case T::Boolean:
        return rc == T::Boolean || rc == T::Variant;
    case T::Extended:
        return rc == T::Integer || rc == T::Extended || rc == T::Variant;
    case T::Char:
    case T::String:
        return rc == T::Char || rc == T::String || rc == T::Variant;
    case T::Class: {
        if (rc == T::Variant)
            return true;
        const TfsClassVariable* rightClass = rc == T::Class ? script_.FindClass(r.name) : nullptr;
        return rightClass != nullptr && rightClass->InheritsFrom(l.name);
    }
    case T::Array:
        return rc == T::Array || rc == T::Variant;
    case T::Enum:
        return rc == T::Integer || rc == T::Variant || (rc == T::Enum && sameText(l.name, r.name));
    default:
        return true;
    }
}

void ProgramBuilder::CheckAssignable(const TfsTypeInfo& target, const TfsTypeInfo& value) {
    const bool narrowing = target.code == TfsVarType::Integer && value.code == TfsVarType::Extended;
    if (narrowing || !Compatible(target, value))
        raiseIncompatibleTypes(TypeText(target), TypeText(value));
}

TfsTypeInfo ProgramBuilder::Check(TfsExpressionNode& node) {
    auto* op = dynamic_cast<TfsOperatorNode*>(&node);
    if (op == nullptr)
        return node.type;
    // An operator the IL left without its operands (a loop of the grammar
    // that kept the operator of its failed last pass, as in "a + b + ;") or
    // a bracket never closed has nothing to evaluate.
    if (!node.left || (!IsUnary(op->Op()) && !node.right) || op->Op() == TfsOperator::LeftBracket)
        Fail(op->pos, "Expression expected");
    const TfsTypeInfo variant{TfsVarType::Variant, "Variant"};
    const TfsTypeInfo l = node.left ? Check(*node.left) : variant;
    const TfsTypeInfo r = node.right ? Check(*node.right) : variant;
    CheckOperator(*op, l, r);
    return node.type;
}

namespace {

bool IsComparison(TfsOperator op) {
    switch (op) {
    case TfsOperator::Greater:
    case TfsOperator::Less:
    case TfsOperator::LessEq:
    case TfsOperator::GreatEq:
    case TfsOperator::NonEq:
    case TfsOperator::Eq:
        return true;
    default:
        return false;
    }
}

// Operators a left operand of the given type admits.
bool Admits(TfsVarType left, TfsOperator op) {
    switch (left) {
    case TfsVarType::Boolean:
        return op == TfsOperator::NonEq || op == TfsOperator::Eq || op == TfsOperator::Or ||
               op == TfsOperator::Xor || op == TfsOperator::And || op == TfsOperator::Not;
    case TfsVarType::Char:
    case TfsVarType::String:
        return IsComparison(op) || op == TfsOperator::Plus || op == TfsOperator::In;
    case TfsVarType::Class:
    case TfsVarType::Array:
        return op == TfsOperator::NonEq || op == TfsOperator::Eq;
    default:
        return true;
    }
}

} // namespace

void ProgramBuilder::CheckOperator(TfsOperatorNode& node, const TfsTypeInfo& l,
                                   const TfsTypeInfo& r) {
    using T = TfsVarType;
    const TfsOperator op = node.Op();
    if (l.code == T::Integer && r.code == T::Integer)
        node.intFast = op == TfsOperator::Plus || op == TfsOperator::Minus ||
                       op == TfsOperator::Mul || op == TfsOperator::DivInt ||
                       op == TfsOperator::Mod;
    if (l.code == T::Boolean && r.code == T::Boolean)
        node.boolFast = op == TfsOperator::And || op == TfsOperator::Or;
    const bool classIs = op == TfsOperator::Is && l.code == T::Class && r.code == T::Class;
    if (!classIs && (!Compatible(l, r) || !Admits(l.code, op)))
        Fail(node.pos, "Incompatible types");
    node.type = l;
    if ((l.code == T::Integer && r.code == T::Extended) ||
        (l.code == T::Extended && r.code == T::Integer))
        node.type = {T::Extended, "Extended"};
    if (IsComparison(op) || op == TfsOperator::In || op == TfsOperator::Is)
        node.type = {T::Boolean, "Boolean"};
    // "/" is a real division whatever its operands: typing it Integer would
    // send "1 + 1 / 4" through the 32-bit path.
    if (op == TfsOperator::DivFloat)
        node.type = {T::Extended, "Extended"};
}

TfsTypeInfo ProgramBuilder::ResolveType(const std::string& name, TfsScript& scope) const {
    const auto alias = aliases_.find(rq::base::upperCase(name));
    return scope.ResolveType(alias == aliases_.end() ? name : alias->second);
}

} // namespace rq::script
