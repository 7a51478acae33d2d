// The report model's enumerations (constants 0, 1, 2 ...) and flag sets
// (constants 1, 2, 4 ...) for scripts, taken from the model's type tables
// so that the names cannot drift apart.
#include "report/model/barcode_view.h"
#include "report/model/types.h"
#include "report/scripting/report_library.h"

namespace rq::report::scripting {

namespace {

struct ModelEnum {
    const model::EnumType* type;
    bool isSet;
};

const ModelEnum kModelEnums[] = {
    {&model::kTFontPitchType, false},        {&model::kTBrushStyleType, false},
    {&model::kTFontStylesType, true},        {&model::kTfrxStretchModeType, false},
    {&model::kTfrxShiftModeType, false},     {&model::kTfrxDuplexModeType, false},
    {&model::kTfrxAlignType, false},         {&model::kTfrxFrameStyleType, false},
    {&model::kTfrxHAlignType, false},        {&model::kTfrxVAlignType, false},
    {&model::kTfrxZoomModeType, false},      {&model::kTfrxPrintPagesType, false},
    {&model::kTfrxFrameTypesType, true},     {&model::kTfrxRestrictionsType, true},
    {&model::kTfrxPreviewButtonsType, true}, {&model::kTfrxBarcodeTypeType, false},
};

// "a, b, c" from a type table.
std::string JoinNames(const model::EnumType& type) {
    std::string names;
    for (std::string_view name : type.values) {
        if (!names.empty())
            names += ", ";
        names += name;
    }
    return names;
}

} // namespace

void AddReportEnumerations(script::TfsScript& script) {
    for (const ModelEnum& e : kModelEnums) {
        if (e.isSet)
            script.AddEnumSet(std::string(e.type->name), JoinNames(*e.type));
        else
            script.AddEnum(std::string(e.type->name), JoinNames(*e.type));
    }
}

} // namespace rq::report::scripting
