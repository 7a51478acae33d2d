// The element names of the intermediate program (IL) as one enumeration, so
// that the program builder dispatches on a closed set checked by the compiler
// and an element it does not know is an error, never a silently skipped part
// of the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rq::script {

enum class IlElement : std::uint8_t {
    // Statements, in the order of the builder's statement table.
    AssignStmt,
    CallStmt,
    IfStmt,
    CaseStmt,
    WhileStmt,
    RepeatStmt,
    ForStmt,
    TryStmt,
    Break,
    Continue,
    Exit,
    With,
    // Blocks whose children are statements.
    CompoundStmt,
    ThenStmt,
    ElseStmt,
    FinallyStmt,
    ExceptStmt,
    // Declarations of a scope.
    Uses,
    Var,
    Const,
    Procedure,
    Function,
    // Parts read by the element that owns them.
    Program,
    Types,
    File,
    Name,
    Parameters,
    VarParams,
    Type,
    Ident,
    Array,
    Dim,
    Init,
    CaseSelector,
    Downto,
    // Expressions and designators.
    Expr,
    Op,
    Number,
    String,
    Dsgn,
    Node,
    Addr,
    Set,
    Range,
    New,
    // Any other name.
    Unknown,
};

inline constexpr std::size_t kIlElementCount = static_cast<std::size_t>(IlElement::Unknown);
// The statements come first: AssignStmt .. With.
inline constexpr std::size_t kStatementKinds = static_cast<std::size_t>(IlElement::With) + 1;

inline constexpr bool IsStatement(IlElement element) {
    return static_cast<std::size_t>(element) < kStatementKinds;
}

// The element an IL name stands for, letter case ignored; Unknown for a name
// the IL does not use.
IlElement IlElementOf(std::string_view name);
// The name the IL writes for an element ("" for Unknown).
std::string_view IlElementName(IlElement element);

} // namespace rq::script
