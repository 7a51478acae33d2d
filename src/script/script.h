// TfsScript: a scope of named items plus a main statement list, compiled
// from its source lines through a language grammar and run by Execute.
// Scripts chain through Parent: names are looked up in the script itself,
// then in each parent in turn; the chain ends at the global library.
#pragma once

#include "script/items.h"
#include "script/statements.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace rq::script {

class TfsScript;
class TfsProcVariable;
class ScriptRuntime;

// Unit source by name (OnGetUnit) and unit IL by name (OnGetILUnit): the
// callee fills text; an empty text means "not supplied".
using TfsGetUnitEvent =
    std::function<void(TfsScript& sender, const std::string& unitName, std::string& text)>;
// Called before each statement with the unit name and "LINE:COL".
using TfsRunLineEvent =
    std::function<void(TfsScript& sender, const std::string& unitName, const std::string& pos)>;

class TfsScript {
public:
    explicit TfsScript(TfsScript* parent = nullptr);
    // The global library of runtime: the root of its scripts' chains.
    explicit TfsScript(ScriptRuntime& runtime);
    ~TfsScript();
    TfsScript(const TfsScript&) = delete;
    TfsScript& operator=(const TfsScript&) = delete;

    std::vector<std::string> Lines;          // the source text, one entry a line
    std::string SyntaxType = "PascalScript"; // language of Lines
    TfsGetUnitEvent OnGetUnit;
    TfsGetUnitEvent OnGetILUnit;
    TfsRunLineEvent OnRunLine;

    TfsScript* Parent() const { return parent_; }
    void SetParent(TfsScript* parent) { parent_ = parent; }
    // The runtime whose global library ends the chain; raises "Script runtime
    // is not available" for a chain that ends elsewhere.
    ScriptRuntime& Runtime() const;

    // Compiles Lines, adding to the items already present. False on a syntax
    // or semantic error, which ErrorMsg/ErrorPos/ErrorUnit then describe.
    bool Compile();
    // Runs the main statement list; run-time errors propagate after the run
    // flags are reset.
    void Execute();
    // Frees all items and statements and empties the line registry.
    void Clear();

    const std::string& ErrorMsg() const { return errorMsg_; }
    const std::string& ErrorPos() const { return errorPos_; }
    const std::string& ErrorUnit() const { return errorUnit_; }
    void SetError(std::string message, std::string pos, std::string unit);

    TfsCustomVariable* Find(const std::string& name) const;
    TfsCustomVariable* FindLocal(const std::string& name) const;
    TfsClassVariable* FindClass(const std::string& name) const;
    int Count() const { return static_cast<int>(items_.size()); }
    TfsCustomVariable& Items(int index) const { return *items_[static_cast<std::size_t>(index)]; }

    // Registration. Add adds an owned item; AddShared one owned elsewhere
    // (parameters, which belong to their routine).
    TfsCustomVariable& Add(std::unique_ptr<TfsCustomVariable> item);
    void AddShared(TfsCustomVariable& item);
    void AddType(const std::string& name, TfsVarType code);
    TfsClassVariable& AddClass(const std::string& name, const std::string& ancestor,
                               std::function<bool(const rq::base::Object*)> isInstance = {});
    void AddObject(const std::string& name, const std::string& className, rq::base::Object* value);
    void AddComponent(const std::string& name, const std::string& className,
                      rq::base::Object* value);
    void AddVariable(const std::string& name, const std::string& typeName, Variant value);
    void AddConst(const std::string& name, const std::string& typeName, Variant value);
    void AddEnum(const std::string& typeName, const std::string& names);
    void AddEnumSet(const std::string& typeName, const std::string& names);
    TfsMethodHelper& AddMethod(const std::string& declaration, TfsCallMethod handler,
                               const std::string& category = {},
                               const std::string& description = {});

    // Resolves a type name through the chain; raises "Unknown type: 'X'".
    TfsTypeInfo ResolveType(const std::string& name) const;

    // Runs the routine of that name with the arguments; null when the name
    // is no routine. The second form copies by-ref parameters back.
    Variant CallFunction(const std::string& name, const VariantArray& args);
    Variant CallFunction(const std::string& name, VariantArray& args, bool writeBack);

    // Run state, per script: routines run in their own local scripts.
    RunFlags& Flags() { return flags_; }
    // Stops this script and every script below it (routines' local scripts,
    // expression scripts) at the next statement, loop pass or routine call.
    // A host routine or OnRunLine calls it; the next Execute clears it.
    void Terminate() { flags_.Terminated = true; }
    // A stop request the host sets from outside the run (a time limit, an
    // interrupt), from a signal handler or another thread: scripts below
    // this one take it as Terminate. It is not cleared by Execute; null for
    // none. The flag must outlive the script's runs.
    void SetStopRequest(const std::atomic<bool>* request) { stopRequest_ = request; }
    // Whether this script, or one above it, is terminated or asked to stop;
    // sets this script's Terminated so that its statement lists end too.
    bool CheckTerminated();

    // Whether scripts below this one may read and write files (the file and
    // stream classes' file routines, uses clauses without OnGetUnit): the
    // nearest script in the chain that was given a setting decides; without
    // any, files are allowed. A refused routine is a run-time error, a
    // refused unit file a compile error.
    void SetFileAccess(bool allowed) { fileAccess_ = allowed ? 1 : 0; }
    bool FileAccessAllowed() const;
    bool IsRunning() const { return running_; }
    void SetRunning(bool value) { running_ = value; }
    // The local script of the routine running under this script's OnRunLine.
    TfsScript* ProgRunning = nullptr;

    TfsStatementList& Statements() { return statements_; }
    // Lines holding statements: unit name -> comma list of line numbers.
    const std::map<std::string, std::string>& LineRegistry() const { return lineRegistry_; }
    void RegisterLine(const std::string& unit, const std::string& pos);
    // Dispatches OnRunLine to the first script in the chain that has one.
    void RunLine(const std::string& unit, const std::string& pos) {
        for (TfsScript* s = this; s != nullptr; s = s->parent_) {
            if (s->OnRunLine) {
                s->OnRunLine(*this, unit, pos);
                return;
            }
        }
    }
    // True when some script in the chain listens to OnRunLine.
    bool HasRunLine() const;

    // Expires when the script is destroyed: holders of a plain pointer to
    // the script (event adapters) check it before calling in.
    std::weak_ptr<const void> Alive() const;

private:
    TfsScript* parent_;                                         // next script of the lookup chain
    ScriptRuntime* runtime_ = nullptr;                          // set on a runtime's global library
    std::vector<TfsCustomVariable*> items_;                     // insertion order
    std::vector<std::unique_ptr<TfsCustomVariable>> owned_;     // items this script frees
    std::unordered_map<std::string, TfsCustomVariable*> index_; // upper name -> first item
    TfsStatementList statements_;                               // the main program
    std::map<std::string, std::string> lineRegistry_;
    std::map<std::string, std::unordered_set<int>> lineNumbers_; // lines already registered
    std::string errorMsg_, errorPos_, errorUnit_;                // of the last compilation
    RunFlags flags_;                                 // Terminated, Break, Continue, Exit
    const std::atomic<bool>* stopRequest_ = nullptr; // the host's stop request, or null
    int fileAccess_ = -1;                            // 1 allowed, 0 refused, -1 as the parent says
    bool running_ = false;                           // Execute or a routine is running
    mutable std::shared_ptr<const void> alive_;      // made by the first Alive()
};

} // namespace rq::script
