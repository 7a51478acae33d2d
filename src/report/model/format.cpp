// Property tables of TfrxFormat and TfrxHighlight.
#include "report/model/format.h"

namespace rq::report::model {

const ClassInfo& TfrxFormat::StaticClass() {
    using F = TfrxFormat;
    static const ClassInfo info(
        "TfrxFormat", nullptr,
        PropTable<F>()
            .string("DecimalSeparator", &F::DecimalSeparator, &F::SetDecimalSeparator)
            .string("FormatStr", &F::FormatStr, &F::SetFormatStr)
            .enumeration("Kind", kTfrxFormatKindType, &F::Kind, &F::SetKind, fkText)
            .done());
    return info;
}

const ClassInfo& TfrxHighlight::StaticClass() {
    using H = TfrxHighlight;
    static const ClassInfo info("TfrxHighlight", nullptr,
                                PropTable<H>()
                                    .boolean("Active", &H::Active, &H::SetActive, false)
                                    .integer("Color", &H::Color, &H::SetColor, clNone)
                                    .string("Condition", &H::Condition, &H::SetCondition)
                                    .object("Font", "TFont", static_cast<TFont& (H::*)()>(&H::Font))
                                    .done());
    return info;
}

} // namespace rq::report::model
