// IL expressions and designators to trees, with operator precedence applied
// by climbing from the current node, and the static type check.
#include "base/text1250.h"
#include "script/errors.h"
#include "script/program_builder.h"
#include "script/routine.h"

#include <algorithm>
#include <charconv>

namespace rq::script {

using rq::base::lowerCase;
using rq::base::sameText;

namespace {

[[noreturn]] void RaiseExpressionExpected() {
    raiseScriptError("Expression expected");
}

// An indexed property, or a Variant holding an array, used without an index.
[[noreturn]] void RaiseIndexRequired() {
    raiseScriptError("Index required");
}

bool IsUnary(TfsOperator op) {
    return op == TfsOperator::Not || op == TfsOperator::UnMinus;
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
        Note(item);
        const std::string name = lowerCase(item.Name());
        if (name == "expr") {
            stack.emplace_back(&item, 0);
        } else if (name == "op") {
            const TfsOperator op = OperatorOfText(item.Prop("text"));
            if (op == TfsOperator::None)
                RaiseExpressionExpected();
            auto node = MakeOperatorNode(op);
            node->pos = item.Prop("pos");
            if (op != TfsOperator::LeftBracket && op != TfsOperator::RightBracket &&
                ++operators > kMaxOperators)
                Fail(node->pos, "Expression too complex");
            tree.AddOperator(std::move(node));
        } else {
            tree.AddOperand(Operand(item, scope));
        }
    }
    auto result = std::make_unique<TfsExpression>(tree.Finish());
    Check(result->Root());
    return result;
}

std::unique_ptr<TfsExpressionNode> ProgramBuilder::Operand(const TfsXMLItem& item,
                                                           TfsScript& scope) {
    const std::string name = lowerCase(item.Name());
    std::unique_ptr<TfsExpressionNode> node;
    if (name == "number") {
        bool isInteger = false;
        Variant value = NumberValue(item.Prop("text"), isInteger);
        node = std::make_unique<TfsOperandNode>(std::move(value));
        node->type = isInteger ? TfsTypeInfo{TfsVarType::Integer, "Integer"}
                               : TfsTypeInfo{TfsVarType::Extended, "Extended"};
    } else if (name == "string") {
        const std::string text = item.Prop("text");
        node = std::make_unique<TfsOperandNode>(
            Variant(text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string()));
        node->type = {TfsVarType::String, "String"};
    } else if (name == "dsgn" && item.Count() > 0 && sameText(item[0].Name(), "addr")) {
        const int first = item.Find("node");
        node = std::make_unique<TfsOperandNode>(
            Variant(first >= 0 ? item[first].Prop("text") : std::string()));
        node->type = {TfsVarType::String, "String"};
    } else if (name == "dsgn") {
        auto designator = BuildDesignator(item, scope);
        TfsTypeInfo type = designator->type;
        node = std::make_unique<TfsDesignatorNode>(std::move(designator));
        node->type = std::move(type);
    } else if (name == "set") {
        node = std::make_unique<TfsSetNode>(BuildSet(item, scope));
        node->type = {TfsVarType::Variant, "Variant"};
    } else if (name == "new") {
        node = NewOperand(item, scope);
    } else {
        RaiseExpressionExpected();
    }
    node->pos = item.Prop("pos");
    return node;
}

// "new C(args)": a dsgn whose first name is the class, the constructor's
// arguments following it, further members after them.
std::unique_ptr<TfsExpressionNode> ProgramBuilder::NewOperand(const TfsXMLItem& item,
                                                              TfsScript& scope) {
    const int dsgn = item.Find("dsgn");
    const int first = dsgn >= 0 ? item[dsgn].Find("node") : -1;
    auto* classItem =
        first >= 0 ? dynamic_cast<TfsClassVariable*>(scope.Find(item[dsgn][first].Prop("text")))
                   : nullptr;
    TfsCustomVariable* create = classItem != nullptr ? classItem->FindMember("Create") : nullptr;
    if (create == nullptr || create->Type() != TfsVarType::Constructor)
        Fail(item.Prop("pos"), "Class type required");
    auto designator = BuildDesignator(item[dsgn], scope, classItem);
    TfsTypeInfo type = designator->type;
    auto node = std::make_unique<TfsDesignatorNode>(std::move(designator));
    node->type = std::move(type);
    return node;
}

// Type check.

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
        raiseScriptError("Incompatible types: '" + TypeText(target) + "', '" + TypeText(value) +
                         "'");
}

TfsTypeInfo ProgramBuilder::Check(TfsExpressionNode& node) {
    auto* op = dynamic_cast<TfsOperatorNode*>(&node);
    if (op == nullptr)
        return node.type;
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

// Designators.

namespace {

struct DesignatorStep {
    const TfsXMLItem* node;              // the node element
    std::vector<const TfsXMLItem*> args; // the expr elements after it
};

std::vector<DesignatorStep> StepsOf(const TfsXMLItem& dsgn) {
    std::vector<DesignatorStep> steps;
    for (int i = 0; i < dsgn.Count(); ++i) {
        const TfsXMLItem& child = dsgn[i];
        if (sameText(child.Name(), "node"))
            steps.push_back({&child, {}});
        else if (sameText(child.Name(), "expr") && !steps.empty())
            steps.back().args.push_back(&child);
    }
    return steps;
}

bool IsCallable(const TfsCustomVariable* item) {
    return dynamic_cast<const TfsProcVariable*>(item) != nullptr ||
           dynamic_cast<const TfsMethodHelper*>(item) != nullptr;
}

} // namespace

void ProgramBuilder::AddArguments(TfsDesignatorItem& step,
                                  const std::vector<const TfsXMLItem*>& args, TfsScript& scope) {
    TfsCustomVariable& ref = *step.ref;
    if (static_cast<int>(args.size()) < ref.RequiredCount())
        raiseScriptError("Not enough actual parameters");
    if (static_cast<int>(args.size()) > ref.Count())
        raiseScriptError("Too many actual parameters");
    step.writeBack.assign(static_cast<std::size_t>(ref.Count()), nullptr);
    bool anyByRef = false;
    for (int i = 0; i < ref.Count(); ++i) {
        const TfsParamItem& param = ref.Param(i);
        if (i >= static_cast<int>(args.size())) {
            auto value = std::make_unique<TfsOperandNode>(param.DefValue());
            value->type = param.TypeInfo();
            step.args.push_back(std::make_unique<TfsExpression>(std::move(value)));
            continue;
        }
        const TfsXMLItem& argItem = *args[static_cast<std::size_t>(i)];
        auto arg = BuildExpression(argItem, scope);
        Note(argItem); // a mismatch is reported where the argument starts
        if (param.Type() != TfsVarType::Array || arg->Type().code != TfsVarType::Variant)
            CheckAssignable(param.TypeInfo(), arg->Type());
        if (param.IsVarParam()) {
            TfsDesignator* designator = arg->AsDesignator();
            if (designator == nullptr || designator->readOnly)
                raiseScriptError("Variable required");
            step.writeBack[static_cast<std::size_t>(i)] = designator;
            anyByRef = true;
        }
        step.args.push_back(std::move(arg));
    }
    if (!anyByRef)
        step.writeBack.clear();
}

std::unique_ptr<TfsDesignator> ProgramBuilder::BuildDesignator(const TfsXMLItem& dsgn,
                                                               TfsScript& scope,
                                                               TfsClassVariable* construct) {
    Note(dsgn);
    const std::vector<DesignatorStep> steps = StepsOf(dsgn);
    if (steps.empty())
        raiseScriptError("Identifier expected");
    std::vector<TfsDesignatorItem> items;
    TfsTypeInfo type; // the static type of the value so far
    bool readOnly = false;

    auto push = [&](TfsCustomVariable* ref, const std::vector<const TfsXMLItem*>& args) {
        TfsDesignatorItem step;
        step.ref = ref;
        step.proc = dynamic_cast<TfsProcVariable*>(ref);
        if (const auto* method = dynamic_cast<const TfsMethodHelper*>(ref);
            method != nullptr && method->usesFiles)
            step.fileScope = &scope;
        if (!args.empty() || IsCallable(ref))
            AddArguments(step, args, scope);
        type = ref->TypeInfo();
        if (type.code == TfsVarType::Constructor)
            type = {TfsVarType::Class, items.empty() ? ref->Name() : items.back().ref->Name()};
        readOnly = ref->IsReadOnly() || (IsCallable(ref) && !ref->IsIndexed());
        items.push_back(std::move(step));
    };

    // The first name: a member of an open with-object, or a scope item.
    const std::string first = steps[0].node->Prop("text");
    Note(*steps[0].node);
    TfsCustomVariable* member = nullptr;
    for (auto with = withList_.rbegin();
         with != withList_.rend() && member == nullptr && construct == nullptr; ++with) {
        if (with->classItem != nullptr && (member = with->classItem->FindMember(first))) {
            items.push_back({with->hidden, nullptr, {}, {}});
            type = with->hidden->TypeInfo();
        }
    }
    TfsCustomVariable* ref = member != nullptr ? member : scope.Find(first);
    if (ref == nullptr) {
        if (needDeclare_)
            raiseNamed("Undeclared identifier: ", first);
        ref = &scope.Add(
            std::make_unique<TfsVariable>(first, TfsTypeInfo{TfsVarType::Variant, "Variant"}));
    }
    auto* classItem = dynamic_cast<TfsClassVariable*>(ref);
    auto indexFollows = [&](std::size_t at) {
        return at < steps.size() && steps[at].node->Prop("text") == "[";
    };
    std::size_t k = 1;
    if (construct != nullptr) {
        push(construct, {});
        push(construct->FindMember("Create"), steps[0].args);
    } else if (classItem != nullptr && steps[0].args.size() == 1) {
        // "TClass(x)": only objects (or untyped values) can be cast.
        push(&classItem->Typecast(), steps[0].args);
        const TfsTypeInfo& value = items.back().args[0]->Type();
        if (value.code != TfsVarType::Class && value.code != TfsVarType::Variant)
            Fail(steps[0].args[0]->Prop("pos"),
                 "Incompatible types: '" + TypeText(type) + "', '" + TypeText(value) + "'");
    } else if (ref->IsIndexed()) {
        if (!indexFollows(k))
            RaiseIndexRequired();
        push(ref, steps[k++].args);
    } else {
        // A Variant that holds an array is used through its elements.
        const Variant* held = ref->Type() == TfsVarType::Variant ? ref->Slot() : nullptr;
        if (held != nullptr && held->isArray() && steps[0].args.empty() && !indexFollows(k))
            RaiseIndexRequired();
        push(ref, steps[0].args);
    }

    for (; k < steps.size(); ++k) {
        const DesignatorStep& step = steps[k];
        Note(*step.node);
        const std::string text = step.node->Prop("text");
        const bool index = text == "[";
        if (type.code == TfsVarType::String) {
            if (!index)
                raiseScriptError("Strings doesn't have properties or methods");
            push(scope.Find("__StringHelper"), step.args);
            readOnly = false;
            continue;
        }
        if (type.code == TfsVarType::Class) {
            TfsClassVariable* memberClass = script_.FindClass(type.name);
            TfsCustomVariable* next = nullptr;
            if (index) {
                next = memberClass != nullptr ? memberClass->DefaultProperty() : nullptr;
                if (next == nullptr)
                    raiseScriptError("Class " + type.name + " does not have a default property");
                push(next, step.args);
                continue;
            }
            next = memberClass != nullptr ? memberClass->FindMember(text) : nullptr;
            if (next == nullptr)
                raiseNamed("Undeclared identifier: ", text);
            if (next->IsIndexed()) {
                if (!indexFollows(k + 1))
                    RaiseIndexRequired();
                push(next, steps[++k].args);
            } else {
                push(next, step.args);
            }
            continue;
        }
        if (index && (type.code == TfsVarType::Array || type.code == TfsVarType::Variant)) {
            // A declared array knows its element type after its last index.
            TfsTypeInfo array = type;
            for (const TfsXMLItem* arg : step.args) {
                push(scope.Find("__ArrayHelper"), {arg});
                readOnly = false;
                if (array.code == TfsVarType::Array && array.dimensions > 1)
                    type = array = {TfsVarType::Array, array.name, array.dimensions - 1};
                else if (array.code == TfsVarType::Array && array.dimensions == 1)
                    type = array = ResolveType(array.name, scope);
                else
                    type = array = {TfsVarType::Variant, "Variant"};
            }
            continue;
        }
        raiseArrayTypeRequired();
    }

    // The specialised forms for plain variables and their indexed values.
    std::unique_ptr<TfsDesignator> designator;
    auto* variable = dynamic_cast<TfsVariable*>(items[0].ref);
    const bool plain = variable != nullptr && items[0].args.empty();
    auto allArrayHelpers = [&] {
        for (std::size_t i = 1; i < items.size(); ++i) {
            if (dynamic_cast<TfsArrayHelper*>(items[i].ref) == nullptr)
                return false;
        }
        return true;
    };
    if (plain && items.size() == 1)
        designator = std::make_unique<TfsVariableDesignator>();
    else if (plain && variable->Slot() != nullptr && allArrayHelpers())
        designator = std::make_unique<TfsArrayDesignator>();
    else if (plain && items.size() == 2 && dynamic_cast<TfsStringHelper*>(items[1].ref) != nullptr)
        designator = std::make_unique<TfsStringDesignator>();
    else
        designator = std::make_unique<TfsDesignator>();
    designator->items = std::move(items);
    designator->type = type;
    designator->readOnly = readOnly;
    designator->pos = dsgn.Prop("pos");
    return designator;
}

} // namespace rq::script
