// The one property registry of the report model. Every streamable class
// declares its published properties once, in declaration order, in a table
// (name, kind, default, stored predicate, getter, setter); its ClassInfo
// joins the ancestors' tables in front. The serializer, the difference
// writer, the prepared-pages store and the script engine all read objects
// through these tables, so no class carries streaming code of its own.
#pragma once

#include "base/variant.h"
#include "report/model/types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rq::report::model {

class ClassInfo;
class TfrxComponent;

// Anything with published properties.
class Persistent {
public:
    virtual ~Persistent() = default;
    virtual const ClassInfo& ClassType() const = 0;
    std::string_view ClassName() const;
    // Non-published data (a picture's image), streamed as the PropData
    // attribute; empty when there is none.
    virtual std::string DefinedData() const { return {}; }
    // Replays DefinedData; raises an Exception on malformed bytes.
    virtual void ReadDefinedData(std::string_view data);
};

enum class PropKind {
    Integer,   // 32-bit signed; colours too
    Enum,      // ordinal of an EnumType; Boolean is the enumeration "Boolean"
    Set,       // bit mask over an EnumType
    Float,     // Extended
    String,    // Windows-1250 text
    Variant,   // a variant value, streamed as its text
    Class,     // an owned sub-object (font, frame, string list, picture ...)
    Reference, // a non-owning link to another component, streamed by name
};

struct PropInfo {
    std::string_view name;
    PropKind kind = PropKind::Integer;
    const EnumType* type = nullptr; // Enum and Set
    std::string_view className;     // Class and Reference
    // Ordinal kinds are written only when they differ from this; none means
    // "always stored".
    std::optional<std::int64_t> ordDefault;
    std::function<bool(const Persistent&)> stored; // empty: stored
    std::function<std::int64_t(const Persistent&)> getOrd;
    std::function<void(Persistent&, std::int64_t)> setOrd;
    std::function<Extended(const Persistent&)> getFloat;
    std::function<void(Persistent&, Extended)> setFloat;
    std::function<std::string(const Persistent&)> getStr;
    std::function<void(Persistent&, const std::string&)> setStr;
    std::function<base::Variant(const Persistent&)> getVar;
    std::function<void(Persistent&, const base::Variant&)> setVar;
    std::function<Persistent*(const Persistent&)> getObject;
    std::function<TfrxComponent*(const Persistent&)> getRef;
    std::function<void(Persistent&, TfrxComponent*)> setRef;

    bool isStored(const Persistent& object) const { return !stored || stored(object); }
};

// A class's identity: name, ancestor, published properties and, for report
// components, the factory that the serializer uses to create it by name.
class ClassInfo {
public:
    using Factory = std::unique_ptr<TfrxComponent> (*)();

    ClassInfo(std::string_view name, const ClassInfo* parent, std::vector<PropInfo> own,
              Factory factory = nullptr);

    std::string_view name() const { return name_; }
    const ClassInfo* parent() const { return parent_; }
    // All published properties, ancestors first, each class in declaration order.
    const std::vector<const PropInfo*>& properties() const { return all_; }
    // Case-insensitive lookup; nullptr when absent.
    const PropInfo* find(std::string_view name) const;
    bool inheritsFrom(const ClassInfo& other) const;
    bool canCreate() const { return factory_ != nullptr; }
    std::unique_ptr<TfrxComponent> create() const;

private:
    std::string_view name_;
    const ClassInfo* parent_;
    std::vector<PropInfo> own_;
    std::vector<const PropInfo*> all_;
    Factory factory_;
};

// Builds a class's property table from member functions, in order.
template <class C> class PropTable {
public:
    template <class G, class S, class E>
    PropTable& enumeration(std::string_view name, const EnumType& type, G get, S setter, E def) {
        PropInfo& p = add(name, PropKind::Enum);
        p.type = &type;
        p.ordDefault = static_cast<std::int64_t>(def);
        bindOrd(p, get, setter);
        return *this;
    }
    template <class G, class S>
    PropTable& boolean(std::string_view name, G get, S setter, bool def) {
        return enumeration(name, kBooleanType, get, setter, def ? 1 : 0);
    }
    // def empty: always stored.
    template <class G, class S>
    PropTable& integer(std::string_view name, G get, S setter, std::optional<std::int64_t> def) {
        PropInfo& p = add(name, PropKind::Integer);
        p.ordDefault = def;
        bindOrd(p, get, setter);
        return *this;
    }
    template <class G, class S>
    PropTable& set(std::string_view name, const EnumType& type, G get, S setter,
                   std::optional<std::int64_t> def) {
        PropInfo& p = add(name, PropKind::Set);
        p.type = &type;
        p.ordDefault = def;
        bindOrd(p, get, setter);
        return *this;
    }
    template <class G, class S> PropTable& floating(std::string_view name, G get, S setter) {
        PropInfo& p = add(name, PropKind::Float);
        p.getFloat = [get](const Persistent& o) {
            return static_cast<Extended>(std::invoke(get, static_cast<const C&>(o)));
        };
        p.setFloat = [setter](Persistent& o, Extended v) {
            std::invoke(setter, static_cast<C&>(o), v);
        };
        return *this;
    }
    template <class G, class S> PropTable& string(std::string_view name, G get, S setter) {
        PropInfo& p = add(name, PropKind::String);
        p.getStr = [get](const Persistent& o) {
            return std::string(std::invoke(get, static_cast<const C&>(o)));
        };
        p.setStr = [setter](Persistent& o, const std::string& v) {
            std::invoke(setter, static_cast<C&>(o), v);
        };
        return *this;
    }
    template <class G, class S> PropTable& variant(std::string_view name, G get, S setter) {
        PropInfo& p = add(name, PropKind::Variant);
        p.getVar = [get](const Persistent& o) {
            return base::Variant(std::invoke(get, static_cast<const C&>(o)));
        };
        p.setVar = [setter](Persistent& o, const base::Variant& v) {
            std::invoke(setter, static_cast<C&>(o), v);
        };
        return *this;
    }
    // get returns a reference to the owned sub-object (non-const access).
    template <class G> PropTable& object(std::string_view name, std::string_view className, G get) {
        PropInfo& p = add(name, PropKind::Class);
        p.className = className;
        p.getObject = [get](const Persistent& o) -> Persistent* {
            return &std::invoke(get, const_cast<C&>(static_cast<const C&>(o)));
        };
        return *this;
    }
    template <class G, class S>
    PropTable& reference(std::string_view name, std::string_view className, G get, S setter) {
        PropInfo& p = add(name, PropKind::Reference);
        p.className = className;
        p.getRef = [get](const Persistent& o) -> TfrxComponent* {
            return std::invoke(get, static_cast<const C&>(o));
        };
        p.setRef = [setter](Persistent& o, TfrxComponent* v) {
            std::invoke(setter, static_cast<C&>(o), v);
        };
        return *this;
    }
    // Stored predicate of the property added last.
    template <class F> PropTable& storedWhen(F predicate) {
        props_.back().stored = [predicate](const Persistent& o) {
            return std::invoke(predicate, static_cast<const C&>(o));
        };
        return *this;
    }
    std::vector<PropInfo> done() { return std::move(props_); }

private:
    PropInfo& add(std::string_view name, PropKind kind) {
        props_.emplace_back();
        props_.back().name = name;
        props_.back().kind = kind;
        return props_.back();
    }
    template <class G, class S> static void bindOrd(PropInfo& p, G get, S setter) {
        p.getOrd = [get](const Persistent& o) {
            return static_cast<std::int64_t>(std::invoke(get, static_cast<const C&>(o)));
        };
        p.setOrd = [setter](Persistent& o, std::int64_t v) {
            using Arg = decltype(std::invoke(get, std::declval<const C&>()));
            std::invoke(setter, static_cast<C&>(o), static_cast<std::decay_t<Arg>>(v));
        };
    }

    std::vector<PropInfo> props_;
};

// The registry of creatable report classes, looked up by class name without
// regard to case. The built-in classes are present from the first use;
// others (the barcode view) are added by the code that defines them.
void RegisterClass(const ClassInfo& info);
const ClassInfo* FindClass(std::string_view name);

} // namespace rq::report::model
