// IL to program objects: scopes, declarations and statements.
#include "script/program_builder.h"

#include "base/text1250.h"
#include "script/errors.h"
#include "script/il_parser.h"
#include "script/routine.h"

namespace rq::script {

using rq::base::lowerCase;
using rq::base::sameText;
using rq::base::upperCase;

void TfsILParser::BuildProgram(TfsScript& script) {
    ProgramBuilder(script, NeedDeclareVars(), {}).Build(IL().Root());
}

ProgramBuilder::ProgramBuilder(TfsScript& script, bool needDeclare, std::string unit)
    : script_(script), needDeclare_(needDeclare), unit_(std::move(unit)) {}

void ProgramBuilder::Build(TfsXMLItem& root) {
    const int types = root.Find("types");
    if (types >= 0) {
        for (int i = 0; i < root[types].Count(); ++i)
            aliases_[upperCase(root[types][i].Name())] = root[types][i].Prop("type");
    }
    try {
        BuildScope(root, script_, script_.Statements());
    } catch (const std::exception& e) {
        script_.SetError(e.what(), pos_, unit_);
    }
}

void ProgramBuilder::Note(const TfsXMLItem& item) {
    std::string pos = item.Prop("pos");
    if (!pos.empty())
        pos_ = std::move(pos);
}

void ProgramBuilder::Fail(const std::string& pos, const std::string& message) {
    if (!pos.empty())
        pos_ = pos;
    raiseScriptError(message);
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
        const std::string name = lowerCase(item.Name());
        if (name == "procedure" || name == "function")
            DeclareRoutine(item, script);
        else if (name == "compoundstmt")
            DeclareRoutines(item, script);
    }
}

void ProgramBuilder::DeclareRoutine(TfsXMLItem& item, TfsScript& script) {
    Note(item);
    const bool isFunction = rq::base::sameText(item.Name(), "function");
    const int nameIndex = item.Find("name");
    const std::string name = nameIndex >= 0 ? item[nameIndex].Prop("text") : std::string();
    if (script.FindLocal(name) != nullptr)
        raiseNamed("Identifier redeclared: ", name);
    TfsTypeInfo type;
    const int typeIndex = item.Find("type");
    if (isFunction && typeIndex >= 0) {
        Note(item[typeIndex]);
        type = ResolveType(item[typeIndex].Prop("text"), script);
    }
    auto owned = std::make_unique<TfsProcVariable>(name, type, isFunction, script);
    TfsProcVariable& proc = *owned;
    proc.SetPos(item.Prop("pos"));
    script.Add(std::move(owned));
    item.SetData(&proc);
    const int parameters = item.Find("parameters");
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
        Note(group);
        if (rq::base::sameText(group.Name(), "varparams")) {
            byRef = true;
            continue;
        }
        const int typeIndex = group.Find("type");
        const TfsTypeInfo type = typeIndex >= 0
                                     ? ResolveType(group[typeIndex].Prop("text"), proc.Prog())
                                     : TfsTypeInfo{TfsVarType::Variant, "Variant"};
        const int init = group.Find("init");
        for (int k = 0; k < group.Count(); ++k) {
            if (!rq::base::sameText(group[k].Name(), "ident"))
                continue;
            Note(group[k]);
            const std::string name = group[k].Prop("text");
            if (proc.Prog().FindLocal(name) != nullptr)
                raiseNamed("Identifier redeclared: ", name);
            TfsParamItem& param = proc.AddParam(name, type, byRef);
            param.SetValue(InitialValue(type));
            if (init >= 0 && group[init].Count() > 0) {
                auto value = BuildExpression(group[init][0], proc.Prog());
                CheckAssignable(type, value->Type());
                param.SetDefValue(ConstantValue(*value));
            }
            proc.Prog().AddShared(param);
        }
        byRef = false;
    }
}

namespace {

bool IsStatement(const std::string& name) {
    static const char* const kStatements[] = {"assignstmt", "callstmt",   "ifstmt",  "casestmt",
                                              "whilestmt",  "repeatstmt", "forstmt", "trystmt",
                                              "break",      "continue",   "exit",    "with"};
    for (const char* statement : kStatements) {
        if (name == statement)
            return true;
    }
    return false;
}

} // namespace

// Pass 2: one IL element of a scope.
void ProgramBuilder::BuildItem(TfsXMLItem& item, TfsScript& script, TfsStatementList& list) {
    Note(item);
    const std::string name = lowerCase(item.Name());
    if (name == "compoundstmt" || name == "thenstmt" || name == "elsestmt" ||
        name == "finallystmt" || name == "exceptstmt") {
        BuildChildren(item, script, list);
    } else if (name == "uses") {
        BuildUses(item, script, list);
    } else if (name == "var") {
        DeclareVars(item, script, list);
    } else if (name == "const") {
        DeclareConst(item, script);
    } else if (name == "procedure" || name == "function") {
        auto* proc = static_cast<TfsProcVariable*>(item.Data());
        if (proc != nullptr)
            BuildScope(item, proc->Prog(), proc->Prog().Statements());
    } else if (IsStatement(name)) {
        script_.RegisterLine(unit_, item.Prop("pos"));
        if (std::unique_ptr<TfsStatement> statement = BuildStatement(item, script))
            list.Add(std::move(statement));
    }
}

void ProgramBuilder::BuildUses(TfsXMLItem& item, TfsScript& script, TfsStatementList& list) {
    if (!item.HasProp("unit")) {
        BuildChildren(item, script, list);
        return;
    }
    const std::string saved = unit_;
    unit_ = item.Prop("unit");
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

bool CallsRoutine(const TfsExpressionNode* node) {
    if (node == nullptr)
        return false;
    if (const auto* d = dynamic_cast<const TfsDesignatorNode*>(node)) {
        for (const TfsDesignatorItem& item : d->Designator().items) {
            if (item.proc != nullptr)
                return true;
            for (const auto& arg : item.args) {
                if (CallsRoutine(&arg->Root()))
                    return true;
            }
        }
    }
    return CallsRoutine(node->left.get()) || CallsRoutine(node->right.get());
}

} // namespace

Variant ProgramBuilder::ConstantValue(TfsExpression& expression) {
    if (CallsRoutine(&expression.Root()))
        raiseScriptError("Constant expression expected");
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
    Note(d);
    std::int64_t size = 0;
    if (d.Count() >= 2) {
        const std::int64_t low = ConstantValue(*BuildExpression(d[0], scope)).toInteger();
        size = std::int64_t{ConstantValue(*BuildExpression(d[1], scope)).toInteger()} + 1;
        if (low < 0)
            raiseScriptError("Array bounds must not be negative");
    } else if (d.Count() == 1) {
        size = ConstantValue(*BuildExpression(d[0], scope)).toInteger();
    }
    budget -= size;
    if (size < 0 || budget < 0)
        raiseScriptError("Array is too large");
    VariantArray elements(static_cast<std::size_t>(size));
    for (Variant& e : elements)
        e = ArrayValue(array, element, scope, dim + 1, budget);
    return Variant::fromArray(std::move(elements));
}

void ProgramBuilder::DeclareVars(const TfsXMLItem& item, TfsScript& script,
                                 TfsStatementList& list) {
    const int typeIndex = item.Find("type");
    if (typeIndex >= 0)
        Note(item[typeIndex]);
    const TfsTypeInfo declared = typeIndex >= 0 ? ResolveType(item[typeIndex].Prop("text"), script)
                                                : TfsTypeInfo{TfsVarType::Variant, "Variant"};
    const int arrayIndex = item.Find("array");
    const int init = item.Find("init");
    // Elements of all arrays of this declaration together: 4 Mi values.
    std::int64_t budget = std::int64_t{1} << 22;
    for (int i = 0; i < item.Count(); ++i) {
        if (!rq::base::sameText(item[i].Name(), "ident"))
            continue;
        Note(item[i]);
        const std::string name = item[i].Prop("text");
        if (script.FindLocal(name) != nullptr)
            raiseNamed("Identifier redeclared: ", name);
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
        variable->SetPos(item[i].Prop("pos"));
        TfsCustomVariable& added = script.Add(std::move(variable));
        if (init >= 0 && item[init].Count() > 0) {
            Note(item[init]);
            auto statement =
                std::make_unique<TfsAssignmentStmt>(script, item[init].Prop("pos"), unit_);
            statement->value = BuildExpression(item[init][0], script);
            CheckAssignable(added.TypeInfo(), statement->value->Type());
            auto target = std::make_unique<TfsVariableDesignator>();
            target->items.push_back({&added, nullptr, {}, {}});
            target->type = added.TypeInfo();
            statement->target = std::move(target);
            list.Add(std::move(statement));
        }
    }
}

void ProgramBuilder::DeclareConst(const TfsXMLItem& item, TfsScript& script) {
    const int identIndex = item.Find("ident");
    const int exprIndex = item.Find("expr");
    if (identIndex < 0 || exprIndex < 0)
        return;
    const std::string name = item[identIndex].Prop("text");
    if (script.FindLocal(name) != nullptr)
        raiseNamed("Identifier redeclared: ", name);
    auto value = BuildExpression(item[exprIndex], script);
    auto constant = std::make_unique<TfsVariable>(name, value->Type(), ConstantValue(*value));
    constant->SetReadOnly(true);
    constant->SetPos(item[identIndex].Prop("pos"));
    script.Add(std::move(constant));
}

std::unique_ptr<TfsSetExpression> ProgramBuilder::BuildSet(const TfsXMLItem& set,
                                                           TfsScript& scope) {
    auto result = std::make_unique<TfsSetExpression>();
    for (int i = 0; i < set.Count(); ++i) {
        const TfsXMLItem& child = set[i];
        Note(child);
        if (rq::base::sameText(child.Name(), "range")) {
            if (!result->entries.empty() && i + 1 < set.Count())
                result->entries.back().high = BuildExpression(set[++i], scope);
        } else if (rq::base::sameText(child.Name(), "expr")) {
            result->entries.push_back({BuildExpression(child, scope), nullptr});
        }
    }
    return result;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildStatement(TfsXMLItem& item, TfsScript& script) {
    const std::string name = lowerCase(item.Name());
    const std::string pos = item.Prop("pos");
    if (name == "assignstmt")
        return BuildAssign(item, script);
    if (name == "callstmt") {
        auto statement = std::make_unique<TfsCallStmt>(script, pos, unit_);
        const int dsgn = item.Find("dsgn");
        if (dsgn < 0)
            return nullptr;
        statement->designator = BuildDesignator(item[dsgn], script);
        return statement;
    }
    if (name == "ifstmt") {
        auto statement = std::make_unique<TfsIfStmt>(script, pos, unit_);
        statement->condition = BuildExpression(item[item.Find("expr")], script);
        const int thenIndex = item.Find("thenstmt");
        const int elseIndex = item.Find("elsestmt");
        if (thenIndex >= 0)
            BuildItem(item[thenIndex], script, statement->thenList);
        if (elseIndex >= 0)
            BuildItem(item[elseIndex], script, statement->elseList);
        return statement;
    }
    if (name == "casestmt")
        return BuildCase(item, script);
    if (name == "whilestmt") {
        auto statement = std::make_unique<TfsWhileStmt>(script, pos, unit_);
        for (int i = 0; i < item.Count(); ++i) {
            if (!statement->condition && rq::base::sameText(item[i].Name(), "expr"))
                statement->condition = BuildExpression(item[i], script);
            else
                BuildItem(item[i], script, statement->body);
        }
        return statement;
    }
    if (name == "repeatstmt") {
        auto statement = std::make_unique<TfsRepeatStmt>(script, pos, unit_);
        const int last = item.Count() - 1;
        for (int i = 0; i < last; ++i)
            BuildItem(item[i], script, statement->body);
        statement->condition = BuildExpression(item[last], script);
        return statement;
    }
    if (name == "forstmt")
        return BuildFor(item, script);
    if (name == "trystmt")
        return BuildTry(item, script);
    if (name == "break")
        return std::make_unique<TfsBreakStmt>(script, pos, unit_);
    if (name == "continue")
        return std::make_unique<TfsContinueStmt>(script, pos, unit_);
    if (name == "exit")
        return std::make_unique<TfsExitStmt>(script, pos, unit_);
    if (name == "with")
        return BuildWith(item, script, 0);
    return nullptr;
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

std::unique_ptr<TfsStatement> ProgramBuilder::BuildAssign(const TfsXMLItem& item,
                                                          TfsScript& script) {
    const std::string pos = item.Prop("pos");
    auto target = BuildDesignator(item[item.Find("dsgn")], script);
    if (target->readOnly)
        Fail(pos, "Left side cannot be assigned to");
    if (dynamic_cast<TfsEventHelper*>(target->items.back().ref) != nullptr)
        return BuildEventAssign(item, script, std::move(target));
    auto value = BuildExpression(item[item.Find("expr")], script);
    Note(item);
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
    const TfsXMLItem& expr = item[item.Find("expr")];
    const TfsXMLItem* only = expr.Count() == 1 ? &expr[0] : nullptr;
    std::string name;
    bool detach = false;
    if (only != nullptr && sameText(only->Name(), "string")) {
        const std::string text = only->Prop("text");
        name = text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
    } else if (only != nullptr && sameText(only->Name(), "dsgn") && only->Count() == 2 &&
               sameText((*only)[0].Name(), "addr")) {
        name = (*only)[1].Prop("text");
    } else if (only != nullptr && sameText(only->Name(), "dsgn") && only->Count() == 1) {
        name = (*only)[0].Prop("text"); // the procedure's bare name, or nil
        detach = sameText(name, "nil");
    }
    auto* proc = dynamic_cast<TfsProcVariable*>(script.Find(name));
    if (!detach && (proc == nullptr || proc->IsFunction()))
        Fail(expr.Prop("pos"), "Event handler must be a procedure");
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
        Note(child);
        const std::string name = lowerCase(child.Name());
        if (!statement->selector && name == "expr") {
            statement->selector = BuildExpression(child, script);
        } else if (name == "caseselector") {
            TfsCaseSelector selector;
            for (int k = 0; k < child.Count(); ++k) {
                if (!selector.set && rq::base::sameText(child[k].Name(), "set"))
                    selector.set = BuildSet(child[k], script);
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
    return statement;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildFor(TfsXMLItem& item, TfsScript& script) {
    auto statement = std::make_unique<TfsForStmt>(script, item.Prop("pos"), unit_);
    for (int i = 0; i < item.Count(); ++i) {
        TfsXMLItem& child = item[i];
        Note(child);
        const std::string name = lowerCase(child.Name());
        if (name == "ident") {
            const std::string variable = child.Prop("text");
            TfsCustomVariable* found = script.Find(variable);
            if (found == nullptr && needDeclare_)
                raiseNamed("Undeclared identifier: ", variable);
            if (found == nullptr)
                found = &script.Add(std::make_unique<TfsVariable>(
                    variable, TfsTypeInfo{TfsVarType::Variant, "Variant"}));
            const TfsVarType type = found->Type();
            if (dynamic_cast<TfsVariable*>(found) == nullptr || found->IsReadOnly() ||
                (type != TfsVarType::Integer && type != TfsVarType::Extended &&
                 type != TfsVarType::Variant))
                raiseScriptError("For loop variable must be numeric variable");
            statement->variable = found;
        } else if (name == "downto") {
            statement->down = true;
        } else if (name == "expr" && !statement->begin) {
            statement->begin = BuildExpression(child, script);
        } else if (name == "expr" && !statement->end) {
            statement->end = BuildExpression(child, script);
        } else {
            BuildItem(child, script, statement->body);
        }
    }
    return statement;
}

std::unique_ptr<TfsStatement> ProgramBuilder::BuildTry(TfsXMLItem& item, TfsScript& script) {
    auto statement = std::make_unique<TfsTryStmt>(script, item.Prop("pos"), unit_);
    for (int i = 0; i < item.Count(); ++i) {
        TfsXMLItem& child = item[i];
        const std::string name = lowerCase(child.Name());
        if (name == "finallystmt" || name == "exceptstmt") {
            statement->isExcept = name == "exceptstmt";
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
    Note(item[first]);
    statement->designator = BuildDesignator(item[first], script);
    auto hidden = std::make_unique<TfsVariable>("with:" + std::to_string(hiddenCount_++),
                                                statement->designator->type);
    statement->hidden = hidden.get();
    script.Add(std::move(hidden));
    TfsClassVariable* classItem = statement->designator->type.code == TfsVarType::Class
                                      ? script.FindClass(statement->designator->type.name)
                                      : nullptr;
    withList_.push_back({statement->hidden, classItem});
    if (first + 1 < item.Count() && rq::base::sameText(item[first + 1].Name(), "dsgn")) {
        statement->body.Add(BuildWith(item, script, first + 1));
    } else {
        for (int i = first + 1; i < item.Count(); ++i)
            BuildItem(item[i], script, statement->body);
    }
    withList_.pop_back();
    return statement;
}

} // namespace rq::script
