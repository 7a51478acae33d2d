// Writing objects: attribute text from the property tables and elements
// for component trees.
#include "report/model/collections.h"
#include "report/model/float_text.h"
#include "report/model/serializer.h"

#include "base/hex.h"
#include "report/model/strings.h"

#include "base/date_text.h"

#include <ostream>

namespace rq::report::model {
namespace {

// The value text forms of variants.
std::string variantText(const base::Variant& v) {
    using base::VarType;
    switch (v.type()) {
    case VarType::SmallInt:
    case VarType::Integer:
    case VarType::Byte:
    case VarType::Int64:
        return std::to_string(v.toInt64());
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
        return floatText(v.toDouble());
    case VarType::Date:
        return base::dateToStr(v.toDate());
    case VarType::String:
    case VarType::WideString:
        return v.toString();
    case VarType::Boolean:
        return v.toBoolean() ? "1" : "0";
    default:
        return {};
    }
}

bool ordinalStored(const PropInfo& p, std::int64_t value, bool serializeDefaults) {
    return serializeDefaults || !p.ordDefault || *p.ordDefault != value;
}

void append(std::string& out, std::string_view prefix, std::string_view name,
            std::string_view value) {
    out += ' ';
    out += prefix;
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

} // namespace

std::string TfrxXMLSerializer::stringValue(std::string value) const {
    return escapeXml(TransformHighBytes ? encodeHighBytes(value) : value);
}

void TfrxXMLSerializer::writeProperty(const Persistent& object, const PropInfo& p,
                                      std::string_view prefix, std::string& out) const {
    switch (p.kind) {
    case PropKind::Integer:
    case PropKind::Set: {
        const std::int64_t v = p.getOrd(object);
        if (ordinalStored(p, v, SerializeDefaultValues))
            append(out, prefix, p.name, std::to_string(v));
        break;
    }
    case PropKind::Enum: {
        const std::int64_t v = p.getOrd(object);
        if (ordinalStored(p, v, SerializeDefaultValues)) {
            const std::string_view name = p.type->nameOf(v);
            append(out, prefix, p.name, name.empty() ? std::to_string(v) : std::string(name));
        }
        break;
    }
    case PropKind::Float:
        append(out, prefix, p.name, floatText(p.getFloat(object)));
        break;
    case PropKind::String: {
        std::string v = p.getStr(object);
        if (!v.empty() || SerializeDefaultValues)
            append(out, prefix, p.name, stringValue(std::move(v)));
        break;
    }
    case PropKind::Variant: {
        const base::Variant v = p.getVar(object);
        if (SerializeDefaultValues || !(v.isEmpty() || v.isNull()))
            append(out, prefix, p.name, stringValue(variantText(v)));
        break;
    }
    case PropKind::Reference:
        if (const TfrxComponent* target = p.getRef(object))
            append(out, prefix, p.name, escapeXml(target->Name()));
        break;
    case PropKind::Class: {
        const Persistent* sub = p.getObject(object);
        if (const auto* lines = dynamic_cast<const TStrings*>(sub))
            append(out, prefix, std::string(p.name) + ".Text", stringValue(lines->StreamText()));
        else
            out += ObjAttributes(*sub, std::string(prefix) + std::string(p.name) + ".");
        break;
    }
    }
}

std::string TfrxXMLSerializer::ObjAttributes(const Persistent& object,
                                             std::string_view prefix) const {
    std::string out;
    for (const PropInfo* p : object.ClassType().properties()) {
        if (p->isStored(object))
            writeProperty(object, *p, prefix, out);
    }
    const std::string defined = object.DefinedData();
    if (!defined.empty())
        append(out, prefix, "PropData", toHex(defined));
    return out;
}

std::string TfrxXMLSerializer::ClassAndAttributes(const TfrxComponent& object) const {
    return std::string(object.ClassName()) + ObjAttributes(object);
}

void TfrxXMLSerializer::WriteComponent(const TfrxComponent& object, bool withChildren,
                                       TfrxXMLItem& item, const std::string* rootName) const {
    // Iterative, like the reader: depth is bounded by memory, not the stack.
    std::vector<std::pair<const TfrxComponent*, TfrxXMLItem*>> work{{&object, &item}};
    while (!work.empty()) {
        auto [obj, element] = work.back();
        work.pop_back();
        const std::string& name = obj == &object && rootName ? *rootName : obj->Name();
        element->SetName(std::string(obj->ClassName()));
        element->SetText("Name=\"" + name + "\"" + ObjAttributes(*obj));
        if (!withChildren)
            continue;
        std::vector<TfrxXMLItem*> children;
        for (int i = 0; i < obj->Count(); ++i)
            children.push_back(&element->Add());
        for (int i = obj->Count() - 1; i >= 0; --i)
            work.emplace_back(obj->Objects(i), children[static_cast<std::size_t>(i)]);
    }
}

void TfrxXMLSerializer::WriteRootComponent(const TfrxComponent& object, bool withChildren,
                                           std::ostream& stream,
                                           const std::string& rootName) const {
    TfrxXMLDocument document;
    document.AutoIndent = true;
    WriteComponent(object, withChildren, document.Root(), &rootName);
    document.SaveToStream(stream);
}

std::string toHex(std::string_view bytes) {
    return base::bytesToHex(bytes);
}

} // namespace rq::report::model
