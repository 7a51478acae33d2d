// IL expressions to trees, with operator precedence applied by climbing from
// the current node; operands (literals, designators, sets, constructor
// calls) are built here, their types checked in type_check.cpp.
#include "script/errors.h"
#include "script/program_builder.h"

#include <algorithm>
#include <charconv>

namespace rq::script {

namespace {

[[noreturn]] void RaiseExpressionExpected() {
    raiseScriptError("Expression expected");
}

// The slot of parent that holds child.
std::unique_ptr<TfsExpressionNode>& SlotOf(TfsExpressionNode& parent,
                                           const TfsExpressionNode* child) {
    return parent.left.get() == child ? parent.left : parent.right;
}

// Puts node into the first free child slot of current.
TfsExpressionNode* AttachFree(TfsExpressionNode& current, std::unique_ptr<TfsExpressionNode> node) {
    node->parent = &current;
    TfsExpressionNode* raw = node.get();
    if (!current.left)
        current.left = std::move(node);
    else if (!current.right)
        current.right = std::move(node);
    else
        RaiseExpressionExpected();
    return raw;
}

// The tree under construction: a root placeholder and the current node.
class TreeBuilder {
public:
    TreeBuilder() : root_(MakeOperatorNode(TfsOperator::None)), current_(root_.get()) {}

    void AddOperand(std::unique_ptr<TfsExpressionNode> node) {
        current_ = AttachFree(*current_, std::move(node));
    }

    void AddOperator(std::unique_ptr<TfsOperatorNode> node) {
        const TfsOperator op = node->Op();
        if (op == TfsOperator::LeftBracket || IsUnary(op)) {
            current_ = AttachFree(*current_, std::move(node));
        } else if (op == TfsOperator::RightBracket) {
            CloseBracket();
        } else {
            AddBinary(std::move(node));
        }
    }

    std::unique_ptr<TfsExpressionNode> Finish() {
        if (!root_->left)
            RaiseExpressionExpected();
        std::unique_ptr<TfsExpressionNode> top = std::move(root_->left);
        top->parent = nullptr;
        return top;
    }

private:
    // Climbs to the matching "(" and replaces it by its only child.
    void CloseBracket() {
        TfsExpressionNode* node = current_;
        while (node != nullptr && node->Priority() <= 5)
            node = node->parent;
        auto* bracket = dynamic_cast<TfsOperatorNode*>(node);
        if (bracket == nullptr || bracket->Op() != TfsOperator::LeftBracket || !bracket->left)
            RaiseExpressionExpected();
        TfsExpressionNode* parent = bracket->parent;
        std::unique_ptr<TfsExpressionNode> child = std::move(bracket->left);
        child->parent = parent;
        current_ = child.get();
        SlotOf(*parent, bracket) = std::move(child); // frees the bracket
    }

    // Climbs while the new operator binds as loosely as the node or looser,
    // then takes the place of the last node passed.
    void AddBinary(std::unique_ptr<TfsOperatorNode> op) {
        TfsExpressionNode* candidate = current_;
        TfsExpressionNode* node = current_->parent;
        auto* currentOp = dynamic_cast<TfsOperatorNode*>(current_);
        if (currentOp != nullptr && currentOp->Op() == TfsOperator::LeftBracket) {
            node = current_;
            candidate = current_->left.get();
        }
        if (node == nullptr || candidate == nullptr)
            RaiseExpressionExpected();
        while (node->parent != nullptr && op->Priority() >= node->Priority()) {
            candidate = node;
            node = node->parent;
        }
        std::unique_ptr<TfsExpressionNode>& slot = SlotOf(*node, candidate);
        op->left = std::move(slot);
        op->left->parent = op.get();
        op->parent = node;
        current_ = op.get();
        slot = std::move(op);
    }

    std::unique_ptr<TfsExpressionNode> root_; // TNoneNode placeholder
    TfsExpressionNode* current_;
};

// Whether a decimal number text outside the double range is below it (its
// first significant digit sits before the decimal point's position 0):
// digits and a decimal point, then an optional exponent.
bool TinyMagnitude(const std::string& text) {
    const std::size_t e = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        const char* from = text.data() + e + 1;
        if (*from == '+')
            ++from;
        const auto parsed = std::from_chars(from, text.data() + text.size(), exponent);
        if (parsed.ec == std::errc::result_out_of_range)
            exponent = *from == '-' ? -(1LL << 62) : (1LL << 62);
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return true;
    // Decimal order of the first significant digit.
    const long long order = first < point ? static_cast<long long>(point - first) - 1
                                          : -static_cast<long long>(first - point);
    return order + exponent < 0;
}

// A number literal: whole numbers (decimal or "$" hex) are 64-bit integer
// values typed Integer, so that shifts and products of literals work in 64
// bits (1 shl 31 is 2147483648); anything else is a float read with "." as
// decimal separator. A decimal whole number beyond 64 bits is a float too;
// a hex number beyond 64 bits and a float beyond the double range are
// errors, never some other value.
Variant NumberValue(const std::string& text, bool& isInteger) {
    std::int64_t whole = 0;
    const bool hex = !text.empty() && text[0] == '$';
    const char* begin = text.data() + (hex ? 1 : 0);
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(begin, end, whole, hex ? 16 : 10);
    if (parsed.ec == std::errc() && parsed.ptr == end && begin != end) {
        isInteger = true;
        return Variant::fromInt64(whole);
    }
    if (hex)
        raiseScriptError("'" + text + "' is not a valid integer value");
    isInteger = false;
    double value = 0;
    const auto real = std::from_chars(text.data(), end, value);
    if (real.ec == std::errc::result_out_of_range) {
        // Too small is zero, as in any arithmetic; too large has no value.
        if (!TinyMagnitude(text))
            raiseScriptError("'" + text + "' is not a valid floating point value");
        value = 0;
    }
    return Variant(value);
}

} // namespace

std::unique_ptr<TfsExpression> ProgramBuilder::BuildExpression(const TfsXMLItem& expr,
                                                               TfsScript& scope) {
    TreeBuilder tree;
    int operators = 0;
    // Nested expr elements are walked in place: an explicit stack of
    // (element, next child) keeps deep nesting off the call stack.
    std::vector<std::pair<const TfsXMLItem*, int>> stack{{&expr, 0}};
    while (!stack.empty()) {
        auto& [element, next] = stack.back();
        if (next >= element->Count()) {
            stack.pop_back();
            continue;
        }
        const TfsXMLItem& item = (*element)[next++];
        const IlElement kind = IlElementOf(item.Name());
        if (kind == IlElement::Expr) {
            stack.emplace_back(&item, 0);
            continue;
        }
        At(item, [&] {
            if (kind != IlElement::Op) {
                tree.AddOperand(Operand(item, scope));
                return;
            }
            const TfsOperator op = OperatorOfText(item.Prop("text"));
            if (op == TfsOperator::None)
                RaiseExpressionExpected();
            auto node = MakeOperatorNode(op);
            node->pos = item.Prop("pos");
            if (op != TfsOperator::LeftBracket && op != TfsOperator::RightBracket &&
                ++operators > kMaxOperators)
                Fail(node->pos, "Expression too complex");
            tree.AddOperator(std::move(node));
        });
    }
    auto result = At(expr, [&] { return std::make_unique<TfsExpression>(tree.Finish()); });
    Check(result->Root());
    return result;
}

std::unique_ptr<TfsExpressionNode> ProgramBuilder::Operand(const TfsXMLItem& item,
                                                           TfsScript& scope) {
    std::unique_ptr<TfsExpressionNode> node;
    switch (IlElementOf(item.Name())) {
    case IlElement::Number: {
        bool isInteger = false;
        Variant value = NumberValue(item.Prop("text"), isInteger);
        node = std::make_unique<TfsOperandNode>(std::move(value));
        node->type = isInteger ? TfsTypeInfo{TfsVarType::Integer, "Integer"}
                               : TfsTypeInfo{TfsVarType::Extended, "Extended"};
        break;
    }
    case IlElement::String: {
        const std::string text = item.Prop("text");
        node = std::make_unique<TfsOperandNode>(
            Variant(text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string()));
        node->type = {TfsVarType::String, "String"};
        break;
    }
    case IlElement::Dsgn:
        if (item.Count() > 0 && IlElementOf(item[0].Name()) == IlElement::Addr) {
            // "@Name": the name as text, which an event assignment resolves.
            const int first = item.Find(IlElementName(IlElement::Node));
            node = std::make_unique<TfsOperandNode>(
                Variant(first >= 0 ? item[first].Prop("text") : std::string()));
            node->type = {TfsVarType::String, "String"};
        } else {
            auto designator = BuildDesignator(item, scope);
            TfsTypeInfo type = designator->type;
            node = std::make_unique<TfsDesignatorNode>(std::move(designator));
            node->type = std::move(type);
        }
        break;
    case IlElement::Set:
        node = std::make_unique<TfsSetNode>(BuildSet(item, scope));
        node->type = {TfsVarType::Variant, "Variant"};
        break;
    case IlElement::New:
        node = NewOperand(item, scope);
        break;
    default:
        RaiseExpressionExpected();
    }
    node->pos = item.Prop("pos");
    return node;
}

// "new C(args)": a dsgn whose first name is the class, the constructor's
// arguments following it, further members after them.
std::unique_ptr<TfsExpressionNode> ProgramBuilder::NewOperand(const TfsXMLItem& item,
                                                              TfsScript& scope) {
    const int dsgn = item.Find(IlElementName(IlElement::Dsgn));
    const int first = dsgn >= 0 ? item[dsgn].Find(IlElementName(IlElement::Node)) : -1;
    auto* classItem =
        first >= 0 ? dynamic_cast<TfsClassVariable*>(scope.Find(item[dsgn][first].Prop("text")))
                   : nullptr;
    TfsCustomVariable* create = classItem != nullptr ? classItem->FindMember("Create") : nullptr;
    if (create == nullptr || create->Type() != TfsVarType::Constructor)
        Fail(item, "Class type required");
    auto designator = BuildDesignator(item[dsgn], scope, classItem);
    TfsTypeInfo type = designator->type;
    auto node = std::make_unique<TfsDesignatorNode>(std::move(designator));
    node->type = std::move(type);
    return node;
}

} // namespace rq::script
