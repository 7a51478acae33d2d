// Property tables of the option records. The records are plain values, so
// each property reads and writes its field directly.
#include "report/model/options.h"

#include "base/date_time.h"

namespace rq::report::model {
namespace {

// Accessor pair of a public field, for the property tables.
template <auto Field> auto get() {
    return [](const auto& o) { return o.*Field; };
}
template <auto Field> auto put() {
    return [](auto& o, auto v) { o.*Field = static_cast<std::decay_t<decltype(o.*Field)>>(v); };
}
template <auto Field> auto ref() {
    return [](auto& o) -> auto& {
        return o.*Field;
    };
}

} // namespace

const ClassInfo& TfrxEngineOptions::StaticClass() {
    using O = TfrxEngineOptions;
    static const ClassInfo info(
        "TfrxEngineOptions", nullptr,
        PropTable<O>()
            .boolean("ConvertNulls", get<&O::ConvertNulls>(), put<&O::ConvertNulls>(), true)
            .boolean("DoublePass", get<&O::DoublePass>(), put<&O::DoublePass>(), false)
            .integer("MaxMemSize", get<&O::MaxMemSize>(), put<&O::MaxMemSize>(), 10000000)
            .boolean("PrintIfEmpty", get<&O::PrintIfEmpty>(), put<&O::PrintIfEmpty>(), true)
            .boolean("SilentMode", get<&O::SilentMode>(), put<&O::SilentMode>(), false)
            .string("TempDir", get<&O::TempDir>(), put<&O::TempDir>())
            .boolean("UseFileCache", get<&O::UseFileCache>(), put<&O::UseFileCache>(), false)
            .done());
    return info;
}

const ClassInfo& TfrxPreviewOptions::StaticClass() {
    using O = TfrxPreviewOptions;
    static const ClassInfo info(
        "TfrxPreviewOptions", nullptr,
        PropTable<O>()
            .boolean("AllowEdit", get<&O::AllowEdit>(), put<&O::AllowEdit>(), true)
            .set("Buttons", kTfrxPreviewButtonsType, get<&O::Buttons>(), put<&O::Buttons>(),
                 kAllButtons)
            .boolean("DoubleBuffered", get<&O::DoubleBuffered>(), put<&O::DoubleBuffered>(), true)
            .boolean("Maximized", get<&O::Maximized>(), put<&O::Maximized>(), true)
            .boolean("MDIChild", get<&O::MDIChild>(), put<&O::MDIChild>(), false)
            .boolean("Modal", get<&O::Modal>(), put<&O::Modal>(), true)
            .boolean("OutlineVisible", get<&O::OutlineVisible>(), put<&O::OutlineVisible>(), false)
            .integer("OutlineWidth", get<&O::OutlineWidth>(), put<&O::OutlineWidth>(), 120)
            .boolean("ShowCaptions", get<&O::ShowCaptions>(), put<&O::ShowCaptions>(), false)
            .floating("Zoom", get<&O::Zoom>(), put<&O::Zoom>())
            .enumeration("ZoomMode", kTfrxZoomModeType, get<&O::ZoomMode>(), put<&O::ZoomMode>(),
                         zmDefault)
            .done());
    return info;
}

const ClassInfo& TfrxPrintOptions::StaticClass() {
    using O = TfrxPrintOptions;
    static const ClassInfo info(
        "TfrxPrintOptions", nullptr,
        PropTable<O>()
            .integer("Copies", get<&O::Copies>(), put<&O::Copies>(), 1)
            .boolean("Collate", get<&O::Collate>(), put<&O::Collate>(), true)
            .string("PageNumbers", get<&O::PageNumbers>(), put<&O::PageNumbers>())
            .string("Printer", get<&O::Printer>(), put<&O::Printer>())
            .enumeration("PrintPages", kTfrxPrintPagesType, get<&O::PrintPages>(),
                         put<&O::PrintPages>(), ppAll)
            .boolean("ShowDialog", get<&O::ShowDialog>(), put<&O::ShowDialog>(), true)
            .done());
    return info;
}

TfrxReportOptions::TfrxReportOptions() : CreateDate(base::now()), LastChange(CreateDate) {}

const ClassInfo& TfrxReportOptions::StaticClass() {
    using O = TfrxReportOptions;
    static const ClassInfo info(
        "TfrxReportOptions", nullptr,
        PropTable<O>()
            .string("Author", get<&O::Author>(), put<&O::Author>())
            .boolean("Compressed", get<&O::Compressed>(), put<&O::Compressed>(), false)
            .floating("CreateDate", get<&O::CreateDate>(), put<&O::CreateDate>())
            .object("Description", "TStrings", ref<&O::Description>())
            .string("InitString", get<&O::InitString>(), put<&O::InitString>())
            .floating("LastChange", get<&O::LastChange>(), put<&O::LastChange>())
            .string("Name", get<&O::Name>(), put<&O::Name>())
            .object("Picture", "TPicture", ref<&O::Picture>())
            .string("VersionBuild", get<&O::VersionBuild>(), put<&O::VersionBuild>())
            .string("VersionMajor", get<&O::VersionMajor>(), put<&O::VersionMajor>())
            .string("VersionMinor", get<&O::VersionMinor>(), put<&O::VersionMinor>())
            .string("VersionRelease", get<&O::VersionRelease>(), put<&O::VersionRelease>())
            .done());
    return info;
}

} // namespace rq::report::model
