// Expression nodes: one class per operator. The integer fast path computes
// in 32 bits and wraps on overflow; the Boolean fast path of "and"/"or"
// evaluates the right operand only when it decides the result.
#include "script/expression.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "script/designator.h"
#include "script/items.h"

#include <limits>
#include <vector>

namespace rq::script {

namespace base = rq::base;
using base::VarCompare;
using base::VarType;

// Children are taken out before each node goes, so that a tree of any depth
// is released without recursion.
TfsExpressionNode::~TfsExpressionNode() {
    std::vector<std::unique_ptr<TfsExpressionNode>> work;
    auto takeChildren = [&work](TfsExpressionNode& node) {
        if (node.left)
            work.push_back(std::move(node.left));
        if (node.right)
            work.push_back(std::move(node.right));
    };
    takeChildren(*this);
    while (!work.empty()) {
        std::unique_ptr<TfsExpressionNode> node = std::move(work.back());
        work.pop_back();
        takeChildren(*node);
    }
}

std::int32_t TfsExpressionNode::EvalInt() {
    Variant v;
    Eval(v);
    return v.toInteger();
}

bool TfsExpressionNode::EvalBool() {
    Variant v;
    Eval(v);
    return v.toBoolean();
}

TfsOperandNode::TfsOperandNode(Variant value) : value_(std::move(value)) {
    if (value_.type() == VarType::Integer)
        intValue_ = value_.toInteger();
}

std::int32_t TfsOperandNode::EvalInt() {
    return value_.type() == VarType::Integer ? intValue_ : value_.toInteger();
}

TfsDesignatorNode::TfsDesignatorNode(std::unique_ptr<TfsDesignator> designator)
    : designator_(std::move(designator)) {}

TfsDesignatorNode::~TfsDesignatorNode() = default;

void TfsDesignatorNode::Eval(Variant& out) {
    designator_->Read(out);
}

std::int32_t TfsDesignatorNode::EvalInt() {
    if (const Variant* slot = designator_->Slot())
        return slot->toInteger();
    return TfsExpressionNode::EvalInt();
}

bool TfsDesignatorNode::EvalBool() {
    if (const Variant* slot = designator_->Slot())
        return slot->toBoolean();
    return TfsExpressionNode::EvalBool();
}

TfsSetNode::TfsSetNode(std::unique_ptr<TfsSetExpression> set) : set_(std::move(set)) {}

TfsSetNode::~TfsSetNode() = default;

void TfsSetNode::Eval(Variant& out) {
    base::VariantArray values;
    for (auto& entry : set_->entries)
        values.push_back(entry.low->Value());
    out = Variant::fromArray(std::move(values));
}

bool TfsSetExpression::Contains(const Variant& value) {
    Variant low, high;
    for (auto& entry : entries) {
        entry.low->Eval(low);
        if (!entry.high) {
            if (base::equals(value, low))
                return true;
            continue;
        }
        entry.high->Eval(high);
        if (base::compare(value, low) != VarCompare::Less &&
            base::compare(value, high) != VarCompare::Greater)
            return true;
    }
    return false;
}

TfsExpression::TfsExpression(std::unique_ptr<TfsExpressionNode> root) : root_(std::move(root)) {}

TfsExpression::~TfsExpression() = default;

TfsDesignator* TfsExpression::AsDesignator() const {
    auto* node = dynamic_cast<TfsDesignatorNode*>(root_.get());
    return node != nullptr ? &node->Designator() : nullptr;
}

bool TfsExpression::IsReadOnly() const {
    const TfsDesignator* designator = AsDesignator();
    return designator == nullptr || designator->readOnly;
}

namespace {

struct OperatorInfo {
    TfsOperator op;
    std::string_view text; // upper case
    int priority;
};

constexpr OperatorInfo kOperators[] = {
    {TfsOperator::None, "", 7},
    {TfsOperator::Greater, ">", 4},
    {TfsOperator::Less, "<", 4},
    {TfsOperator::LessEq, "<=", 4},
    {TfsOperator::GreatEq, ">=", 4},
    {TfsOperator::NonEq, "<>", 4},
    {TfsOperator::Eq, "=", 4},
    {TfsOperator::In, "IN", 4},
    {TfsOperator::Is, "IS", 4},
    {TfsOperator::Plus, "+", 3},
    {TfsOperator::StrCat, "STRCAT", 3},
    {TfsOperator::Minus, "-", 3},
    {TfsOperator::Or, "OR", 3},
    {TfsOperator::Xor, "XOR", 3},
    {TfsOperator::Mul, "*", 2},
    {TfsOperator::DivFloat, "/", 2},
    {TfsOperator::DivInt, "DIV", 2},
    {TfsOperator::Mod, "MOD", 2},
    {TfsOperator::And, "AND", 2},
    {TfsOperator::Shl, "SHL", 2},
    {TfsOperator::Shr, "SHR", 2},
    {TfsOperator::Not, "NOT", 1},
    {TfsOperator::UnMinus, "UNMINUS", 1},
    {TfsOperator::LeftBracket, "(", 6},
    {TfsOperator::RightBracket, ")", 5},
};
static_assert(std::size(kOperators) == static_cast<std::size_t>(TfsOperator::RightBracket) + 1);

std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Binary operators whose operands are both typed Integer compute here.
std::int32_t IntOp(TfsOperator op, std::int32_t a, std::int32_t b) {
    switch (op) {
    case TfsOperator::Plus:
        return Wrap(std::int64_t{a} + b);
    case TfsOperator::Minus:
        return Wrap(std::int64_t{a} - b);
    case TfsOperator::Mul:
        return Wrap(std::int64_t{a} * b);
    case TfsOperator::DivInt:
        if (b == 0)
            base::raiseDivByZero();
        return Wrap(std::int64_t{a} / b);
    default: // Mod
        if (b == 0)
            base::raiseDivByZero();
        return Wrap(std::int64_t{a} % b);
    }
}

// "+", "-", "*", "div", "mod": 32-bit when both sides are Integer.
class TArithmeticNode : public TfsOperatorNode {
public:
    using TfsOperatorNode::TfsOperatorNode;
    void Eval(Variant& out) override {
        if (intFast) {
            out = Variant(IntOp(Op(), left->EvalInt(), right->EvalInt()));
            return;
        }
        Variant a, b;
        left->Eval(a);
        right->Eval(b);
        out = Compute(a, b);
    }
    std::int32_t EvalInt() override {
        if (intFast)
            return IntOp(Op(), left->EvalInt(), right->EvalInt());
        return TfsOperatorNode::EvalInt();
    }

private:
    Variant Compute(const Variant& a, const Variant& b) const {
        switch (Op()) {
        case TfsOperator::Plus:
            return base::add(a, b);
        case TfsOperator::Minus:
            return base::subtract(a, b);
        case TfsOperator::Mul:
            return base::multiply(a, b);
        case TfsOperator::DivInt:
            return base::intDivide(a, b);
        default:
            return base::modulus(a, b);
        }
    }
};

class TPlusNode final : public TArithmeticNode {
public:
    TPlusNode() : TArithmeticNode(TfsOperator::Plus) {}
};
class TMinusNode final : public TArithmeticNode {
public:
    TMinusNode() : TArithmeticNode(TfsOperator::Minus) {}
};
class TMulNode final : public TArithmeticNode {
public:
    TMulNode() : TArithmeticNode(TfsOperator::Mul) {}
};
class TDivIntNode final : public TArithmeticNode {
public:
    TDivIntNode() : TArithmeticNode(TfsOperator::DivInt) {}
};
class TModNode final : public TArithmeticNode {
public:
    TModNode() : TArithmeticNode(TfsOperator::Mod) {}
};

// Binary operators always computed on variants.
template <TfsOperator kOp, Variant (*kFn)(const Variant&, const Variant&)>
class TVariantNode final : public TfsOperatorNode {
public:
    TVariantNode() : TfsOperatorNode(kOp) {}
    void Eval(Variant& out) override {
        Variant a, b;
        left->Eval(a);
        right->Eval(b);
        out = kFn(a, b);
    }
};

Variant StrCat(const Variant& a, const Variant& b) {
    return a.isString() ? base::concat(a, b) : base::add(a, b);
}

using TDivFloatNode = TVariantNode<TfsOperator::DivFloat, base::divide>;
using TXorNode = TVariantNode<TfsOperator::Xor, base::bitXor>;
using TShlNode = TVariantNode<TfsOperator::Shl, base::shiftLeft>;
using TShrNode = TVariantNode<TfsOperator::Shr, base::shiftRight>;
using TStrCatNode = TVariantNode<TfsOperator::StrCat, StrCat>;

// Comparisons answer a Boolean from the variant comparison; two integer
// values are compared directly.
template <TfsOperator kOp> class TCompareNode final : public TfsOperatorNode {
public:
    TCompareNode() : TfsOperatorNode(kOp) {}
    void Eval(Variant& out) override { out = Variant(EvalBool()); }
    bool EvalBool() override {
        Variant a, b;
        left->Eval(a);
        right->Eval(b);
        if (a.type() == VarType::Integer && b.type() == VarType::Integer)
            return Holds(a.toInteger() < b.toInteger()   ? VarCompare::Less
                         : a.toInteger() > b.toInteger() ? VarCompare::Greater
                                                         : VarCompare::Equal);
        if constexpr (kOp == TfsOperator::Eq)
            return base::equals(a, b);
        else if constexpr (kOp == TfsOperator::NonEq)
            return !base::equals(a, b);
        else
            return Holds(base::compare(a, b));
    }

private:
    static bool Holds(VarCompare c) {
        switch (kOp) {
        case TfsOperator::Greater:
            return c == VarCompare::Greater;
        case TfsOperator::Less:
            return c == VarCompare::Less;
        case TfsOperator::LessEq:
            return c != VarCompare::Greater;
        case TfsOperator::GreatEq:
            return c != VarCompare::Less;
        case TfsOperator::NonEq:
            return c != VarCompare::Equal;
        default:
            return c == VarCompare::Equal;
        }
    }
};

using TGreatNode = TCompareNode<TfsOperator::Greater>;
using TLessNode = TCompareNode<TfsOperator::Less>;
using TLessEqNode = TCompareNode<TfsOperator::LessEq>;
using TGreatEqNode = TCompareNode<TfsOperator::GreatEq>;
using TNonEqNode = TCompareNode<TfsOperator::NonEq>;
using TEqNode = TCompareNode<TfsOperator::Eq>;

// "and" / "or": short-circuit on Booleans, variant and/or otherwise.
template <TfsOperator kOp> class TLogicNode final : public TfsOperatorNode {
public:
    TLogicNode() : TfsOperatorNode(kOp) {}
    void Eval(Variant& out) override {
        if (boolFast) {
            out = Variant(EvalBool());
            return;
        }
        Variant a, b;
        left->Eval(a);
        right->Eval(b);
        out = kOp == TfsOperator::And ? base::bitAnd(a, b) : base::bitOr(a, b);
    }
    bool EvalBool() override {
        if (!boolFast)
            return TfsOperatorNode::EvalBool();
        const bool first = left->EvalBool();
        if (kOp == TfsOperator::And ? !first : first)
            return first;
        return right->EvalBool();
    }
};

using TAndNode = TLogicNode<TfsOperator::And>;
using TOrNode = TLogicNode<TfsOperator::Or>;

class TNotNode final : public TfsOperatorNode {
public:
    TNotNode() : TfsOperatorNode(TfsOperator::Not) {}
    void Eval(Variant& out) override {
        Variant a;
        left->Eval(a);
        out = base::logicalNot(a);
    }
    bool EvalBool() override {
        if (left->type.code == TfsVarType::Boolean)
            return !left->EvalBool();
        return TfsOperatorNode::EvalBool();
    }
};

class TUnMinusNode final : public TfsOperatorNode {
public:
    TUnMinusNode() : TfsOperatorNode(TfsOperator::UnMinus) {}
    void Eval(Variant& out) override {
        Variant a;
        left->Eval(a);
        out = base::negate(a);
    }
};

class TInNode final : public TfsOperatorNode {
public:
    TInNode() : TfsOperatorNode(TfsOperator::In) {}
    void Eval(Variant& out) override { out = Variant(EvalBool()); }
    bool EvalBool() override {
        Variant a;
        left->Eval(a);
        if (auto* set = dynamic_cast<TfsSetNode*>(right.get()))
            return set->Set().Contains(a);
        Variant b;
        right->Eval(b);
        if (!b.isArray())
            return base::equals(a, b);
        for (const Variant& element : b.elements()) {
            if (base::equals(a, element))
                return true;
        }
        return false;
    }
};

// "obj is TClass": the right side names a class item.
class TIsNode final : public TfsOperatorNode {
public:
    TIsNode() : TfsOperatorNode(TfsOperator::Is) {}
    void Eval(Variant& out) override { out = Variant(EvalBool()); }
    bool EvalBool() override {
        Variant a;
        left->Eval(a);
        auto* node = dynamic_cast<TfsDesignatorNode*>(right.get());
        if (node == nullptr)
            return false;
        auto* classItem = dynamic_cast<TfsClassVariable*>(node->Designator().items.back().ref);
        return classItem != nullptr && classItem->IsInstance(a.toObject());
    }
};

// Placeholders of the tree builder: the root and the brackets.
class TPlaceholderNode final : public TfsOperatorNode {
public:
    using TfsOperatorNode::TfsOperatorNode;
    void Eval(Variant& out) override {
        if (left)
            left->Eval(out);
        else
            out = Variant::null();
    }
};

template <class T> std::unique_ptr<TfsOperatorNode> Make(TfsOperator) {
    return std::make_unique<T>();
}

std::unique_ptr<TfsOperatorNode> MakePlaceholder(TfsOperator op) {
    return std::make_unique<TPlaceholderNode>(op);
}

using Factory = std::unique_ptr<TfsOperatorNode> (*)(TfsOperator);

// Indexed by TfsOperator.
constexpr Factory kFactories[] = {
    MakePlaceholder,    Make<TGreatNode>, Make<TLessNode>,    Make<TLessEqNode>,
    Make<TGreatEqNode>, Make<TNonEqNode>, Make<TEqNode>,      Make<TInNode>,
    Make<TIsNode>,      Make<TPlusNode>,  Make<TStrCatNode>,  Make<TMinusNode>,
    Make<TOrNode>,      Make<TXorNode>,   Make<TMulNode>,     Make<TDivFloatNode>,
    Make<TDivIntNode>,  Make<TModNode>,   Make<TAndNode>,     Make<TShlNode>,
    Make<TShrNode>,     Make<TNotNode>,   Make<TUnMinusNode>, MakePlaceholder,
    MakePlaceholder,
};
static_assert(std::size(kFactories) == std::size(kOperators));

} // namespace

int TfsOperatorNode::Priority() const {
    return kOperators[static_cast<std::size_t>(op_)].priority;
}

std::unique_ptr<TfsOperatorNode> MakeOperatorNode(TfsOperator op) {
    return kFactories[static_cast<std::size_t>(op)](op);
}

TfsOperator OperatorOfText(const std::string& text) {
    const std::string upper = base::upperCase(text);
    for (const OperatorInfo& info : kOperators) {
        if (info.op != TfsOperator::None && info.text == upper)
            return info.op;
    }
    return TfsOperator::None;
}

} // namespace rq::script
