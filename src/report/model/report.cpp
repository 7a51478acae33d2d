// TfrxReport: property table, Clear, reading back with the options that
// stay in force, files, and the collections as defined data.
#include "report/model/report.h"

#include "base/exceptions.h"
#include "base/system_error.h"
#include "report/model/page.h"
#include "report/model/serializer.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace rq::report::model {
namespace {

constexpr std::array<std::string_view, 8> kSystemVariableNames{
    "Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#", "Line", "Line#"};

} // namespace

const ClassInfo& TfrxReport::StaticClass() {
    using R = TfrxReport;
    static const ClassInfo info(
        "TfrxReport", &TfrxComponent::StaticClass(),
        PropTable<R>()
            .string("DataSetName", &R::DataSetName, &R::SetDataSetName)
            .boolean("DotMatrixReport", &R::DotMatrixReport, &R::SetDotMatrixReport, false)
            .object("EngineOptions", "TfrxEngineOptions",
                    static_cast<TfrxEngineOptions& (R::*)()>(&R::EngineOptions))
            .string("IniFile", &R::IniFile, &R::SetIniFile)
            .object("PreviewOptions", "TfrxPreviewOptions",
                    static_cast<TfrxPreviewOptions& (R::*)()>(&R::PreviewOptions))
            .object("PrintOptions", "TfrxPrintOptions",
                    static_cast<TfrxPrintOptions& (R::*)()>(&R::PrintOptions))
            .object("ReportOptions", "TfrxReportOptions",
                    static_cast<TfrxReportOptions& (R::*)()>(&R::ReportOptions))
            .string("ScriptLanguage", &R::ScriptLanguage, &R::SetScriptLanguage)
            .object("ScriptText", "TStrings", static_cast<TStrings& (R::*)()>(&R::ScriptText))
            .string("OnStartReport", &R::OnStartReport, &R::SetOnStartReport)
            .string("OnStopReport", &R::OnStopReport, &R::SetOnStopReport)
            .done(),
        &createComponent<TfrxReport>);
    return info;
}

TfrxReport::TfrxReport() {
    report_ = this;
    TfrxReport::Clear();
}

TfrxReport::~TfrxReport() {
    TfrxComponent::Clear();
}

TfrxReportPage* TfrxReport::Pages(int index) const {
    return dynamic_cast<TfrxReportPage*>(Objects(index));
}

void TfrxReport::Clear() {
    TfrxComponent::Clear();
    dataSets_.Clear();
    variables_.Clear();
    styles_.Clear();
    engineOptions_.ConvertNulls = true;
    engineOptions_.DoublePass = false;
    previewOptions_.OutlineVisible = false;
    previewOptions_.OutlineWidth = 120;
    printOptions_ = TfrxPrintOptions();
    reportOptions_ = TfrxReportOptions();
    dataSetName_.clear();
    dotMatrixReport_ = false;
    scriptLanguage_ = "PascalScript";
    scriptText_ = TStrings{"begin", "", "end."};
    systemVariableNames_.Clear();
    for (std::string_view name : kSystemVariableNames)
        systemVariableNames_.Add(std::string(name));
}

void TfrxReport::LoadFromStream(std::istream& stream) {
    errors_.Clear();
    TfrxComponent::LoadFromStream(stream);
    ShowErrors();
}

void TfrxReport::Reload(std::istream& stream) {
    const TfrxEngineOptions engine = engineOptions_;
    const TfrxPreviewOptions preview = previewOptions_;
    const std::string iniFile = iniFile_;
    errors_.Clear();
    TfrxComponent::LoadFromStream(stream);
    const bool convertNulls = engineOptions_.ConvertNulls;
    const bool doublePass = engineOptions_.DoublePass;
    engineOptions_ = engine;
    engineOptions_.ConvertNulls = convertNulls;
    engineOptions_.DoublePass = doublePass;
    const bool outlineVisible = previewOptions_.OutlineVisible;
    const std::int32_t outlineWidth = previewOptions_.OutlineWidth;
    previewOptions_ = preview;
    previewOptions_.OutlineVisible = outlineVisible;
    previewOptions_.OutlineWidth = outlineWidth;
    iniFile_ = iniFile;
    ShowErrors();
}

namespace {

ReportEngineSlot& attachedEngine(ReportEngineSlot* engine) {
    if (engine == nullptr)
        throw base::Exception("Report engine is not available");
    return *engine;
}

} // namespace

bool TfrxReport::Prepare(bool ClearPrevious) {
    return attachedEngine(engine_.get()).Prepare(ClearPrevious);
}

base::Variant TfrxReport::Calc(const std::string& expression) {
    return attachedEngine(engine_.get()).Calc(expression);
}

void TfrxReport::ShowErrors() const {
    if (errors_.Empty() || engineOptions_.SilentMode || !OnShowErrors)
        return;
    OnShowErrors("The following error(s) have occured:\r\n" + errors_.Text());
}

bool TfrxReport::LoadFromFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return false;
    LoadFromStream(file);
    return true;
}

void TfrxReport::SaveToFile(const std::string& fileName) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file)
        base::raiseCannotCreateFile(fileName, base::systemErrorText(errno));
    SaveToStream(file);
}

// The three collections are written always, also when empty.
std::string TfrxReport::DefinedData() const {
    CollectionWriter writer;
    writer.write("Datasets", dataSets_.Persistents());
    writer.write("Variables", variables_.Persistents());
    writer.write("Style", styles_.Persistents());
    return writer.data();
}

void TfrxReport::ReadDefinedData(std::string_view data) {
    CollectionReader reader(data);
    dataSets_.Clear();
    variables_.Clear();
    styles_.Clear();
    reader.read("Datasets", [this]() -> Persistent& { return dataSets_.Add(); });
    reader.read("Variables", [this]() -> Persistent& { return variables_.Add(); });
    reader.read("Style", [this]() -> Persistent& { return styles_.Add(); });
}

} // namespace rq::report::model
