// DiffAttributes: a prepared copy as the attributes in which it differs
// from its reference copy, in the fixed order of the row tables below.
// Values are read through the property registry; numbers differ only when
// they are more than 0.0001 apart.
#include "report/model/band.h"
#include "report/model/float_text.h"
#include "report/model/memo_view.h"
#include "report/model/picture_view.h"
#include "report/model/serializer.h"

#include <array>
#include <cmath>

namespace rq::report::model {
namespace {

constexpr Extended kTolerance = 0.0001;

constexpr std::array<std::string_view, 5> kFontRows{"Name", "Size", "Color", "Style", "Charset"};
constexpr std::array<std::string_view, 14> kViewRows{"BrushStyle",
                                                     "Align",
                                                     "Color",
                                                     "Frame.Color",
                                                     "Frame.DropShadow",
                                                     "Frame.ShadowColor",
                                                     "Frame.ShadowWidth",
                                                     "Frame.Style",
                                                     "Frame.Typ",
                                                     "Frame.Width",
                                                     "Cursor",
                                                     "Printable",
                                                     "TagStr",
                                                     "URL"};
constexpr std::array<std::string_view, 7> kMemoRowsBeforeText{
    "AutoWidth", "CharSpacing", "GapX", "GapY", "HAlign", "Highlight.Active", "LineSpacing"};
constexpr std::array<std::string_view, 6> kMemoRowsAfterText{
    "ParagraphGap", "Rotation", "RTLReading", "Underlines", "VAlign", "WordWrap"};

// The property at a dotted path and the object holding it.
const PropInfo* resolve(const Persistent& object, std::string_view path,
                        const Persistent*& holder) {
    holder = &object;
    std::size_t dot;
    while ((dot = path.find('.')) != std::string_view::npos) {
        const PropInfo* p = holder->ClassType().find(path.substr(0, dot));
        if (!p || p->kind != PropKind::Class)
            return nullptr;
        holder = p->getObject(*holder);
        path = path.substr(dot + 1);
    }
    return holder->ClassType().find(path);
}

bool differs(const PropInfo& p, const Persistent& a, const Persistent& b) {
    switch (p.kind) {
    case PropKind::Float:
        return std::fabs(p.getFloat(a) - p.getFloat(b)) > kTolerance;
    case PropKind::String:
        return p.getStr(a) != p.getStr(b);
    case PropKind::Integer:
    case PropKind::Enum:
    case PropKind::Set:
        return p.getOrd(a) != p.getOrd(b);
    default:
        return false;
    }
}

std::string valueText(const PropInfo& p, const Persistent& object) {
    switch (p.kind) {
    case PropKind::Float:
        return floatText(p.getFloat(object));
    case PropKind::String:
        return escapeXml(p.getStr(object));
    default:
        return std::to_string(p.getOrd(object));
    }
}

void put(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

// One row: the attribute when the value differs.
void row(std::string& out, const Persistent& object, const Persistent& reference,
         std::string_view path, std::string_view attribute = {}) {
    const Persistent *a = nullptr, *b = nullptr;
    const PropInfo* p = resolve(object, path, a);
    if (p && resolve(reference, path, b) && differs(*p, *a, *b))
        put(out, attribute.empty() ? path : attribute, valueText(*p, *a));
}

void floatRow(std::string& out, std::string_view name, Extended value, Extended reference) {
    if (std::fabs(value - reference) > kTolerance)
        put(out, name, floatText(value));
}

void baseRows(std::string& out, const TfrxComponent& o, const TfrxComponent& r) {
    const auto* view = dynamic_cast<const TfrxView*>(&o);
    const auto* memo = dynamic_cast<const TfrxCustomMemoView*>(&o);
    if (!view || view->Align() == baNone)
        floatRow(out, "l", o.Left(), r.Left());
    if (dynamic_cast<const TfrxBand*>(&o))
        put(out, "t", floatText(o.Top()));
    else
        floatRow(out, "t", o.Top(), r.Top());
    if (!memo || !memo->AutoWidth())
        floatRow(out, "w", o.Width(), r.Width());
    floatRow(out, "h", o.Height(), r.Height());
    if (o.Visible() != r.Visible())
        put(out, "Visible", o.Visible() ? "1" : "0");
    if (!o.ParentFont()) {
        for (std::string_view name : kFontRows) {
            const PropInfo& p = *TFont::StaticClass().find(name);
            if (differs(p, o.Font(), r.Font()))
                put(out, "Font." + std::string(name), valueText(p, o.Font()));
        }
    }
    if (o.ParentFont() != r.ParentFont())
        put(out, "ParentFont", o.ParentFont() ? "1" : "0");
    if (o.Tag() != r.Tag())
        put(out, "Tag", std::to_string(o.Tag()));
}

void memoRows(std::string& out, const TfrxCustomMemoView& o, const TfrxCustomMemoView& r) {
    for (std::string_view path : kMemoRowsBeforeText)
        row(out, o, r, path);
    put(out, "x", escapeXml(o.Memo().StreamText()));
    for (std::string_view path : kMemoRowsAfterText)
        row(out, o, r, path);
}

} // namespace

std::string ShortDiffAttributes(const TfrxComponent& object, const TfrxComponent& reference) {
    std::string out;
    baseRows(out, object, reference);
    return out;
}

std::string DiffAttributes(const TfrxComponent& object, const TfrxComponent& reference) {
    if (object.FullSerialize())
        return TfrxXMLSerializer().ObjAttributes(object) + ShortDiffAttributes(object, reference);
    std::string out;
    if (const auto* picture = dynamic_cast<const TfrxPictureView*>(&object)) {
        if (picture->PictureChanged)
            put(out, "Picture.PropData", toHex(picture->Picture().DefinedData()));
        baseRows(out, object, reference);
        return out;
    }
    baseRows(out, object, reference);
    if (dynamic_cast<const TfrxView*>(&object)) {
        for (std::string_view path : kViewRows)
            row(out, object, reference, path);
    }
    const auto* memo = dynamic_cast<const TfrxCustomMemoView*>(&object);
    const auto* memoRef = dynamic_cast<const TfrxCustomMemoView*>(&reference);
    if (memo && memoRef)
        memoRows(out, *memo, *memoRef);
    return out;
}

} // namespace rq::report::model
