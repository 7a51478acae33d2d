// Program items: variables, parameters, host routines, properties, index
// accessors and host classes.
#include "script/items.h"

#include "base/text1250.h"
#include "script/declaration.h"
#include "script/errors.h"
#include "script/script.h"

namespace rq::script {

using rq::base::upperCase;

std::string TypeText(const TfsTypeInfo& type) {
    static const char* const kNames[] = {"Integer", "Boolean", "Extended", "Char", "String",
                                         "Class",   "Array",   "Variant",  "Enum", "Constructor"};
    static_assert(std::size(kNames) == static_cast<std::size_t>(TfsVarType::Constructor) + 1);
    switch (type.code) {
    case TfsVarType::Class:
        return "Class " + type.name;
    case TfsVarType::Enum:
        return type.name;
    default:
        return kNames[static_cast<int>(type.code)];
    }
}

TfsCustomVariable::TfsCustomVariable(std::string name, TfsTypeInfo type)
    : value_(Variant::null()), name_(std::move(name)), type_(std::move(type)) {}

TfsCustomVariable::~TfsCustomVariable() = default;

void TfsCustomVariable::Read(const Variant&, Variant& out) {
    out = value_;
}

void TfsCustomVariable::Write(const Variant&, Variant&& value) {
    if (!readOnly_)
        value_ = std::move(value);
}

TfsParamItem& TfsCustomVariable::AddParam(std::string name, TfsTypeInfo type, bool byRef) {
    params_.push_back(std::make_unique<TfsParamItem>(std::move(name), std::move(type), byRef));
    return *params_.back();
}

int TfsCustomVariable::RequiredCount() const {
    int count = 0;
    for (const auto& param : params_)
        count += param->IsOptional() ? 0 : 1;
    return count;
}

TfsVariable::TfsVariable(std::string name, TfsTypeInfo type, Variant value)
    : TfsCustomVariable(std::move(name), std::move(type)) {
    value_ = std::move(value);
}

void TfsVariable::Read(const Variant&, Variant& out) {
    out = value_;
}

void TfsVariable::Write(const Variant&, Variant&& value) {
    if (!IsReadOnly())
        value_ = std::move(value);
}

TfsStringVariable::TfsStringVariable(std::string name, TfsTypeInfo type)
    : TfsVariable(std::move(name), std::move(type), Variant("")) {}

void TfsStringVariable::Write(const Variant&, Variant&& value) {
    if (IsReadOnly())
        return;
    if (value.type() == rq::base::VarType::String)
        value_ = std::move(value);
    else
        value_ = Variant(value.toString());
}

TfsParamItem::TfsParamItem(std::string name, TfsTypeInfo type, bool byRef)
    : TfsVariable(std::move(name), std::move(type)), byRef_(byRef) {}

// Host routines and methods.

TfsMethodHelper::TfsMethodHelper(std::string name, TfsTypeInfo type, TfsCallMethod handler,
                                 const TfsClassVariable* classItem)
    : TfsCustomVariable(std::move(name), std::move(type)), handler_(std::move(handler)),
      classItem_(classItem), upperName_(upperCase(Name())) {}

VariantArray TfsMethodHelper::Arguments() const {
    VariantArray args;
    args.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        args.push_back(Param(i).Value());
    return args;
}

void TfsMethodHelper::TakeBack(const VariantArray& args) {
    for (int i = 0; i < Count() && i < static_cast<int>(args.size()); ++i) {
        if (Param(i).IsVarParam())
            Param(i).SetValue(args[static_cast<std::size_t>(i)]);
    }
}

void TfsMethodHelper::Read(const Variant& instance, Variant& out) {
    VariantArray args = Arguments();
    const std::string name = IsIndexed() ? upperName_ + ".GET" : upperName_;
    Variant result = handler_(instance.toObject(), classItem_, name, args);
    TakeBack(args);
    out = isFunction_ ? std::move(result) : Variant::null();
}

void TfsMethodHelper::Write(const Variant& instance, Variant&& value) {
    if (!IsIndexed() || IsReadOnly())
        return;
    VariantArray args = Arguments();
    args.push_back(std::move(value));
    handler_(instance.toObject(), classItem_, upperName_ + ".SET", args);
}

TfsPropertyHelper::TfsPropertyHelper(std::string name, TfsTypeInfo type, TfsGetValue getter,
                                     TfsSetValue setter, const TfsClassVariable* classItem)
    : TfsCustomVariable(std::move(name), std::move(type)), getter_(std::move(getter)),
      setter_(std::move(setter)), classItem_(classItem), upperName_(upperCase(Name())) {
    SetReadOnly(!setter_);
}

void TfsPropertyHelper::Read(const Variant& instance, Variant& out) {
    out = getter_ ? getter_(instance.toObject(), classItem_, upperName_) : Variant::null();
}

void TfsPropertyHelper::Write(const Variant& instance, Variant&& value) {
    if (setter_)
        setter_(instance.toObject(), classItem_, upperName_, value);
}

// Index accessors.

TfsArrayHelper::TfsArrayHelper() : TfsCustomVariable("__ArrayHelper", {TfsVarType::Variant, {}}) {
    AddParam("Index", {TfsVarType::Integer, "Integer"}, false);
}

void TfsArrayHelper::Read(const Variant& instance, Variant& out) {
    out = instance.at(static_cast<std::size_t>(Param(0).Value().toInteger()));
}

TfsStringHelper::TfsStringHelper()
    : TfsCustomVariable("__StringHelper", {TfsVarType::Char, "Char"}) {
    AddParam("Index", {TfsVarType::Integer, "Integer"}, false);
}

void TfsStringHelper::Read(const Variant& instance, Variant& out) {
    const std::string text = instance.toString();
    const int index = Param(0).Value().toInteger();
    if (index < 1 || index > static_cast<int>(text.size()))
        raiseIndexOutOfBounds();
    out = Variant(std::string(1, rq::base::charAt1(text, static_cast<std::size_t>(index))));
}

// Typecasts.

TfsTypecastHelper::TfsTypecastHelper(const TfsClassVariable& classItem)
    : TfsCustomVariable(classItem.Name(), {TfsVarType::Class, classItem.Name()}),
      class_(classItem) {
    AddParam("Value", {TfsVarType::Variant, "Variant"}, false);
    SetReadOnly(true);
}

void TfsTypecastHelper::Read(const Variant&, Variant& out) {
    const Variant& value = Param(0).Value();
    // nil is the integer 0.
    const bool isNil = value.isNull() || value.isEmpty() ||
                       (value.type() == rq::base::VarType::Integer && value.toInteger() == 0);
    const bool fits =
        value.isObject() ? !class_.HasInstanceTest() || class_.IsInstance(value.toObject()) : isNil;
    if (!fits)
        raiseInvalidTypecast();
    out = value;
}

// Host classes.

TfsClassVariable::TfsClassVariable(std::string name, std::string ancestor,
                                   std::function<bool(const rq::base::Object*)> isInstance,
                                   TfsScript* script)
    : TfsCustomVariable(name, {TfsVarType::Class, name}), ancestor_(std::move(ancestor)),
      isInstance_(std::move(isInstance)), script_(script) {}

TfsClassVariable* TfsClassVariable::AncestorClass() const {
    if (ancestor_.empty() || script_ == nullptr || rq::base::sameText(ancestor_, Name()))
        return nullptr;
    return script_->FindClass(ancestor_);
}

bool TfsClassVariable::InheritsFrom(const std::string& className) const {
    for (const TfsClassVariable* c = this; c != nullptr; c = c->AncestorClass()) {
        if (rq::base::sameText(c->Name(), className))
            return true;
    }
    return false;
}

bool TfsClassVariable::IsInstance(const rq::base::Object* object) const {
    return object != nullptr && isInstance_ && isInstance_(object);
}

namespace {

void AddDeclaredParams(TfsCustomVariable& item, const TfsDeclaration& d, const TfsScript* script) {
    for (const TfsDeclaredParam& p : d.params) {
        TfsTypeInfo type = rq::base::sameText(p.typeName, "array")
                               ? TfsTypeInfo{TfsVarType::Array, "Array"}
                               : script->ResolveType(p.typeName);
        TfsParamItem& param = item.AddParam(p.name, std::move(type), p.byRef);
        if (p.hasDefault)
            param.SetDefValue(p.defaultValue);
    }
}

} // namespace

TfsMethodHelper& TfsClassVariable::AddMethod(const std::string& declaration,
                                             TfsCallMethod handler) {
    const TfsDeclaration d = ParseDeclaration(declaration);
    TfsTypeInfo type = d.resultType.empty() ? TfsTypeInfo{} : script_->ResolveType(d.resultType);
    auto method =
        std::make_unique<TfsMethodHelper>(d.name, std::move(type), std::move(handler), this);
    method->SetIsFunction(!d.resultType.empty());
    AddDeclaredParams(*method, d, script_);
    members_.push_back(std::move(method));
    return static_cast<TfsMethodHelper&>(*members_.back());
}

TfsMethodHelper& TfsClassVariable::AddConstructor(const std::string& declaration,
                                                  TfsCallMethod handler) {
    std::string text = declaration;
    const std::size_t word = upperCase(text).find("CONSTRUCTOR");
    if (word != std::string::npos)
        text.replace(word, 11, "function");
    return AddMethod(text + ": Constructor", std::move(handler));
}

TfsPropertyHelper& TfsClassVariable::AddProperty(const std::string& name,
                                                 const std::string& typeName, TfsGetValue getter,
                                                 TfsSetValue setter) {
    members_.push_back(std::make_unique<TfsPropertyHelper>(
        name, script_->ResolveType(typeName), std::move(getter), std::move(setter), this));
    return static_cast<TfsPropertyHelper&>(*members_.back());
}

TfsMethodHelper& TfsClassVariable::AddIndexedProperty(const std::string& name,
                                                      const std::string& indexTypes,
                                                      const std::string& typeName,
                                                      TfsCallMethod handler, bool readOnly) {
    std::string params;
    std::size_t from = 0;
    for (int i = 0; from <= indexTypes.size(); ++i) {
        const std::size_t comma = indexTypes.find(',', from);
        const std::string type = rq::base::trim(indexTypes.substr(from, comma - from));
        params += (i > 0 ? "; p" : "p") + std::to_string(i) + ": " + type;
        if (comma == std::string::npos)
            break;
        from = comma + 1;
    }
    TfsMethodHelper& method =
        AddMethod("function " + name + "(" + params + "): " + typeName, std::move(handler));
    method.SetIndexed(true);
    method.SetReadOnly(readOnly);
    return method;
}

TfsMethodHelper& TfsClassVariable::AddDefaultProperty(const std::string& name,
                                                      const std::string& indexTypes,
                                                      const std::string& typeName,
                                                      TfsCallMethod handler, bool readOnly) {
    TfsMethodHelper& method =
        AddIndexedProperty(name, indexTypes, typeName, std::move(handler), readOnly);
    defaultProperty_ = &method;
    return method;
}

TfsEventHelper& TfsClassVariable::AddEvent(const std::string& name, const std::string& adapterClass,
                                           TfsEventAccess access) {
    members_.push_back(std::make_unique<TfsEventHelper>(name, adapterClass, std::move(access)));
    return static_cast<TfsEventHelper&>(*members_.back());
}

TfsTypecastHelper& TfsClassVariable::Typecast() {
    if (!typecast_)
        typecast_ = std::make_unique<TfsTypecastHelper>(*this);
    return *typecast_;
}

TfsCustomVariable* TfsClassVariable::FindMember(const std::string& name) const {
    for (const TfsClassVariable* c = this; c != nullptr; c = c->AncestorClass()) {
        for (const auto& member : c->members_) {
            if (rq::base::sameText(member->Name(), name))
                return member.get();
        }
    }
    return nullptr;
}

TfsCustomVariable* TfsClassVariable::DefaultProperty() const {
    for (const TfsClassVariable* c = this; c != nullptr; c = c->AncestorClass()) {
        if (c->defaultProperty_ != nullptr)
            return c->defaultProperty_;
    }
    return nullptr;
}

} // namespace rq::script
