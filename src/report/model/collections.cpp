// Item property tables, variable lookup, style application and the byte
// transformation of streamed collection items.
#include "report/model/collections.h"

#include "base/text1250.h"
#include "report/model/memo_view.h"

namespace rq::report::model {

const ClassInfo& TfrxDataSetItem::StaticClass() {
    using I = TfrxDataSetItem;
    static const ClassInfo info("TfrxDataSetItem", nullptr,
                                PropTable<I>()
                                    .string(
                                        "DataSetName", [](const I& i) { return i.DataSetName; },
                                        [](I& i, const std::string& v) { i.DataSetName = v; })
                                    .done());
    return info;
}

const ClassInfo& TfrxVariable::StaticClass() {
    using I = TfrxVariable;
    static const ClassInfo info("TfrxVariable", nullptr,
                                PropTable<I>()
                                    .string(
                                        "Name", [](const I& i) { return i.Name; },
                                        [](I& i, const std::string& v) { i.Name = v; })
                                    .variant(
                                        "Value", [](const I& i) { return i.Value; },
                                        [](I& i, const base::Variant& v) { i.Value = v; })
                                    .done());
    return info;
}

const ClassInfo& TfrxStyleItem::StaticClass() {
    using I = TfrxStyleItem;
    static const ClassInfo info(
        "TfrxStyleItem", nullptr,
        PropTable<I>()
            .string(
                "Name", [](const I& i) { return i.Name; },
                [](I& i, const std::string& v) { i.Name = v; })
            .integer(
                "Color", [](const I& i) { return i.Color; }, [](I& i, TColor v) { i.Color = v; },
                clNone)
            .object("Font", "TFont", [](I& i) -> TFont& { return i.Font; })
            .object("Frame", "TfrxFrame", [](I& i) -> TfrxFrame& { return i.Frame; })
            .done());
    return info;
}

int TfrxVariables::IndexOf(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        if (base::sameText(Items(i).Name, name))
            return i;
    }
    return -1;
}

base::Variant TfrxVariables::Get(std::string_view name) const {
    const int i = IndexOf(name);
    return i < 0 ? base::Variant::null() : Items(i).Value;
}

void TfrxVariables::Set(std::string_view name, const base::Variant& value) {
    const int i = IndexOf(name);
    if (i >= 0) {
        Items(i).Value = value;
        return;
    }
    TfrxVariable& item = Add();
    item.Name = std::string(name);
    item.Value = value;
}

TfrxStyleItem* TfrxStyles::Find(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        if (base::sameText(Items(i).Name, name))
            return &Items(i);
    }
    return nullptr;
}

void TfrxStyles::ApplyTo(TfrxCustomMemoView& memo, std::string_view name) const {
    if (const TfrxStyleItem* style = Find(name)) {
        memo.SetColor(style->Color);
        memo.SetFont(style->Font);
        memo.SetFrame(style->Frame);
    }
}

std::string encodeHighBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80) {
            out += '\x01';
            out += static_cast<char>(b - 0x80);
        } else {
            out += c;
        }
    }
    return out;
}

std::string decodeHighBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\x01' && i + 1 < text.size()) {
            out += static_cast<char>(static_cast<unsigned char>(text[i + 1]) + 0x80);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace rq::report::model
