// TfrxReport, the root of the tree: its Objects are its pages. It carries
// the option records, the script text and language, the collections, the
// error list of the last load or run and the host's value callback.
#pragma once

#include "report/model/collections.h"
#include "report/model/component.h"
#include "report/model/name_index.h"
#include "report/model/options.h"
#include "report/model/sorted_list.h"
#include "report/model/strings.h"

#include <functional>
#include <memory>

namespace rq::report::model {

class TfrxReportPage;
class TfrxTextMeasure;

// The preparation machinery the engine layer attaches to a report. The
// model sits below the engine, so the report knows only this interface; it
// owns the attached object and forwards Prepare and Calc to it.
class ReportEngineSlot {
public:
    virtual ~ReportEngineSlot() = default;
    virtual bool Prepare(bool ClearPrevious) = 0;
    virtual base::Variant Calc(const std::string& expression) = 0;
};

class TfrxReport : public TfrxComponent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    std::string Description() const override { return "obReport"; }

    TfrxReport();
    // Releases the objects while the name index they are listed in still lives.
    ~TfrxReport() override;

    int PagesCount() const { return Count(); }
    TfrxReportPage* Pages(int index) const;

    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(const std::string& v) { dataSetName_ = v; }
    bool DotMatrixReport() const { return dotMatrixReport_; }
    void SetDotMatrixReport(bool v) { dotMatrixReport_ = v; }
    TfrxEngineOptions& EngineOptions() { return engineOptions_; }
    const TfrxEngineOptions& EngineOptions() const { return engineOptions_; }
    const std::string& IniFile() const { return iniFile_; }
    void SetIniFile(const std::string& v) { iniFile_ = v; }
    TfrxPreviewOptions& PreviewOptions() { return previewOptions_; }
    const TfrxPreviewOptions& PreviewOptions() const { return previewOptions_; }
    TfrxPrintOptions& PrintOptions() { return printOptions_; }
    const TfrxPrintOptions& PrintOptions() const { return printOptions_; }
    TfrxReportOptions& ReportOptions() { return reportOptions_; }
    const TfrxReportOptions& ReportOptions() const { return reportOptions_; }
    const std::string& ScriptLanguage() const { return scriptLanguage_; }
    void SetScriptLanguage(const std::string& v) { scriptLanguage_ = v; }
    TStrings& ScriptText() { return scriptText_; }
    const TStrings& ScriptText() const { return scriptText_; }
    const std::string& OnStartReport() const { return onStartReport_; }
    void SetOnStartReport(const std::string& v) { onStartReport_ = v; }
    const std::string& OnStopReport() const { return onStopReport_; }
    void SetOnStopReport(const std::string& v) { onStopReport_ = v; }

    TfrxDataSets& DataSets() { return dataSets_; }
    TfrxVariables& Variables() { return variables_; }
    TfrxStyles& Styles() { return styles_; }
    const TfrxStyles& Styles() const { return styles_; }
    SortedStringList& Errors() { return errors_; }
    const SortedStringList& Errors() const { return errors_; }
    TStrings& SystemVariableNames() { return systemVariableNames_; }
    // Name of the object being processed; prefixes expression errors.
    std::string CurrentObjectName;

    // The host's value callback: gets a name exactly as written, may set
    // the value; leaving it Empty declines.
    std::function<void(const std::string& name, base::Variant& value)> OnGetValue;

    // Shows the error box of a load or run: the host supplies it (caption
    // "Error", error icon); text is the heading, CR LF and the error lines.
    std::function<void(const std::string& text)> OnShowErrors;
    // Calls OnShowErrors when the ErrorList is not empty and SilentMode is off.
    void ShowErrors() const;

    // The attached engine; null until the engine layer attaches one.
    ReportEngineSlot* Engine() const { return engine_.get(); }
    void SetEngine(std::unique_ptr<ReportEngineSlot> engine) { engine_ = std::move(engine); }
    // How the report's text views are measured (memo_view.h); null until the
    // rendering layer attaches one.
    TfrxTextMeasure* TextMeasure() const { return textMeasure_.get(); }
    void SetTextMeasure(std::shared_ptr<TfrxTextMeasure> measure) {
        textMeasure_ = std::move(measure);
    }
    // Through the attached engine; raise "Report engine is not available"
    // when none is attached.
    bool Prepare(bool ClearPrevious);
    base::Variant Calc(const std::string& expression);

    // Destroys the pages; empties the collections; resets the options the
    // way a new report has them, the script and the system variable names.
    void Clear() override;
    // Reads a report; the ErrorList holds the reading errors afterwards.
    void LoadFromStream(std::istream& stream) override;
    // Reads the report back from its own snapshot (the end of a run): the
    // current engine options stay except ConvertNulls and DoublePass, the
    // preview options except OutlineVisible and OutlineWidth, and IniFile
    // stays as it was.
    void Reload(std::istream& stream);
    // Returns whether the file existed (and was read).
    bool LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    // The three collections as defined data: empty when all are empty.
    std::string DefinedData() const override;
    void ReadDefinedData(std::string_view data) override;

private:
    friend class TfrxComponent; // keeps names_ as the tree changes

    NameIndex names_; // every object below the report by name
    std::string dataSetName_;
    bool dotMatrixReport_ = false;
    TfrxEngineOptions engineOptions_;
    std::string iniFile_ = "\\Software\\Pagecraft";
    TfrxPreviewOptions previewOptions_;
    TfrxPrintOptions printOptions_;
    TfrxReportOptions reportOptions_;
    std::string scriptLanguage_ = "PascalScript";
    TStrings scriptText_;
    std::string onStartReport_, onStopReport_;
    TfrxDataSets dataSets_;
    TfrxVariables variables_;
    TfrxStyles styles_;
    SortedStringList errors_;
    TStrings systemVariableNames_;
    std::shared_ptr<TfrxTextMeasure> textMeasure_;
    // Last, so that it goes first: the engine refers to the members above.
    std::unique_ptr<ReportEngineSlot> engine_;
};

} // namespace rq::report::model
