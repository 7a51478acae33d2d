// Statements. Every statement first dispatches OnRunLine, does nothing when
// its script is terminated, then runs. Break, Continue and Exit are flags of
// the script that owns the statement (a routine's local script inside a
// routine), checked after every statement of a list.
#pragma once

#include "script/designator.h"
#include "script/expression.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rq::script {

class TfsScript;

struct RunFlags {
    bool Terminated = false; // the host stopped the script
    bool Break = false;      // leave the innermost loop
    bool Continue = false;   // next pass of the innermost loop
    bool Exit = false;       // leave the routine or program
    bool StopsList() const { return Terminated || Break || Continue || Exit; }
};

class TfsStatement {
public:
    TfsStatement(TfsScript& script, std::string pos, std::string unit);
    virtual ~TfsStatement();
    void Exec();
    virtual void Run() = 0;
    TfsScript& Script() const { return *script_; }
    const std::string& Pos() const { return pos_; }

protected:
    TfsScript* script_; // the script whose flags the statement obeys
    std::string pos_;   // "LINE:COL"
    std::string unit_;  // unit name, "" for the main text
};

class TfsStatementList {
public:
    void Add(std::unique_ptr<TfsStatement> statement) { list_.push_back(std::move(statement)); }
    void Clear() { list_.clear(); }
    bool Empty() const { return list_.empty(); }
    std::size_t Size() const { return list_.size(); }
    // Runs in order, stopping after a statement that set a stopping flag.
    void Run(TfsScript& script);

private:
    std::vector<std::unique_ptr<TfsStatement>> list_;
};

class TfsAssignmentStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
    std::unique_ptr<TfsDesignator> target;
    std::unique_ptr<TfsExpression> value;
};

// x := x op e in one step: read x, combine with e, write x.
enum class TfsCompoundOp { Plus, Minus, Mul, Div };

class TfsCompoundAssignStmt : public TfsAssignmentStmt {
public:
    TfsCompoundAssignStmt(TfsScript& script, std::string pos, std::string unit, TfsCompoundOp op)
        : TfsAssignmentStmt(script, std::move(pos), std::move(unit)), op_(op) {}
    void Run() override;

private:
    void Combine(const Variant& right);

    TfsCompoundOp op_;
    const Variant* operandSlot_ = nullptr; // the operand when it is a plain variable
    bool bound_ = false;                   // operandSlot_ looked up
};

class TfsAssignPlusStmt : public TfsCompoundAssignStmt {
public:
    TfsAssignPlusStmt(TfsScript& s, std::string p, std::string u)
        : TfsCompoundAssignStmt(s, std::move(p), std::move(u), TfsCompoundOp::Plus) {}
};
class TfsAssignMinusStmt : public TfsCompoundAssignStmt {
public:
    TfsAssignMinusStmt(TfsScript& s, std::string p, std::string u)
        : TfsCompoundAssignStmt(s, std::move(p), std::move(u), TfsCompoundOp::Minus) {}
};
class TfsAssignMulStmt : public TfsCompoundAssignStmt {
public:
    TfsAssignMulStmt(TfsScript& s, std::string p, std::string u)
        : TfsCompoundAssignStmt(s, std::move(p), std::move(u), TfsCompoundOp::Mul) {}
};
class TfsAssignDivStmt : public TfsCompoundAssignStmt {
public:
    TfsAssignDivStmt(TfsScript& s, std::string p, std::string u)
        : TfsCompoundAssignStmt(s, std::move(p), std::move(u), TfsCompoundOp::Div) {}
};

class TfsCallStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
    std::unique_ptr<TfsDesignator> designator;
};

class TfsIfStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
    std::unique_ptr<TfsExpression> condition;
    TfsStatementList thenList, elseList;
};

class TfsCaseSelector {
public:
    std::unique_ptr<TfsSetExpression> set;
    TfsStatementList statements;
};

class TfsCaseStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
    std::unique_ptr<TfsExpression> selector;
    std::vector<TfsCaseSelector> selectors;
    TfsStatementList elseList;
};

class TfsRepeatStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
    TfsStatementList body;
    std::unique_ptr<TfsExpression> condition;
    bool inverse = false; // repeat while the condition holds
};

class TfsWhileStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
    std::unique_ptr<TfsExpression> condition;
    TfsStatementList body;
};

class TfsForStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
    TfsCustomVariable* variable = nullptr; // the numeric loop variable
    std::unique_ptr<TfsExpression> begin, end;
    bool down = false;
    TfsStatementList body;
};

class TfsTryStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
    TfsStatementList body;
    TfsStatementList handler; // the except- or finally-list
    bool isExcept = false;
};

class TfsBreakStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
};

class TfsContinueStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
};

class TfsExitStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
};

class TfsWithStmt : public TfsStatement {
public:
    using TfsStatement::TfsStatement;
    void Run() override;
    std::unique_ptr<TfsDesignator> designator;
    TfsVariable* hidden = nullptr; // holds the object while the body runs
    TfsStatementList body;
};

} // namespace rq::script
