// TfsScript: scope, registration, compile and run entry points.
#include "script/script.h"

#include "base/text1250.h"
#include "script/declaration.h"
#include "script/designator.h"
#include "script/errors.h"
#include "script/il_parser.h"
#include "script/routine.h"

namespace rq::script {

using rq::base::upperCase;

TfsScript::TfsScript(TfsScript* parent) : parent_(parent) {
    Add(std::make_unique<TfsStringHelper>());
    Add(std::make_unique<TfsArrayHelper>());
}

TfsScript::TfsScript(ScriptRuntime& runtime) : TfsScript() {
    runtime_ = &runtime;
}

ScriptRuntime& TfsScript::Runtime() const {
    for (const TfsScript* s = this; s != nullptr; s = s->parent_) {
        if (s->runtime_ != nullptr)
            return *s->runtime_;
    }
    raiseNoRuntime();
}

TfsScript::~TfsScript() {
    // Statements refer to items: free them first.
    statements_.Clear();
}

void TfsScript::Clear() {
    statements_.Clear();
    items_.clear();
    index_.clear();
    owned_.clear();
    lineRegistry_.clear();
    lineNumbers_.clear();
    Add(std::make_unique<TfsStringHelper>());
    Add(std::make_unique<TfsArrayHelper>());
}

void TfsScript::SetError(std::string message, std::string pos, std::string unit) {
    errorMsg_ = std::move(message);
    errorPos_ = std::move(pos);
    errorUnit_ = std::move(unit);
}

bool TfsScript::Compile() {
    SetError({}, {}, {});
    UnitReader reader;
    if (OnGetUnit) {
        reader = [this](const std::string& name) {
            std::string text;
            OnGetUnit(*this, name, text);
            return text;
        };
    } else if (!FileAccessAllowed()) {
        reader = [](const std::string& name) -> std::string {
            raiseScriptError("File access is not allowed: uses '" + name + "'");
        };
    }
    TfsILParser parser(std::move(reader));
    parser.SelectLanguage(SyntaxType);
    std::string source;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0)
            source += "\r\n";
        source += Lines[i];
    }
    if (!parser.BuildIL(source)) {
        SetError(parser.ErrorMessage(), parser.ErrorPos(), parser.ErrorUnit());
        if (errorMsg_.empty())
            errorMsg_ = "Syntax error";
        return false;
    }
    parser.BuildProgram(*this);
    if (!errorMsg_.empty())
        return false;
    errorPos_.clear();
    return true;
}

void TfsScript::Execute() {
    struct Reset {
        TfsScript& script;
        ~Reset() {
            script.flags_.Exit = script.flags_.Terminated = false;
            script.running_ = false;
        }
    } reset{*this};
    flags_.Exit = flags_.Terminated = false;
    running_ = true;
    statements_.Run(*this);
}

bool TfsScript::FileAccessAllowed() const {
    for (const TfsScript* s = this; s != nullptr; s = s->parent_) {
        if (s->fileAccess_ >= 0)
            return s->fileAccess_ == 1;
    }
    return true;
}

bool TfsScript::CheckTerminated() {
    static_assert(std::atomic<bool>::is_always_lock_free, "set from signal handlers");
    for (const TfsScript* s = this; s != nullptr && !flags_.Terminated; s = s->parent_) {
        if (s->flags_.Terminated ||
            (s->stopRequest_ != nullptr && s->stopRequest_->load(std::memory_order_relaxed)))
            flags_.Terminated = true;
    }
    return flags_.Terminated;
}

TfsCustomVariable* TfsScript::FindLocal(const std::string& name) const {
    const auto found = index_.find(upperCase(name));
    return found == index_.end() ? nullptr : found->second;
}

TfsCustomVariable* TfsScript::Find(const std::string& name) const {
    const std::string key = upperCase(name);
    for (const TfsScript* s = this; s != nullptr; s = s->parent_) {
        const auto found = s->index_.find(key);
        if (found != s->index_.end())
            return found->second;
    }
    return nullptr;
}

TfsClassVariable* TfsScript::FindClass(const std::string& name) const {
    return dynamic_cast<TfsClassVariable*>(Find(name));
}

TfsCustomVariable& TfsScript::Add(std::unique_ptr<TfsCustomVariable> item) {
    TfsCustomVariable& ref = *item;
    owned_.push_back(std::move(item));
    AddShared(ref);
    return ref;
}

void TfsScript::AddShared(TfsCustomVariable& item) {
    items_.push_back(&item);
    index_.try_emplace(upperCase(item.Name()), &item);
}

void TfsScript::AddType(const std::string& name, TfsVarType code) {
    Add(std::make_unique<TfsTypeVariable>(name, TfsTypeInfo{code, name}));
}

TfsClassVariable& TfsScript::AddClass(const std::string& name, const std::string& ancestor,
                                      std::function<bool(const rq::base::Object*)> isInstance) {
    return static_cast<TfsClassVariable&>(
        Add(std::make_unique<TfsClassVariable>(name, ancestor, std::move(isInstance), this)));
}

void TfsScript::AddObject(const std::string& name, const std::string& className,
                          rq::base::Object* value) {
    if (Find(name) != nullptr)
        return;
    auto& item = Add(std::make_unique<TfsVariable>(name, TfsTypeInfo{TfsVarType::Class, className},
                                                   Variant(value)));
    item.SetReadOnly(true);
}

void TfsScript::AddComponent(const std::string& name, const std::string& className,
                             rq::base::Object* value) {
    Add(std::make_unique<TfsVariable>(name, TfsTypeInfo{TfsVarType::Class, className},
                                      Variant(value)));
}

void TfsScript::AddVariable(const std::string& name, const std::string& typeName, Variant value) {
    if (Find(name) != nullptr)
        return;
    Add(std::make_unique<TfsVariable>(name, ResolveType(typeName), std::move(value)));
}

void TfsScript::AddConst(const std::string& name, const std::string& typeName, Variant value) {
    if (Find(name) != nullptr)
        return;
    Add(std::make_unique<TfsVariable>(name, ResolveType(typeName), std::move(value)))
        .SetReadOnly(true);
}

namespace {

// Registers type + one read-only constant per name of the comma list.
void AddEnumConstants(TfsScript& script, const std::string& typeName, const std::string& names,
                      bool flags) {
    script.Add(
        std::make_unique<TfsTypeVariable>(typeName, TfsTypeInfo{TfsVarType::Enum, typeName}));
    std::int64_t value = flags ? 1 : 0;
    std::size_t from = 0;
    while (from <= names.size()) {
        const std::size_t comma = names.find(',', from);
        const std::string name = rq::base::trim(names.substr(from, comma - from));
        if (!name.empty()) {
            script
                .Add(std::make_unique<TfsVariable>(name, TfsTypeInfo{TfsVarType::Enum, typeName},
                                                   Variant(static_cast<int>(value))))
                .SetReadOnly(true);
            value = flags ? value * 2 : value + 1;
        }
        if (comma == std::string::npos)
            break;
        from = comma + 1;
    }
}

} // namespace

void TfsScript::AddEnum(const std::string& typeName, const std::string& names) {
    AddEnumConstants(*this, typeName, names, false);
}

void TfsScript::AddEnumSet(const std::string& typeName, const std::string& names) {
    AddEnumConstants(*this, typeName, names, true);
}

TfsMethodHelper& TfsScript::AddMethod(const std::string& declaration, TfsCallMethod handler,
                                      const std::string& category, const std::string& description) {
    const TfsDeclaration d = ParseDeclaration(declaration);
    TfsTypeInfo type = d.resultType.empty() ? TfsTypeInfo{} : ResolveType(d.resultType);
    auto method =
        std::make_unique<TfsMethodHelper>(d.name, std::move(type), std::move(handler), nullptr);
    method->SetIsFunction(!d.resultType.empty());
    method->category = category;
    method->description = description.empty() ? d.name : description;
    for (const TfsDeclaredParam& p : d.params) {
        TfsTypeInfo ptype = rq::base::sameText(p.typeName, "array")
                                ? TfsTypeInfo{TfsVarType::Array, "Array"}
                                : ResolveType(p.typeName);
        TfsParamItem& param = method->AddParam(p.name, std::move(ptype), p.byRef);
        if (p.hasDefault)
            param.SetDefValue(p.defaultValue);
    }
    return static_cast<TfsMethodHelper&>(Add(std::move(method)));
}

TfsTypeInfo TfsScript::ResolveType(const std::string& name) const {
    const TfsCustomVariable* item = Find(name);
    if (dynamic_cast<const TfsTypeVariable*>(item) != nullptr ||
        dynamic_cast<const TfsClassVariable*>(item) != nullptr)
        return item->TypeInfo();
    raiseNamed("Unknown type: ", name);
}

Variant TfsScript::CallFunction(const std::string& name, const VariantArray& args) {
    VariantArray copy = args;
    return CallFunction(name, copy, false);
}

Variant TfsScript::CallFunction(const std::string& name, VariantArray& args, bool writeBack) {
    auto* proc = dynamic_cast<TfsProcVariable*>(FindLocal(name));
    if (proc == nullptr)
        return Variant::null();
    std::vector<Variant> saved;
    if (proc->IsRunning())
        saved = proc->SaveLocals();
    for (int i = 0; i < proc->Count() && i < static_cast<int>(args.size()); ++i)
        proc->Param(i).SetValue(args[static_cast<std::size_t>(i)]);
    Variant result;
    proc->Read(Variant(), result);
    if (writeBack) {
        for (int i = 0; i < proc->Count() && i < static_cast<int>(args.size()); ++i) {
            if (proc->Param(i).IsVarParam())
                args[static_cast<std::size_t>(i)] = proc->Param(i).Value();
        }
    }
    if (!saved.empty())
        proc->RestoreLocals(saved);
    return result;
}

void TfsScript::RegisterLine(const std::string& unit, const std::string& pos) {
    const int line = std::atoi(pos.c_str());
    // A set, not a list: a long script registers tens of thousands of lines.
    if (!lineNumbers_[unit].insert(line).second)
        return;
    std::string& list = lineRegistry_[unit];
    list += (list.empty() ? "" : ",") + std::to_string(line);
}

std::weak_ptr<const void> TfsScript::Alive() const {
    if (!alive_)
        alive_ = std::make_shared<char>(0);
    return alive_;
}

bool TfsScript::HasRunLine() const {
    for (const TfsScript* s = this; s != nullptr; s = s->parent_) {
        if (s->OnRunLine)
            return true;
    }
    return false;
}

} // namespace rq::script
