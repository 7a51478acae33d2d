// Expression trees. Each node writes its value into the caller's Variant;
// nodes typed Integer or Boolean also answer EvalInt/EvalBool without a
// Variant, which is how the 32-bit fast path and the short-circuit Boolean
// path run without temporaries. Nothing allocates while evaluating, apart
// from what the values themselves (strings, arrays) need.
#pragma once

#include "base/variant.h"
#include "script/script_types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rq::script {

using rq::base::Variant;

class TfsDesignator;
class TfsSetExpression;
class TfsProcVariable;

// Operators by their upper-case text; the builder maps IL op texts here.
enum class TfsOperator {
    None,
    Greater,
    Less,
    LessEq,
    GreatEq,
    NonEq,
    Eq,
    In,
    Is,
    Plus,
    StrCat,
    Minus,
    Or,
    Xor,
    Mul,
    DivFloat,
    DivInt,
    Mod,
    And,
    Shl,
    Shr,
    Not,
    UnMinus,
    LeftBracket,
    RightBracket,
};

class TfsExpressionNode {
public:
    virtual ~TfsExpressionNode();
    virtual void Eval(Variant& out) = 0;
    virtual std::int32_t EvalInt();
    virtual bool EvalBool();
    // Binding strength: smaller binds tighter; operands are 0.
    virtual int Priority() const { return 0; }
    virtual bool IsOperator() const { return false; }

    TfsTypeInfo type;                        // static type after the check
    std::string pos;                         // "LINE:COL" of the IL element
    std::unique_ptr<TfsExpressionNode> left; // first operand (the operand of a unary)
    std::unique_ptr<TfsExpressionNode> right;
    TfsExpressionNode* parent = nullptr;
};

// A literal value.
class TfsOperandNode : public TfsExpressionNode {
public:
    explicit TfsOperandNode(Variant value);
    void Eval(Variant& out) override { out = value_; }
    std::int32_t EvalInt() override;
    const Variant& Value() const { return value_; }

private:
    Variant value_;
    std::int32_t intValue_ = 0; // value_ as a 32-bit integer when typed Integer
};

// A script procedure named as an event handler ("@Proc" or 'Proc' assigned
// to a host event): the value event accessors receive. A null procedure
// detaches ("nil").
struct TfsHandlerRef : rq::base::Object {
    TfsProcVariable* proc = nullptr;
};

class TfsHandlerNode : public TfsExpressionNode {
public:
    explicit TfsHandlerNode(TfsProcVariable* proc) { ref_.proc = proc; }
    void Eval(Variant& out) override { out = Variant(static_cast<rq::base::Object*>(&ref_)); }

private:
    TfsHandlerRef ref_; // lives as long as the statement that assigns it
};

class TfsDesignatorNode : public TfsExpressionNode {
public:
    explicit TfsDesignatorNode(std::unique_ptr<TfsDesignator> designator);
    ~TfsDesignatorNode() override;
    void Eval(Variant& out) override;
    std::int32_t EvalInt() override;
    bool EvalBool() override;
    TfsDesignator& Designator() const { return *designator_; }

private:
    std::unique_ptr<TfsDesignator> designator_;
};

class TfsSetNode : public TfsExpressionNode {
public:
    explicit TfsSetNode(std::unique_ptr<TfsSetExpression> set);
    ~TfsSetNode() override;
    // A set used as a value: an array of its single values.
    void Eval(Variant& out) override;
    TfsSetExpression& Set() const { return *set_; }

private:
    std::unique_ptr<TfsSetExpression> set_;
};

class TfsOperatorNode : public TfsExpressionNode {
public:
    explicit TfsOperatorNode(TfsOperator op) : op_(op) {}
    TfsOperator Op() const { return op_; }
    int Priority() const override;
    bool IsOperator() const override { return true; }
    // Set by the type check: both operands Integer / both Boolean.
    bool intFast = false;
    bool boolFast = false;

private:
    TfsOperator op_;
};

// Makes the node class of an operator.
std::unique_ptr<TfsOperatorNode> MakeOperatorNode(TfsOperator op);
// "not" and the unary minus: operators of one operand (the left one).
inline bool IsUnary(TfsOperator op) {
    return op == TfsOperator::Not || op == TfsOperator::UnMinus;
}
// The operator of an IL op text (any case); None for an unknown text.
TfsOperator OperatorOfText(const std::string& text);

// A whole expression: the tree and its result type.
class TfsExpression {
public:
    explicit TfsExpression(std::unique_ptr<TfsExpressionNode> root);
    ~TfsExpression();
    void Eval(Variant& out) { root_->Eval(out); }
    Variant Value() {
        Variant v;
        root_->Eval(v);
        return v;
    }
    std::int32_t EvalInt() { return root_->EvalInt(); }
    bool EvalBool() { return root_->EvalBool(); }
    const TfsTypeInfo& Type() const { return root_->type; }
    TfsExpressionNode& Root() const { return *root_; }
    std::unique_ptr<TfsExpressionNode> ReleaseRoot() { return std::move(root_); }
    // The designator when the expression is nothing else, else null.
    TfsDesignator* AsDesignator() const;
    bool IsReadOnly() const;

private:
    std::unique_ptr<TfsExpressionNode> root_;
};

// A set constructor: single values and ranges, for "in" and case selectors.
class TfsSetExpression {
public:
    struct Entry {
        std::unique_ptr<TfsExpression> low;
        std::unique_ptr<TfsExpression> high; // null for a single value
    };
    std::vector<Entry> entries;
    bool Contains(const Variant& value);
};

} // namespace rq::script
