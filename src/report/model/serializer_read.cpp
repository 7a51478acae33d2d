// Reading objects: attributes applied one at a time through the property
// tables, child elements created by class name, references resolved last.
#include "report/model/float_text.h"
#include "report/model/memo_view.h"
#include "report/model/read_error.h"
#include "report/model/report.h"
#include "report/model/serializer.h"

#include "base/exceptions.h"
#include "base/hex.h"
#include "base/number_text.h"
#include "base/text1250.h"

#include <istream>

namespace rq::report::model {
namespace {

[[noreturn]] void raiseInvalidPropertyValue() {
    throw base::Exception("Invalid property value");
}

bool isDecimal(std::string_view text) {
    std::int64_t ignored = 0;
    return base::tryStrToInt64(text, ignored);
}

std::int64_t enumValue(const PropInfo& p, std::string_view value) {
    const std::int64_t v = isDecimal(value) ? base::strToInt64(value) : p.type->valueOf(value);
    if (v < 0 || v >= static_cast<std::int64_t>(p.type->values.size()))
        raiseInvalidPropertyValue();
    return v;
}

// The bounds and memo-text shorthands of difference attributes.
bool applyShorthand(Persistent& object, std::string_view name, std::string_view value) {
    auto* c = dynamic_cast<TfrxComponent*>(&object);
    if (!c || name.size() != 1)
        return false;
    switch (name[0]) {
    case 'l':
        c->SetLeft(floatFromText(value));
        return true;
    case 't':
        c->SetTop(floatFromText(value));
        return true;
    case 'w':
        c->SetWidth(floatFromText(value));
        return true;
    case 'h':
        c->SetHeight(floatFromText(value));
        return true;
    case 'x':
        if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(c))
            memo->Memo().SetStreamText(unescapeXml(value));
        return true;
    default:
        return false;
    }
}

} // namespace

std::string fromHex(std::string_view hex) {
    std::optional<std::string> bytes = base::hexToBytes(hex);
    if (!bytes)
        raiseStreamReadError();
    return std::move(*bytes);
}

void TfrxXMLSerializer::setProperty(Persistent& object, const PropInfo& p, std::string_view value) {
    switch (p.kind) {
    case PropKind::Enum:
        p.setOrd(object, enumValue(p, value));
        break;
    case PropKind::Float:
        p.setFloat(object, floatFromText(value));
        break;
    case PropKind::String:
        p.setStr(object, unescapeXml(value));
        break;
    case PropKind::Variant:
        p.setVar(object, base::Variant(unescapeXml(value)));
        break;
    case PropKind::Integer:
        p.setOrd(object, base::strToInt(value));
        break;
    case PropKind::Set:
        p.setOrd(object, base::strToInt(value) & p.type->setMask());
        break;
    case PropKind::Reference:
        fixups_.push_back({&object, &p, unescapeXml(value)});
        break;
    case PropKind::Class:
        break;
    }
}

void TfrxXMLSerializer::applyAttribute(Persistent& object, std::string_view name,
                                       std::string_view value) {
    if (applyShorthand(object, name, value))
        return;
    Persistent* target = &object;
    std::size_t dot;
    while ((dot = name.find('.')) != std::string_view::npos) {
        const PropInfo* p = target->ClassType().find(name.substr(0, dot));
        if (!p || p->kind != PropKind::Class)
            return;
        target = p->getObject(*target);
        name = name.substr(dot + 1);
    }
    if (auto* lines = dynamic_cast<TStrings*>(target); lines && name == "text") {
        lines->SetStreamText(unescapeXml(value));
        return;
    }
    if (name == "propdata") {
        target->ReadDefinedData(fromHex(value));
        return;
    }
    if (const PropInfo* p = target->ClassType().find(name))
        setProperty(*target, *p, value);
}

void TfrxXMLSerializer::ReadPersistentStr(Persistent& object, std::string_view text) {
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = text.find('"', pos);
        if (open == std::string_view::npos || open == pos)
            return;
        const std::string name = base::trim(base::lowerCase(text.substr(pos, open - pos - 1)));
        if (name.empty())
            return;
        std::size_t close = text.find('"', open + 1);
        if (close == std::string_view::npos)
            close = text.size();
        try {
            applyAttribute(object, name, text.substr(open + 1, close - open - 1));
        } catch (const std::exception& e) {
            errors_.Add(e.what());
        }
        if (close >= text.size())
            return;
        pos = close + 1;
    }
}

void TfrxXMLSerializer::beginObject(TfrxComponent& object, std::string_view attributes) {
    object.SetLoading(true);
    read_.push_back(object.Ref());
    ReadPersistentStr(object, attributes);
}

TfrxComponent* TfrxXMLSerializer::createChild(TfrxComponent& parent, const TfrxXMLItem& item) {
    const ClassInfo* info = FindClass(item.Name());
    if (!info || !info->canCreate()) {
        errors_.Add("Couldn't find class " + item.Name());
        return nullptr;
    }
    TfrxComponent* child = parent.AdoptChild(info->create());
    beginObject(*child, item.Text());
    return child;
}

void TfrxXMLSerializer::ReadComponent(TfrxComponent& object, const TfrxXMLItem& item) {
    beginObject(object, item.Text());
    // Iterative walk: outside input may nest elements arbitrarily deep.
    struct Open {
        const TfrxXMLItem* item;
        TfrxComponent* object;
        int next;
    };
    std::vector<Open> stack{{&item, &object, 0}};
    while (!stack.empty()) {
        Open& top = stack.back();
        if (top.next >= top.item->Count()) {
            stack.pop_back();
            continue;
        }
        const TfrxXMLItem& childItem = top.item->Items(top.next++);
        if (TfrxComponent* child = createChild(*top.object, childItem))
            stack.push_back({&childItem, child, 0});
    }
    finishRead();
}

void TfrxXMLSerializer::finishRead() {
    for (const Fixup& f : fixups_) {
        TfrxComponent* target = owner_ ? owner_->ObjectByName(f.name) : nullptr;
        if (!target && f.name.find('.') != std::string::npos)
            errors_.Add("Missing " + f.name);
        f.property->setRef(*f.object, target);
    }
    fixups_.clear();
    for (const ComponentRef& ref : read_) {
        if (TfrxComponent* c = ref.get()) {
            c->SetLoading(false);
            if (!dynamic_cast<TfrxReport*>(c))
                c->Loaded();
        }
    }
    read_.clear();
}

void TfrxXMLSerializer::ReadRootComponent(TfrxComponent& object, std::istream& stream) {
    TfrxXMLDocument document;
    document.LoadFromStream(stream);
    ReadComponent(object, document.Root());
}

TfrxComponent* TfrxXMLSerializer::ObjFromText(TfrxComponent& parent, std::string_view text) {
    const std::size_t blank = text.find(' ');
    TfrxXMLItem item;
    item.SetName(std::string(text.substr(0, blank)));
    if (blank != std::string_view::npos)
        item.SetText(std::string(text.substr(blank + 1)));
    TfrxComponent* child = createChild(parent, item);
    finishRead();
    return child;
}

void raiseStreamReadError() {
    throw base::Exception("Stream read error");
}

} // namespace rq::report::model
