// TfrxEngine: the report's preparation machinery. It is attached to a
// report (which owns it through the model's engine slot) together with the
// prepared-pages store it writes into, and gives the report its Prepare,
// Calc and LookupValue, the scripts of a run (BaseScript, ProgramScript and
// the expression cache) and the run itself over band-less pages.
#pragma once

#include "base/date_time.h"
#include "report/engine/custom_preview_pages.h"
#include "report/engine/expression_cache.h"
#include "report/model/band.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/report.h"
#include "report/model/view.h"
#include "report/scripting/report_runtime.h"
#include "script/script.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace rq::report::engine {

class EngineScriptObjects;

class TfrxEngine : public model::ReportEngineSlot, public TfrxEngineState {
public:
    // The engine of report, writing into store (the engine owns the store).
    TfrxEngine(model::TfrxReport& report, std::unique_ptr<TfrxCustomPreviewPages> store);
    ~TfrxEngine() override;
    TfrxEngine(const TfrxEngine&) = delete;
    TfrxEngine& operator=(const TfrxEngine&) = delete;

    model::TfrxReport& Report() const { return report_; }
    TfrxCustomPreviewPages& PreviewPages() const { return *store_; }

    // --- report operations ------------------------------------------------
    // Prepares the report into the store; True exactly when the run ended
    // with an empty ErrorList. ClearPrevious empties the store first.
    bool Prepare(bool ClearPrevious) override;
    // The value of an expression: a name LookupValue answers, else the
    // expression compiled once per run. Raises (after adding the error to
    // the ErrorList) when the expression does not compile.
    base::Variant Calc(const std::string& expression) override;
    // Data field, system variable, report variable, aggregate, BaseScript
    // variable, host callback, in this order; value is Null when none answers.
    bool LookupValue(const std::string& name, base::Variant& value);

    // --- the scripts of a run ---------------------------------------------
    // The report's script runtime: its global library (standard library,
    // report classes, TfrxEngine and TfrxOutline) is the base script's parent;
    // the host installs its ShowMessage hook here.
    scripting::ReportRuntime& Runtime() { return runtime_; }
    script::TfsScript& BaseScript() { return baseScript_; }
    script::TfsScript& ProgramScript() { return programScript_; }
    TfrxExpressionCache& ExpressionCache() { return *expressionCache_; }
    // Expressions compiled since the current (or last) run began; names that
    // LookupValue answers are never compiled.
    int CompiledExpressions() const;

    // --- the run -----------------------------------------------------------
    // Initialises the store, runs every visible report page and finishes;
    // False when initialisation found errors.
    bool Run();
    // Outputs a band with its objects on the current page.
    void ShowBand(model::TfrxBand& band);
    // Page height minus footer height minus current Y (pixels).
    model::Extended FreeSpace() const { return PageHeight - FooterHeight - CurY; }
    // Ends the run after the current page.
    void StopReport() { store_->Terminated = true; }
    // FetchData of one output object: TagStr and URL, a memo's text
    // expansion with highlight and repeated-value suppression, a barcode's
    // expression; then the object's own FetchData.
    void FetchData(model::TfrxReportComponent& object);

    // Gives the script variable "Value" a value (FetchData hands it the
    // memo's last expression value).
    void SetScriptValue(const base::Variant& value);

    bool EngineRunning() const override { return Running; }
    bool EngineFinalPass() const override { return FinalPass; }

    // Host events, called with each band and object around its output.
    std::function<void(model::TfrxComponent& object)> OnBeforePrint;
    std::function<void(model::TfrxComponent& object)> OnAfterPrint;
    // Replaces the page's band output when set.
    std::function<void(model::TfrxReportPage& page)> OnManualBuild;

    // --- run state (pixels at 96 per inch) ---------------------------------
    bool Running = false;                        // from initialisation to finalisation of a run
    bool FinalPass = true;                       // False during the first pass of a two-pass run
    base::DateTime StartDate = 0, StartTime = 0; // Date and Time when the run began
    int TotalPages = 0; // the first pass's page count in a two-pass run, else 0
    model::TfrxReportPage* CurrentPage = nullptr;
    model::TfrxBand* CurrentBand = nullptr;
    model::Extended CurX = 0, CurY = 0;
    model::Extended PageHeight = 0, PageWidth = 0, FooterHeight = 0;
    int CurColumn = 1;
    bool FirstPageOfReport = false;
    int RowCounter = 0, RowCounterAll = 0; // Line and Line#: no data bands, so 0

private:
    using ObjectList = std::vector<model::TfrxReportComponent*>;
    bool prepareScript();
    void addGetAndSet();
    void finishRun();
    void runReportPages();
    void runPage(model::TfrxReportPage& page);
    void runPageOnce(model::TfrxReportPage& page);
    void startFirstPage(model::TfrxReportPage& page);
    void outputLooseObjects(model::TfrxReportPage& page);
    // carrier: the temporary null band of a page's loose objects, which
    // lists objects it does not own and is not itself stored.
    void showBand(model::TfrxBand& band, const ObjectList& objects, bool carrier);
    void beforeOutput(model::TfrxReportComponent& object);
    void prepareBand(model::TfrxBand& band, const ObjectList& objects, bool carrier);
    void stretchObject(const ObjectList& objects, model::TfrxStretcheable& object);
    void outputBand(model::TfrxBand& band, const ObjectList& objects, bool carrier);
    void afterOutput(model::TfrxBand& band, const ObjectList& objects);
    void runEvent(const std::string& procedure, model::TfrxComponent& object);
    bool systemVariable(const std::string& name, base::Variant& value) const;
    void fetchMemo(model::TfrxCustomMemoView& memo);

    model::TfrxReport& report_;
    std::unique_ptr<TfrxCustomPreviewPages> store_;
    scripting::ReportRuntime runtime_;                     // outlives the scripts below
    script::TfsScript baseScript_;                         // parent: runtime_'s global library
    script::TfsScript programScript_;                      // parent: baseScript_; objects, Get, Set
    std::unique_ptr<TfrxExpressionCache> expressionCache_; // parent: programScript_
    std::unique_ptr<EngineScriptObjects> scriptObjects_;   // "Engine" and "Outline"
    script::TfsCustomVariable* valueVariable_ = nullptr;   // the script's "Value"
    std::set<std::string> evaluatingVariables_; // upper-case names of variables being calculated
};

// Attaches a new engine writing into store to the report (replacing any
// engine attached before) and returns it. The report owns both.
TfrxEngine& AttachEngine(model::TfrxReport& report, std::unique_ptr<TfrxCustomPreviewPages> store);
// The engine attached to the report, or null.
TfrxEngine* EngineOf(const model::TfrxReport& report);

} // namespace rq::report::engine
