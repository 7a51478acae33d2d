// Second phase: turns the IL document into a script's items and statements.
// Scopes (the IL root, a routine, a unit) are built in two passes so that
// routines can be called before their declaration. Elements are dispatched
// by their IlElement; expressions are built in expression_builder.cpp,
// designators in designator_builder.cpp and type-checked in type_check.cpp.
// Every compile error is an ECompileError placed at the IL element it
// concerns.
#pragma once

#include "script/designator.h"
#include "script/errors.h"
#include "script/expression.h"
#include "script/il_element.h"
#include "script/script.h"
#include "script/xml_document.h"

#include <cstddef>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rq::script {

class ProgramBuilder {
public:
    ProgramBuilder(TfsScript& script, bool needDeclare, std::string unit);
    // Builds the IL root as the script's scope; an error is stored in the
    // script with the position of the IL element it concerns.
    void Build(TfsXMLItem& root);

    // Operators one expression may hold. Its tree is checked and evaluated
    // by recursion, as deep as the operators are many in a flat chain; a
    // longer expression is the compile error "Expression too complex" at its
    // first operator beyond the limit, not a stack overflow.
    static constexpr int kMaxOperators = 4096;

    // Expressions (expression_builder.cpp).
    std::unique_ptr<TfsExpression> BuildExpression(const TfsXMLItem& expr, TfsScript& scope);
    // construct: the class whose constructor the first name calls (a new
    // element), null for a plain designator.
    std::unique_ptr<TfsDesignator> BuildDesignator(const TfsXMLItem& dsgn, TfsScript& scope,
                                                   TfsClassVariable* construct = nullptr);
    // Raises "Incompatible types: 'T', 'V'" unless a value of type value may
    // be assigned to (or passed as) target.
    void CheckAssignable(const TfsTypeInfo& target, const TfsTypeInfo& value);
    bool Compatible(const TfsTypeInfo& left, const TfsTypeInfo& right) const;
    TfsTypeInfo ResolveType(const std::string& name, TfsScript& scope) const;

private:
    struct WithEntry {
        TfsVariable* hidden;         // holds the with-object while the body runs
        TfsClassVariable* classItem; // its class, whose members resolve by name
    };
    // The designator being built (designator_builder.cpp).
    struct DesignatorDraft;
    struct DesignatorStep;
    using StatementBuild = std::unique_ptr<TfsStatement> (ProgramBuilder::*)(TfsXMLItem&,
                                                                             TfsScript&);
    struct StatementRule {
        IlElement element;
        StatementBuild build;
    };

    // Runs build; a failure that no element inside has placed yet is placed
    // at element (or left to an outer element when element has no position).
    template <class Build> decltype(auto) At(const TfsXMLItem& element, Build&& build) {
        try {
            return build();
        } catch (const ECompileError&) {
            throw;
        } catch (const std::exception& e) {
            Place(element, e);
        }
    }
    [[noreturn]] void Place(const TfsXMLItem& element, const std::exception& e) const;
    [[noreturn]] void Fail(const TfsXMLItem& at, const std::string& message) const;
    [[noreturn]] void Fail(const std::string& pos, const std::string& message) const;
    // The first child of the given kind; without one, message at item.
    const TfsXMLItem& Required(const TfsXMLItem& item, IlElement part,
                               const std::string& message) const;

    void BuildScope(TfsXMLItem& scope, TfsScript& script, TfsStatementList& list);
    void DeclareRoutines(TfsXMLItem& scope, TfsScript& script);
    void DeclareRoutine(TfsXMLItem& item, TfsScript& script);
    void DeclareParameters(const TfsXMLItem& parameters, TfsProcVariable& proc);
    void BuildItem(TfsXMLItem& item, TfsScript& script, TfsStatementList& list);
    void BuildChildren(TfsXMLItem& item, TfsScript& script, TfsStatementList& list);
    void BuildUses(TfsXMLItem& item, TfsScript& script, TfsStatementList& list);
    void DeclareVars(const TfsXMLItem& item, TfsScript& script, TfsStatementList& list);
    void DeclareConst(const TfsXMLItem& item, TfsScript& script);
    Variant InitialValue(const TfsTypeInfo& type) const;
    // Evaluates an expression while compiling (constants, defaults, array
    // bounds); it may not call script routines, which may not be built yet
    // and could run without end.
    Variant ConstantValue(TfsExpression& expression);
    Variant ArrayValue(const TfsXMLItem& array, const TfsTypeInfo& element, TfsScript& scope,
                       int dim, std::int64_t& budget);
    std::unique_ptr<TfsSetExpression> BuildSet(const TfsXMLItem& set, TfsScript& scope);

    // Statements: one builder per statement element, dispatched by table.
    std::unique_ptr<TfsStatement> BuildStatement(IlElement element, TfsXMLItem& item,
                                                 TfsScript& script);
    std::unique_ptr<TfsStatement> BuildAssign(TfsXMLItem& item, TfsScript& script);
    std::unique_ptr<TfsStatement> BuildEventAssign(const TfsXMLItem& item, TfsScript& script,
                                                   std::unique_ptr<TfsDesignator> target);
    std::unique_ptr<TfsStatement> BuildCall(TfsXMLItem& item, TfsScript& script);
    std::unique_ptr<TfsStatement> BuildIf(TfsXMLItem& item, TfsScript& script);
    std::unique_ptr<TfsStatement> BuildCase(TfsXMLItem& item, TfsScript& script);
    std::unique_ptr<TfsStatement> BuildWhile(TfsXMLItem& item, TfsScript& script);
    std::unique_ptr<TfsStatement> BuildRepeat(TfsXMLItem& item, TfsScript& script);
    std::unique_ptr<TfsStatement> BuildFor(TfsXMLItem& item, TfsScript& script);
    TfsCustomVariable* ForVariable(const TfsXMLItem& ident, TfsScript& script);
    std::unique_ptr<TfsStatement> BuildTry(TfsXMLItem& item, TfsScript& script);
    template <class Jump>
    std::unique_ptr<TfsStatement> BuildJump(TfsXMLItem& item, TfsScript& script);
    std::unique_ptr<TfsStatement> BuildWithStmt(TfsXMLItem& item, TfsScript& script);
    std::unique_ptr<TfsStatement> BuildWith(TfsXMLItem& item, TfsScript& script, int first);

    // Expression helpers (expression_builder.cpp).
    std::unique_ptr<TfsExpressionNode> Operand(const TfsXMLItem& item, TfsScript& scope);
    std::unique_ptr<TfsExpressionNode> NewOperand(const TfsXMLItem& item, TfsScript& scope);
    // Type check (type_check.cpp).
    TfsTypeInfo Check(TfsExpressionNode& node);
    void CheckOperator(TfsOperatorNode& node, const TfsTypeInfo& l, const TfsTypeInfo& r);
    // Designator helpers (designator_builder.cpp).
    void AddArguments(TfsDesignatorItem& step, const std::vector<const TfsXMLItem*>& args,
                      TfsScript& scope);
    void Push(DesignatorDraft& draft, TfsCustomVariable* ref,
              const std::vector<const TfsXMLItem*>& args);
    std::size_t FirstName(DesignatorDraft& draft, TfsClassVariable* construct);
    std::size_t NextStep(DesignatorDraft& draft, std::size_t k);
    std::unique_ptr<TfsDesignator> Finish(DesignatorDraft& draft, const TfsXMLItem& dsgn) const;

    TfsScript& script_;                          // the compiling script
    bool needDeclare_;                           // undeclared names are errors
    std::string unit_;                           // unit being built, "" for the main text
    std::vector<WithEntry> withList_;            // open with-statements, innermost last
    std::map<std::string, std::string> aliases_; // type alias (upper) -> type name
    int hiddenCount_ = 0;                        // names of with-variables
};

} // namespace rq::script
