// IL to program objects: scopes, declarations and statements.
#include "script/program_builder.h"

#include "base/text1250.h"
#include "script/errors.h"
#include "script/il_parser.h"
#include "script/routine.h"

#include <cstddef>
#include <iterator>
#include <utility>

namespace rq::script {

using rq::base::sameText;
using rq::base::upperCase;

void TfsILParser::BuildProgram(TfsScript& script) {
    ProgramBuilder(script, NeedDeclareVars(), {}).Build(IL().Root());
}

ProgramBuilder::ProgramBuilder(TfsScript& script, bool needDeclare, std::string unit)
    : script_(script), needDeclare_(needDeclare), unit_(std::move(unit)) {}

void ProgramBuilder::Build(TfsXMLItem& root) {
    const int types = root.Find(IlElementName(IlElement::Types));
    if (types >= 0) {
        for (int i = 0; i < root[types].Count(); ++i)
            aliases_[upperCase(root[types][i].Name())] = root[types][i].Prop("type");
    }
    try {
        BuildScope(root, script_, script_.Statements());
    } catch (const ECompileError& e) {
        script_.SetError(e.what(), e.Pos(), e.Unit());
    } catch (const std::exception& e) {
        // No element on the failure's way had a position.
        script_.SetError(e.what(), root.Prop("pos"), unit_);
    }
}

void ProgramBuilder::Place(const TfsXMLItem& element, const std::exception& e) const {
    std::string pos = element.Prop("pos");
    if (pos.empty())
        throw;
    throw ECompileError(e.what(), std::move(pos), unit_);
}

void ProgramBuilder::Fail(const TfsXMLItem& at, const std::string& message) const {
    Fail(at.Prop("pos"), message);
}

void ProgramBuilder::Fail(const std::string& pos, const std::string& message) const {
    if (pos.empty())
        raiseScriptError(message);
    throw ECompileError(message, pos, unit_);
}

const TfsXMLItem& ProgramBuilder::Required(const TfsXMLItem& item, IlElement part,
                                           const std::string& message) const {
    const int index = item.Find(IlElementName(part));
    if (index < 0)
        Fail(item, message);
    return item[index];
}

void ProgramBuilder::BuildScope(TfsXMLItem& scope, TfsScript& script, TfsStatementList& list) {
    DeclareRoutines(scope, script);
    BuildChildren(scope, script, list);
}

void ProgramBuilder::BuildChildren(TfsXMLItem& item, TfsScript& script, TfsStatementList& list) {
    for (int i = 0; i < item.Count(); ++i)
        BuildItem(item[i], script, list);
}

// Pass 1: routines of this scope, also those inside compound statements.
void ProgramBuilder::DeclareRoutines(TfsXMLItem& scope, TfsScript& script) {
    for (int i = 0; i < scope.Count(); ++i) {
        TfsXMLItem& item = scope[i];
        const IlElement element = IlElementOf(item.Name());
        if (element == IlElement::Procedure || element == IlElement::Function)
            At(item, [&] { DeclareRoutine(item, script); });
        else if (element == IlElement::CompoundStmt)
            DeclareRoutines(item, script);
    }
}

void ProgramBuilder::DeclareRoutine(TfsXMLItem& item, TfsScript& script) {
    const bool isFunction = IlElementOf(item.Name()) == IlElement::Function;
    const int nameIndex = item.Find(IlElementName(IlElement::Name));
    const std::string name = nameIndex >= 0 ? item[nameIndex].Prop("text") : std::string();
    if (script.FindLocal(name) != nullptr)
        raiseRedeclared(name);
    TfsTypeInfo type;
    const int typeIndex = item.Find(IlElementName(IlElement::Type));
    if (isFunction && typeIndex >= 0) {
        const TfsXMLItem& typeItem = item[typeIndex];
        type = At(typeItem, [&] { return ResolveType(typeItem.Prop("text"), script); });
    }
    auto owned = std::make_unique<TfsProcVariable>(name, type, isFunction, script);
    TfsProcVariable& proc = *owned;
    proc.SetPos(item.Prop("pos"));
    script.Add(std::move(owned));
    item.SetData(&proc);
    const int parameters = item.Find(IlElementName(IlElement::Parameters));
    if (parameters >= 0)
        DeclareParameters(item[parameters], proc);
    if (isFunction) {
        std::unique_ptr<TfsVariable> result =
            type.code == TfsVarType::String
                ? std::make_unique<TfsStringVariable>("Result", type)
                : std::make_unique<TfsVariable>("Result", type, InitialValue(type));
        proc.SetResultVar(&proc.Prog().Add(std::move(result)));
    }
}

void ProgramBuilder::DeclareParameters(const TfsXMLItem& parameters, TfsProcVariable& proc) {
    bool byRef = false;
    for (int i = 0; i < parameters.Count(); ++i) {
        const TfsXMLItem& group = parameters[i];
        if (IlElementOf(group.Name()) == IlElement::VarParams) {
            byRef = true;
            continue;
        }
        const int typeIndex = group.Find(IlElementName(IlElement::Type));
        const TfsTypeInfo type = At(group, [&] {
            return typeIndex >= 0 ? ResolveType(group[typeIndex].Prop("text"), proc.Prog())
                                  : TfsTypeInfo{TfsVarType::Variant, "Variant"};
        });
        const int init = group.Find(IlElementName(IlElement::Init));
        for (int k = 0; k < group.Count(); ++k) {
            const TfsXMLItem& ident = group[k];
            if (IlElementOf(ident.Name()) != IlElement::Ident)
                continue;
            TfsParamItem& param = At(ident, [&]() -> TfsParamItem& {
                const std::string name = ident.Prop("text");
                if (proc.Prog().FindLocal(name) != nullptr)
                    raiseRedeclared(name);
                return proc.AddParam(name, type, byRef);
            });
            param.SetValue(InitialValue(type));
            if (init >= 0 && group[init].Count() > 0) {
                const TfsXMLItem& initExpr = group[init][0];
                auto value = BuildExpression(initExpr, proc.Prog());
                At(initExpr, [&] {
                    CheckAssignable(type, value->Type());
                    param.SetDefValue(ConstantValue(*value));
                });
            }
            proc.Prog().AddShared(param);
        }
        byRef = false;
    }
}

// Pass 2: one IL element of a scope. Every element has its place here, so
// that a new one cannot be forgotten; one that belongs elsewhere is an
// error, never a statement silently left out.
void ProgramBuilder::BuildItem(TfsXMLItem& item, TfsScript& script, TfsStatementList& list) {
    const IlElement element = IlElementOf(item.Name());
    At(item, [&] {
        switch (element) {
        case IlElement::AssignStmt:
        case IlElement::CallStmt:
        case IlElement::IfStmt:
        case IlElement::CaseStmt:
        case IlElement::WhileStmt:
        case IlElement::RepeatStmt:
        case IlElement::ForStmt:
        case IlElement::TryStmt:
        case IlElement::Break:
        case IlElement::Continue:
        case IlElement::Exit:
        case IlElement::With:
            script_.RegisterLine(unit_, item.Prop("pos"));
            list.Add(BuildStatement(element, item, script));
            return;
        case IlElement::CompoundStmt:
        case IlElement::ThenStmt:
        case IlElement::ElseStmt:
        case IlElement::FinallyStmt:
        case IlElement::ExceptStmt:
            BuildChildren(item, script, list);
            return;
        case IlElement::Uses:
            BuildUses(item, script, list);
            return;
        case IlElement::Var:
            DeclareVars(item, script, list);
            return;
        case IlElement::Const:
            DeclareConst(item, script);
            return;
        case IlElement::Procedure:
        case IlElement::Function:
            if (auto* proc = static_cast<TfsProcVariable*>(item.Data()))
                BuildScope(item, proc->Prog(), proc->Prog().Statements());
            return;
        // A routine's heading, read when the routine was declared, and the
        // type aliases, read before the build.
        case IlElement::Name:
        case IlElement::Parameters:
        case IlElement::Type:
        case IlElement::Types:
            return;
        case IlElement::Program:
        case IlElement::File:
        case IlElement::VarParams:
        case IlElement::Ident:
        case IlElement::Array:
        case IlElement::Dim:
        case IlElement::Init:
        case IlElement::CaseSelector:
        case IlElement::Downto:
        case IlElement::Expr:
        case IlElement::Op:
        case IlElement::Number:
        case IlElement::String:
        case IlElement::Dsgn:
        case IlElement::Node:
        case IlElement::Addr:
        case IlElement::Set:
        case IlElement::Range:
        case IlElement::New:
            raiseNamed("Misplaced IL element: ", item.Name());
        case IlElement::Unknown:
            break;
        }
        raiseNamed("Unknown IL element: ", item.Name());
    });
}

void ProgramBuilder::BuildUses(TfsXMLItem& item, TfsScript& script, TfsStatementList& list) {
    if (!item.HasProp("unit")) {
        BuildChildren(item, script, list);
        return;
    }
    // Errors raised inside carry this unit; the main text's name comes back
    // only when the unit was built.
    const std::string saved = std::exchange(unit_, item.Prop("unit"));
    std::string il;
    if (script_.OnGetILUnit)
        script_.OnGetILUnit(script_, unit_, il);
    if (!il.empty()) {
        TfsXMLDocument document;
        document.LoadFromString(il);
        BuildScope(document.Root(), script, list);
    } else {
        BuildScope(item, script, list);
    }
    unit_ = saved;
}

Variant ProgramBuilder::InitialValue(const TfsTypeInfo& type) const {
    switch (type.code) {
    case TfsVarType::Boolean:
        return Variant(false);
    case TfsVarType::Char:
    case TfsVarType::String:
        return Variant("");
    case TfsVarType::Integer:
        return Variant(0);
    case TfsVarType::Extended:
        return Variant(0.0);
    default:
        return Variant::null();
    }
}

namespace {

// The first call of a script routine in the tree, or null.
const TfsExpressionNode* RoutineCall(const TfsExpressionNode* node) {
    if (node == nullptr)
        return nullptr;
    if (const auto* d = dynamic_cast<const TfsDesignatorNode*>(node)) {
        for (const TfsDesignatorItem& item : d->Designator().items) {
            if (item.proc != nullptr)
                return node;
            for (const auto& arg : item.args) {
                if (const TfsExpressionNode* call = RoutineCall(&arg->Root()))
                    return call;
            }
        }
    }
    if (const TfsExpressionNode* call = RoutineCall(node->left.get()))
        return call;
    return RoutineCall(node->right.get());
}

} // namespace

Variant ProgramBuilder::ConstantValue(TfsExpression& expression) {
    if (const TfsExpressionNode* call = RoutineCall(&expression.Root()))
        Fail(call->pos, "Constant expression expected");
    return expression.Value();
}

// An array value for the dimensions from dim on: "[low..high]" gives
// high + 1 elements indexed directly, "[n]" gives n elements from 0. budget
// counts down the elements all dimensions together may still make.
Variant ProgramBuilder::ArrayValue(const TfsXMLItem& array, const TfsTypeInfo& element,
                                   TfsScript& scope, int dim, std::int64_t& budget) {
    if (dim >= array.Count())
        return InitialValue(element);
    const TfsXMLItem& d = array[dim];
    const std::int64_t size = At(d, [&] {
        std::int64_t count = 0;
        if (d.Count() >= 2) {
            const std::int64_t low = ConstantValue(*BuildExpression(d[0], scope)).toInteger();
            count = std::int64_t{ConstantValue(*BuildExpression(d[1], scope)).toInteger()} + 1;
            if (low < 0)
                raiseScriptError("Array bounds must not be negative");
        } else if (d.Count() == 1) {
            count = ConstantValue(*BuildExpression(d[0], scope)).toInteger();
        }
        budget -= count;
        if (count < 0 || budget < 0)
            raiseScriptError("Array is too large");
        return count;
    });
    VariantArray elements(static_cast<std::size_t>(size));
    for (Variant& e : elements)
        e = ArrayValue(array, element, scope, dim + 1, budget);
    return Variant::fromArray(std::move(elements));
}

void ProgramBuilder::DeclareVars(const TfsXMLItem& item, TfsScript& script,
                                 TfsStatementList& list) {
    const int typeIndex = item.Find(IlElementName(IlElement::Type));
    const TfsTypeInfo declared =
        typeIndex >= 0
            ? At(item[typeIndex], [&] { return ResolveType(item[typeIndex].Prop("text"), script); })
            : TfsTypeInfo{TfsVarType::Variant, "Variant"};
    const int arrayIndex = item.Find(IlElementName(IlElement::Array));
    const int init = item.Find(IlElementName(IlElement::Init));
    // Elements of all arrays of this declaration together: 4 Mi values.
    std::int64_t budget = std::int64_t{1} << 22;
    for (int i = 0; i < item.Count(); ++i) {
        const TfsXMLItem& ident = item[i];
        if (IlElementOf(ident.Name()) != IlElement::Ident)
            continue;
        TfsCustomVariable& added = At(ident, [&]() -> TfsCustomVariable& {
            const std::string name = ident.Prop("text");
            if (script.FindLocal(name) != nullptr)
                raiseRedeclared(name);
            std::unique_ptr<TfsVariable> variable;
            if (arrayIndex >= 0) {
                variable = std::make_unique<TfsVariable>(
                    name, TfsTypeInfo{TfsVarType::Array, declared.name, item[arrayIndex].Count()},
                    ArrayValue(item[arrayIndex], declared, script, 0, budget));
            } else if (declared.code == TfsVarType::String) {
                variable = std::make_unique<TfsStringVariable>(name, declared);
            } else {
                variable = std::make_unique<TfsVariable>(name, declared, InitialValue(declared));
            }
            variable->SetPos(ident.Prop("pos"));
            return script.Add(std::move(variable));
        });
        if (init >= 0 && item[init].Count() > 0) {
            const TfsXMLItem& initItem = item[init];
            auto statement =
                std::make_unique<TfsAssignmentStmt>(script, initItem.Prop("pos"), unit_);
            statement->value = BuildExpression(initItem[0], script);
            At(initItem[0], [&] { CheckAssignable(added.TypeInfo(), statement->value->Type()); });
            auto target = std::make_unique<TfsVariableDesignator>();
            target->items.push_back({&added, nullptr, {}, {}});
            target->type = added.TypeInfo();
            statement->target = std::move(target);
            list.Add(std::move(statement));
        }
    }
}

void ProgramBuilder::DeclareConst(const TfsXMLItem& item, TfsScript& script) {
    const TfsXMLItem& ident = Required(item, IlElement::Ident, "Identifier expected");
    const TfsXMLItem& expr = Required(item, IlElement::Expr, "Expression expected");
    const std::string name = ident.Prop("text");
    if (script.FindLocal(name) != nullptr)
        raiseRedeclared(name);
    auto value = BuildExpression(expr, script);
    auto constant = std::make_unique<TfsVariable>(name, value->Type(), ConstantValue(*value));
    constant->SetReadOnly(true);
    constant->SetPos(ident.Prop("pos"));
    script.Add(std::move(constant));
}

std::unique_ptr<TfsSetExpression> ProgramBuilder::BuildSet(const TfsXMLItem& set,
                                                           TfsScript& scope) {
    auto result = std::make_unique<TfsSetExpression>();
    for (int i = 0; i < set.Count(); ++i) {
        const TfsXMLItem& child = set[i];
        const IlElement element = IlElementOf(child.Name());
        if (element == IlElement::Range) {
            if (!result->entries.empty() && i + 1 < set.Count())
                result->entries.back().high = BuildExpression(set[++i], scope);
        } else if (element == IlElement::Expr) {
            result->entries.push_back({BuildExpression(child, scope), nullptr});
        } else {
            Fail(child, "Expression expected");
        }
    }
    return result;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildStatement(IlElement element, TfsXMLItem& item,
                                                             TfsScript& script) {
    static constexpr StatementRule kRules[] = {
        {IlElement::AssignStmt, &ProgramBuilder::BuildAssign},
        {IlElement::CallStmt, &ProgramBuilder::BuildCall},
        {IlElement::IfStmt, &ProgramBuilder::BuildIf},
        {IlElement::CaseStmt, &ProgramBuilder::BuildCase},
        {IlElement::WhileStmt, &ProgramBuilder::BuildWhile},
        {IlElement::RepeatStmt, &ProgramBuilder::BuildRepeat},
        {IlElement::ForStmt, &ProgramBuilder::BuildFor},
        {IlElement::TryStmt, &ProgramBuilder::BuildTry},
        {IlElement::Break, &ProgramBuilder::BuildJump<TfsBreakStmt>},
        {IlElement::Continue, &ProgramBuilder::BuildJump<TfsContinueStmt>},
        {IlElement::Exit, &ProgramBuilder::BuildJump<TfsExitStmt>},
        {IlElement::With, &ProgramBuilder::BuildWithStmt},
    };
    static_assert(std::size(kRules) == kStatementKinds, "one builder per statement element");
    static_assert(
        [] {
            for (std::size_t i = 0; i < kStatementKinds; ++i) {
                if (static_cast<std::size_t>(kRules[i].element) != i)
                    return false;
            }
            return true;
        }(),
        "statement builders in the order of IlElement");
    const StatementBuild build = kRules[static_cast<std::size_t>(element)].build;
    return (this->*build)(item, script);
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildCall(TfsXMLItem& item, TfsScript& script) {
    auto statement = std::make_unique<TfsCallStmt>(script, item.Prop("pos"), unit_);
    statement->designator =
        BuildDesignator(Required(item, IlElement::Dsgn, "Identifier expected"), script);
    return statement;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildIf(TfsXMLItem& item, TfsScript& script) {
    auto statement = std::make_unique<TfsIfStmt>(script, item.Prop("pos"), unit_);
    statement->condition =
        BuildExpression(Required(item, IlElement::Expr, "Expression expected"), script);
    const int thenIndex = item.Find(IlElementName(IlElement::ThenStmt));
    const int elseIndex = item.Find(IlElementName(IlElement::ElseStmt));
    if (thenIndex >= 0)
        BuildItem(item[thenIndex], script, statement->thenList);
    if (elseIndex >= 0)
        BuildItem(item[elseIndex], script, statement->elseList);
    return statement;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildWhile(TfsXMLItem& item, TfsScript& script) {
    auto statement = std::make_unique<TfsWhileStmt>(script, item.Prop("pos"), unit_);
    for (int i = 0; i < item.Count(); ++i) {
        if (!statement->condition && IlElementOf(item[i].Name()) == IlElement::Expr)
            statement->condition = BuildExpression(item[i], script);
        else
            BuildItem(item[i], script, statement->body);
    }
    if (!statement->condition)
        Fail(item, "Expression expected");
    return statement;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildRepeat(TfsXMLItem& item, TfsScript& script) {
    auto statement = std::make_unique<TfsRepeatStmt>(script, item.Prop("pos"), unit_);
    const int last = item.Count() - 1;
    if (last < 0 || IlElementOf(item[last].Name()) != IlElement::Expr)
        Fail(item, "Expression expected");
    for (int i = 0; i < last; ++i)
        BuildItem(item[i], script, statement->body);
    statement->condition = BuildExpression(item[last], script);
    return statement;
}

template <class Jump>
std::unique_ptr<TfsStatement> ProgramBuilder::BuildJump(TfsXMLItem& item, TfsScript& script) {
    return std::make_unique<Jump>(script, item.Prop("pos"), unit_);
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildWithStmt(TfsXMLItem& item, TfsScript& script) {
    return BuildWith(item, script, 0);
}

namespace {

// x in "x op e" or "e op x" when it is the very variable being assigned.
bool IsTarget(const TfsExpressionNode* node, const TfsDesignator& target) {
    const auto* d = dynamic_cast<const TfsDesignatorNode*>(node);
    return d != nullptr &&
           dynamic_cast<const TfsVariableDesignator*>(&d->Designator()) != nullptr &&
           d->Designator().items[0].ref == target.items[0].ref;
}

} // namespace

std::unique_ptr<TfsStatement> ProgramBuilder::BuildAssign(TfsXMLItem& item, TfsScript& script) {
    const std::string pos = item.Prop("pos");
    auto target = BuildDesignator(Required(item, IlElement::Dsgn, "Identifier expected"), script);
    if (target->readOnly)
        Fail(pos, "Left side cannot be assigned to");
    if (dynamic_cast<TfsEventHelper*>(target->items.back().ref) != nullptr)
        return BuildEventAssign(item, script, std::move(target));
    auto value = BuildExpression(Required(item, IlElement::Expr, "Expression expected"), script);
    CheckAssignable(target->type, value->Type());
    std::unique_ptr<TfsAssignmentStmt> statement;
    auto* op = dynamic_cast<TfsOperatorNode*>(&value->Root());
    if (op != nullptr && dynamic_cast<TfsVariableDesignator*>(target.get()) != nullptr) {
        const bool leftIsX = IsTarget(op->left.get(), *target);
        const bool rightIsX = IsTarget(op->right.get(), *target);
        const bool stringTarget = target->type.code == TfsVarType::String;
        switch (op->Op()) {
        case TfsOperator::Plus:
            if (leftIsX || (rightIsX && !stringTarget))
                statement = std::make_unique<TfsAssignPlusStmt>(script, pos, unit_);
            break;
        case TfsOperator::Minus:
            if (leftIsX)
                statement = std::make_unique<TfsAssignMinusStmt>(script, pos, unit_);
            break;
        case TfsOperator::DivFloat:
            if (leftIsX)
                statement = std::make_unique<TfsAssignDivStmt>(script, pos, unit_);
            break;
        case TfsOperator::Mul:
            if (leftIsX || rightIsX)
                statement = std::make_unique<TfsAssignMulStmt>(script, pos, unit_);
            break;
        default:
            break;
        }
        if (statement) {
            std::unique_ptr<TfsExpressionNode> root = value->ReleaseRoot();
            std::unique_ptr<TfsExpressionNode> operand =
                leftIsX ? std::move(root->right) : std::move(root->left);
            operand->parent = nullptr;
            value = std::make_unique<TfsExpression>(std::move(operand));
        }
    }
    if (!statement)
        statement = std::make_unique<TfsAssignmentStmt>(script, pos, unit_);
    statement->target = std::move(target);
    statement->value = std::move(value);
    return statement;
}

// "Obj.OnEvent := @Proc" (or 'Proc', Proc, or nil to detach): the handler must
// name a procedure, which is resolved now; the statement assigns a
// reference to it that the event accessor turns into an adapter.
std::unique_ptr<TfsStatement>
ProgramBuilder::BuildEventAssign(const TfsXMLItem& item, TfsScript& script,
                                 std::unique_ptr<TfsDesignator> target) {
    const TfsXMLItem& expr = Required(item, IlElement::Expr, "Expression expected");
    const TfsXMLItem* only = expr.Count() == 1 ? &expr[0] : nullptr;
    const IlElement kind = only != nullptr ? IlElementOf(only->Name()) : IlElement::Unknown;
    std::string name;
    bool detach = false;
    if (kind == IlElement::String) {
        const std::string text = only->Prop("text");
        name = text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
    } else if (kind == IlElement::Dsgn && only->Count() == 2 &&
               IlElementOf((*only)[0].Name()) == IlElement::Addr) {
        name = (*only)[1].Prop("text");
    } else if (kind == IlElement::Dsgn && only->Count() == 1) {
        name = (*only)[0].Prop("text"); // the procedure's bare name, or nil
        detach = sameText(name, "nil");
    }
    auto* proc = dynamic_cast<TfsProcVariable*>(script.Find(name));
    if (!detach && (proc == nullptr || proc->IsFunction()))
        At(expr, [] { raiseHandlerNotProcedure(); });
    auto statement = std::make_unique<TfsAssignmentStmt>(script, item.Prop("pos"), unit_);
    auto handler = std::make_unique<TfsHandlerNode>(detach ? nullptr : proc);
    handler->type = {TfsVarType::Variant, "Variant"};
    statement->target = std::move(target);
    statement->value = std::make_unique<TfsExpression>(std::move(handler));
    return statement;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildCase(TfsXMLItem& item, TfsScript& script) {
    auto statement = std::make_unique<TfsCaseStmt>(script, item.Prop("pos"), unit_);
    for (int i = 0; i < item.Count(); ++i) {
        TfsXMLItem& child = item[i];
        const IlElement element = IlElementOf(child.Name());
        if (!statement->selector && element == IlElement::Expr) {
            statement->selector = BuildExpression(child, script);
        } else if (element == IlElement::CaseSelector) {
            TfsCaseSelector selector;
            for (int k = 0; k < child.Count(); ++k) {
                if (!selector.set && IlElementOf(child[k].Name()) == IlElement::Set)
                    selector.set = At(child[k], [&] { return BuildSet(child[k], script); });
                else
                    BuildItem(child[k], script, selector.statements);
            }
            if (!selector.set)
                selector.set = std::make_unique<TfsSetExpression>();
            statement->selectors.push_back(std::move(selector));
        } else {
            BuildItem(child, script, statement->elseList);
        }
    }
    if (!statement->selector)
        Fail(item, "Expression expected");
    return statement;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildFor(TfsXMLItem& item, TfsScript& script) {
    auto statement = std::make_unique<TfsForStmt>(script, item.Prop("pos"), unit_);
    for (int i = 0; i < item.Count(); ++i) {
        TfsXMLItem& child = item[i];
        const IlElement element = IlElementOf(child.Name());
        if (element == IlElement::Ident) {
            statement->variable = At(child, [&] { return ForVariable(child, script); });
        } else if (element == IlElement::Downto) {
            statement->down = true;
        } else if (element == IlElement::Expr && !statement->begin) {
            statement->begin = BuildExpression(child, script);
        } else if (element == IlElement::Expr && !statement->end) {
            statement->end = BuildExpression(child, script);
        } else {
            BuildItem(child, script, statement->body);
        }
    }
    if (statement->variable == nullptr)
        Fail(item, "Identifier expected");
    if (!statement->begin || !statement->end)
        Fail(item, "Expression expected");
    return statement;
}

TfsCustomVariable* ProgramBuilder::ForVariable(const TfsXMLItem& ident, TfsScript& script) {
    const std::string variable = ident.Prop("text");
    TfsCustomVariable* found = script.Find(variable);
    if (found == nullptr && needDeclare_)
        raiseUndeclared(variable);
    if (found == nullptr)
        found = &script.Add(
            std::make_unique<TfsVariable>(variable, TfsTypeInfo{TfsVarType::Variant, "Variant"}));
    const TfsVarType type = found->Type();
    if (dynamic_cast<TfsVariable*>(found) == nullptr || found->IsReadOnly() ||
        (type != TfsVarType::Integer && type != TfsVarType::Extended &&
         type != TfsVarType::Variant))
        raiseScriptError("For loop variable must be numeric variable");
    return found;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildTry(TfsXMLItem& item, TfsScript& script) {
    auto statement = std::make_unique<TfsTryStmt>(script, item.Prop("pos"), unit_);
    for (int i = 0; i < item.Count(); ++i) {
        TfsXMLItem& child = item[i];
        const IlElement element = IlElementOf(child.Name());
        if (element == IlElement::FinallyStmt || element == IlElement::ExceptStmt) {
            statement->isExcept = element == IlElement::ExceptStmt;
            BuildItem(child, script, statement->handler);
        } else {
            BuildItem(child, script, statement->body);
        }
    }
    return statement;
}

// "with a, b do s" runs as "with a do with b do s".
std::unique_ptr<TfsStatement> ProgramBuilder::BuildWith(TfsXMLItem& item, TfsScript& script,
                                                        int first) {
    auto statement = std::make_unique<TfsWithStmt>(script, item.Prop("pos"), unit_);
    if (first >= item.Count() || IlElementOf(item[first].Name()) != IlElement::Dsgn)
        Fail(item, "Identifier expected");
    statement->designator = BuildDesignator(item[first], script);
    auto hidden = std::make_unique<TfsVariable>("with:" + std::to_string(hiddenCount_++),
                                                statement->designator->type);
    statement->hidden = hidden.get();
    script.Add(std::move(hidden));
    TfsClassVariable* classItem = statement->designator->type.code == TfsVarType::Class
                                      ? script.FindClass(statement->designator->type.name)
                                      : nullptr;
    withList_.push_back({statement->hidden, classItem});
    if (first + 1 < item.Count() && IlElementOf(item[first + 1].Name()) == IlElement::Dsgn) {
        statement->body.Add(BuildWith(item, script, first + 1));
    } else {
        for (int i = first + 1; i < item.Count(); ++i)
            BuildItem(item[i], script, statement->body);
    }
    withList_.pop_back();
    return statement;
}

} // namespace rq::script
