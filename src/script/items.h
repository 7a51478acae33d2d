// Program items: everything a name can stand for in a script's scope
// (variables, constants, types, parameters, routines, host classes and their
// accessors). An item reads and writes values; items that take arguments
// hold them as parameter sub-items, which the caller fills before reading.
#pragma once

#include "base/variant.h"
#include "script/script_types.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rq::script {

using rq::base::Variant;
using rq::base::VariantArray;

class TfsScript;
class TfsClassVariable;
class TfsParamItem;
class TfsCustomEvent;

class TfsCustomVariable {
public:
    TfsCustomVariable(std::string name, TfsTypeInfo type);
    virtual ~TfsCustomVariable();
    TfsCustomVariable(const TfsCustomVariable&) = delete;
    TfsCustomVariable& operator=(const TfsCustomVariable&) = delete;

    const std::string& Name() const { return name_; }
    TfsVarType Type() const { return type_.code; }
    const std::string& TypeName() const { return type_.name; }
    const TfsTypeInfo& TypeInfo() const { return type_; }
    bool IsReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    const std::string& Pos() const { return pos_; }
    void SetPos(std::string pos) { pos_ = std::move(pos); }

    // The item's value, read on the value it was selected on (instance: the
    // host object of a member, the string or array of an index accessor).
    virtual void Read(const Variant& instance, Variant& out);
    // Writes through the item; read-only items ignore writes.
    virtual void Write(const Variant& instance, Variant&& value);
    // The stored value of a plain variable, for direct access; null for
    // items whose value is computed.
    virtual Variant* Slot() { return nullptr; }

    // Parameters in declaration order.
    int Count() const { return static_cast<int>(params_.size()); }
    TfsParamItem& Param(int index) const { return *params_[static_cast<std::size_t>(index)]; }
    TfsParamItem& AddParam(std::string name, TfsTypeInfo type, bool byRef);
    // Number of parameters without a default value.
    int RequiredCount() const;
    // Indexed properties need "[" after their name.
    bool IsIndexed() const { return indexed_; }
    void SetIndexed(bool value) { indexed_ = value; }

protected:
    Variant value_; // the value of a variable; null for a new item

private:
    std::string name_; // as declared
    TfsTypeInfo type_; // static type
    bool readOnly_ = false;
    bool indexed_ = false;
    std::string pos_;                                   // "LINE:COL" of the declaration
    std::vector<std::unique_ptr<TfsParamItem>> params_; // the sub-items
};

// A plain variable or (read-only) constant.
class TfsVariable : public TfsCustomVariable {
public:
    TfsVariable(std::string name, TfsTypeInfo type, Variant value = Variant::null());
    void Read(const Variant& instance, Variant& out) override;
    void Write(const Variant& instance, Variant&& value) override;
    Variant* Slot() override { return &value_; }
    const Variant& Value() const { return value_; }
    void SetValue(Variant value) { value_ = std::move(value); }
};

// A String variable: whatever is written is kept as its text.
class TfsStringVariable : public TfsVariable {
public:
    TfsStringVariable(std::string name, TfsTypeInfo type);
    void Write(const Variant& instance, Variant&& value) override;
    Variant* Slot() override { return nullptr; }
};

// A type name standing for a type code (Integer, TDateTime, ...).
class TfsTypeVariable : public TfsCustomVariable {
public:
    TfsTypeVariable(std::string name, TfsTypeInfo type)
        : TfsCustomVariable(std::move(name), type) {}
};

class TfsParamItem : public TfsVariable {
public:
    TfsParamItem(std::string name, TfsTypeInfo type, bool byRef);
    bool IsVarParam() const { return byRef_; }
    bool IsOptional() const { return hasDefault_; }
    const Variant& DefValue() const { return defValue_; }
    void SetDefValue(Variant value) {
        defValue_ = std::move(value);
        hasDefault_ = true;
    }

private:
    bool byRef_; // written back to the caller's variable
    bool hasDefault_ = false;
    Variant defValue_; // used when the argument is left out
};

// The handler protocol of host routines, methods and indexed properties:
// the instance (null for a plain routine), the class item (null for a plain
// routine), the member name in upper case and the parameter values; by-ref
// parameters take back what the handler leaves in the array.
using TfsCallMethod =
    std::function<Variant(rq::base::Object* instance, const TfsClassVariable* classItem,
                          const std::string& upperName, VariantArray& args)>;
using TfsGetValue = std::function<Variant(
    rq::base::Object* instance, const TfsClassVariable* classItem, const std::string& upperName)>;
using TfsSetValue =
    std::function<void(rq::base::Object* instance, const TfsClassVariable* classItem,
                       const std::string& upperName, const Variant& value)>;

// A host routine or method built from a declaration text.
class TfsMethodHelper : public TfsCustomVariable {
public:
    TfsMethodHelper(std::string name, TfsTypeInfo type, TfsCallMethod handler,
                    const TfsClassVariable* classItem);
    void Read(const Variant& instance, Variant& out) override;
    // An indexed property written: name + ".SET" with the value appended.
    void Write(const Variant& instance, Variant&& value) override;
    bool IsFunction() const { return isFunction_; }
    void SetIsFunction(bool value) { isFunction_ = value; }
    std::string category;    // "ctString", ... for the standard routines
    std::string description; // the routine's name when none is given
    // Reads or writes files: a call from a script without file access
    // (TfsScript::FileAccessAllowed) is refused at run time.
    bool usesFiles = false;

private:
    VariantArray Arguments() const;
    void TakeBack(const VariantArray& args);

    TfsCallMethod handler_;
    const TfsClassVariable* classItem_; // owning class, null for a routine
    std::string upperName_;             // the name handed to the handler
    bool isFunction_ = true;
};

class TfsPropertyHelper : public TfsCustomVariable {
public:
    TfsPropertyHelper(std::string name, TfsTypeInfo type, TfsGetValue getter, TfsSetValue setter,
                      const TfsClassVariable* classItem);
    void Read(const Variant& instance, Variant& out) override;
    void Write(const Variant& instance, Variant&& value) override;

private:
    TfsGetValue getter_;
    TfsSetValue setter_;
    const TfsClassVariable* classItem_;
    std::string upperName_;
};

// Indexes an array value: parameter 0 holds the index.
class TfsArrayHelper : public TfsCustomVariable {
public:
    TfsArrayHelper();
    void Read(const Variant& instance, Variant& out) override;
};

// Indexes a string value (1-based): parameter 0 holds the index.
class TfsStringHelper : public TfsCustomVariable {
public:
    TfsStringHelper();
    void Read(const Variant& instance, Variant& out) override;
};

// "TClass(x)": the value x seen as an object of the class. Parameter 0
// holds x; an object the class does not recognise as its instance, or a
// value that is no object and not nil, is "Invalid class typecast".
class TfsTypecastHelper : public TfsCustomVariable {
public:
    explicit TfsTypecastHelper(const TfsClassVariable& classItem);
    void Read(const Variant& instance, Variant& out) override;

private:
    const TfsClassVariable& class_;
};

// How an event accessor reaches a host object's event: get answers the
// adapter attached now (null for none); set attaches an adapter (null
// detaches) and answers the one it replaced, which the accessor frees.
struct TfsEventAccess {
    std::function<TfsCustomEvent*(rq::base::Object* instance)> get;
    std::function<TfsCustomEvent*(rq::base::Object* instance, TfsCustomEvent* event)> set;
};

// A host event. Writing a handler reference (made by the compiler from
// "@Proc" or 'Proc' naming a script procedure) attaches a new adapter of
// the event's adapter class; writing null detaches. Reading gives the
// attached procedure's name, "" when none. (Defined with the adapters in
// host_events.cpp.)
class TfsEventHelper : public TfsCustomVariable {
public:
    TfsEventHelper(std::string name, std::string adapterClass, TfsEventAccess access);
    const std::string& AdapterClass() const { return adapterClass_; }
    void Read(const Variant& instance, Variant& out) override;
    void Write(const Variant& instance, Variant&& value) override;

private:
    std::string adapterClass_; // "TfsNotifyEvent", ...
    TfsEventAccess access_;
};

// A host class: its members in registration order, at most one default
// property, and the ancestor it inherits members from.
class TfsClassVariable : public TfsCustomVariable {
public:
    // isInstance tells whether an object belongs to the class (for "is").
    TfsClassVariable(std::string name, std::string ancestor,
                     std::function<bool(const rq::base::Object*)> isInstance, TfsScript* script);

    const std::string& Ancestor() const { return ancestor_; }
    TfsClassVariable* AncestorClass() const;
    bool InheritsFrom(const std::string& className) const;
    bool IsInstance(const rq::base::Object* object) const;
    // Whether the class can tell its instances (IsInstance is meaningful).
    bool HasInstanceTest() const { return static_cast<bool>(isInstance_); }
    // The accessor of "TClass(x)" typecasts, made on first use.
    TfsTypecastHelper& Typecast();

    // Members (the declaration texts follow the PascalScript heading syntax).
    TfsMethodHelper& AddMethod(const std::string& declaration, TfsCallMethod handler);
    TfsMethodHelper& AddConstructor(const std::string& declaration, TfsCallMethod handler);
    TfsPropertyHelper& AddProperty(const std::string& name, const std::string& typeName,
                                   TfsGetValue getter, TfsSetValue setter = {});
    TfsMethodHelper& AddIndexedProperty(const std::string& name, const std::string& indexTypes,
                                        const std::string& typeName, TfsCallMethod handler,
                                        bool readOnly = false);
    TfsMethodHelper& AddDefaultProperty(const std::string& name, const std::string& indexTypes,
                                        const std::string& typeName, TfsCallMethod handler,
                                        bool readOnly = false);
    TfsEventHelper& AddEvent(const std::string& name, const std::string& adapterClass,
                             TfsEventAccess access);

    // The member of that name here or in an ancestor, first match first.
    TfsCustomVariable* FindMember(const std::string& name) const;
    TfsCustomVariable* DefaultProperty() const;

private:
    std::string ancestor_;
    std::function<bool(const rq::base::Object*)> isInstance_;
    TfsScript* script_; // resolves the ancestor by name
    std::vector<std::unique_ptr<TfsCustomVariable>> members_;
    TfsCustomVariable* defaultProperty_ = nullptr;
    std::unique_ptr<TfsTypecastHelper> typecast_;
};

} // namespace rq::script
