// IL designators to designator items: the first name (a with-member, a scope
// item, a constructor call or a typecast), then each member, index and call
// after it, each with its arguments; finally the specialised form for plain
// variables and their indexed values.
#include "base/text1250.h"
#include "script/errors.h"
#include "script/program_builder.h"
#include "script/routine.h"

namespace rq::script {

using rq::base::sameText;

// One name of a designator with the argument expressions after it.
struct ProgramBuilder::DesignatorStep {
    const TfsXMLItem* node;              // the node element
    std::vector<const TfsXMLItem*> args; // the expr elements after it
};

struct ProgramBuilder::DesignatorDraft {
    TfsScript& scope;
    std::vector<DesignatorStep> steps;
    std::vector<TfsDesignatorItem> items;
    TfsTypeInfo type; // the static type of the value so far
    bool readOnly = false;

    // Whether step at is an index ("[").
    bool IndexAt(std::size_t at) const {
        return at < steps.size() && steps[at].node->Prop("text") == "[";
    }
};

namespace {

[[noreturn]] void RaiseIndexRequired() {
    // An indexed property, or a Variant holding an array, used without an index.
    raiseScriptError("Index required");
}

bool IsCallable(const TfsCustomVariable* item) {
    return dynamic_cast<const TfsProcVariable*>(item) != nullptr ||
           dynamic_cast<const TfsMethodHelper*>(item) != nullptr;
}

} // namespace

void ProgramBuilder::AddArguments(TfsDesignatorItem& step,
                                  const std::vector<const TfsXMLItem*>& args, TfsScript& scope) {
    TfsCustomVariable& ref = *step.ref;
    if (static_cast<int>(args.size()) < ref.RequiredCount())
        raiseScriptError("Not enough actual parameters");
    if (static_cast<int>(args.size()) > ref.Count())
        raiseScriptError("Too many actual parameters");
    step.writeBack.assign(static_cast<std::size_t>(ref.Count()), nullptr);
    bool anyByRef = false;
    for (int i = 0; i < ref.Count(); ++i) {
        const TfsParamItem& param = ref.Param(i);
        if (i >= static_cast<int>(args.size())) {
            auto value = std::make_unique<TfsOperandNode>(param.DefValue());
            value->type = param.TypeInfo();
            step.args.push_back(std::make_unique<TfsExpression>(std::move(value)));
            continue;
        }
        const TfsXMLItem& argItem = *args[static_cast<std::size_t>(i)];
        auto arg = BuildExpression(argItem, scope);
        // A mismatch is reported where the argument starts.
        At(argItem, [&] {
            if (param.Type() != TfsVarType::Array || arg->Type().code != TfsVarType::Variant)
                CheckAssignable(param.TypeInfo(), arg->Type());
            if (param.IsVarParam()) {
                TfsDesignator* designator = arg->AsDesignator();
                if (designator == nullptr || designator->readOnly)
                    raiseScriptError("Variable required");
                step.writeBack[static_cast<std::size_t>(i)] = designator;
                anyByRef = true;
            }
        });
        step.args.push_back(std::move(arg));
    }
    if (!anyByRef)
        step.writeBack.clear();
}

void ProgramBuilder::Push(DesignatorDraft& draft, TfsCustomVariable* ref,
                          const std::vector<const TfsXMLItem*>& args) {
    TfsDesignatorItem step;
    step.ref = ref;
    step.proc = dynamic_cast<TfsProcVariable*>(ref);
    if (const auto* method = dynamic_cast<const TfsMethodHelper*>(ref);
        method != nullptr && method->usesFiles)
        step.fileScope = &draft.scope;
    if (!args.empty() || IsCallable(ref))
        AddArguments(step, args, draft.scope);
    draft.type = ref->TypeInfo();
    if (draft.type.code == TfsVarType::Constructor)
        draft.type = {TfsVarType::Class,
                      draft.items.empty() ? ref->Name() : draft.items.back().ref->Name()};
    draft.readOnly = ref->IsReadOnly() || (IsCallable(ref) && !ref->IsIndexed());
    draft.items.push_back(std::move(step));
}

// The first name: a member of an open with-object, or a scope item (an
// undeclared one becomes a Variant where declaring is not required), then a
// constructor call, a typecast, an indexed item with its index, or the item
// with its arguments. Returns the step that follows.
std::size_t ProgramBuilder::FirstName(DesignatorDraft& draft, TfsClassVariable* construct) {
    const DesignatorStep& step = draft.steps[0];
    const std::string first = step.node->Prop("text");
    TfsCustomVariable* member = nullptr;
    for (auto with = withList_.rbegin();
         with != withList_.rend() && member == nullptr && construct == nullptr; ++with) {
        if (with->classItem != nullptr && (member = with->classItem->FindMember(first))) {
            draft.items.push_back({with->hidden, nullptr, {}, {}});
            draft.type = with->hidden->TypeInfo();
        }
    }
    TfsCustomVariable* ref = member != nullptr ? member : draft.scope.Find(first);
    if (ref == nullptr) {
        if (needDeclare_)
            raiseUndeclared(first);
        ref = &draft.scope.Add(
            std::make_unique<TfsVariable>(first, TfsTypeInfo{TfsVarType::Variant, "Variant"}));
    }
    auto* classItem = dynamic_cast<TfsClassVariable*>(ref);
    if (construct != nullptr) {
        Push(draft, construct, {});
        Push(draft, construct->FindMember("Create"), step.args);
        return 1;
    }
    if (classItem != nullptr && step.args.size() == 1) {
        // "TClass(x)": only objects (or untyped values) can be cast.
        Push(draft, &classItem->Typecast(), step.args);
        const TfsTypeInfo& value = draft.items.back().args[0]->Type();
        if (value.code != TfsVarType::Class && value.code != TfsVarType::Variant)
            At(*step.args[0],
               [&] { raiseIncompatibleTypes(TypeText(draft.type), TypeText(value)); });
        return 1;
    }
    if (ref->IsIndexed()) {
        if (!draft.IndexAt(1))
            RaiseIndexRequired();
        Push(draft, ref, draft.steps[1].args);
        return 2;
    }
    // A Variant that holds an array is used through its elements.
    const Variant* held = ref->Type() == TfsVarType::Variant ? ref->Slot() : nullptr;
    if (held != nullptr && held->isArray() && step.args.empty() && !draft.IndexAt(1))
        RaiseIndexRequired();
    Push(draft, ref, step.args);
    return 1;
}

// The step at k on the value so far: a string's character index, a class's
// member or default property, or an array's indexes. Returns the step that
// follows.
std::size_t ProgramBuilder::NextStep(DesignatorDraft& draft, std::size_t k) {
    const DesignatorStep& step = draft.steps[k];
    const std::string text = step.node->Prop("text");
    const bool index = text == "[";
    if (draft.type.code == TfsVarType::String) {
        if (!index)
            raiseScriptError("Strings doesn't have properties or methods");
        Push(draft, draft.scope.Find("__StringHelper"), step.args);
        draft.readOnly = false;
        return k + 1;
    }
    if (draft.type.code == TfsVarType::Class) {
        TfsClassVariable* memberClass = script_.FindClass(draft.type.name);
        if (index) {
            TfsCustomVariable* property =
                memberClass != nullptr ? memberClass->DefaultProperty() : nullptr;
            if (property == nullptr)
                raiseScriptError("Class " + draft.type.name + " does not have a default property");
            Push(draft, property, step.args);
            return k + 1;
        }
        TfsCustomVariable* next = memberClass != nullptr ? memberClass->FindMember(text) : nullptr;
        if (next == nullptr)
            raiseUndeclared(text);
        if (!next->IsIndexed()) {
            Push(draft, next, step.args);
            return k + 1;
        }
        if (!draft.IndexAt(k + 1))
            RaiseIndexRequired();
        Push(draft, next, draft.steps[k + 1].args);
        return k + 2;
    }
    if (!index || (draft.type.code != TfsVarType::Array && draft.type.code != TfsVarType::Variant))
        raiseArrayTypeRequired();
    // A declared array knows its element type after its last index.
    TfsTypeInfo array = draft.type;
    for (const TfsXMLItem* arg : step.args) {
        Push(draft, draft.scope.Find("__ArrayHelper"), {arg});
        draft.readOnly = false;
        if (array.code == TfsVarType::Array && array.dimensions > 1)
            array = {TfsVarType::Array, array.name, array.dimensions - 1};
        else if (array.code == TfsVarType::Array && array.dimensions == 1)
            array = ResolveType(array.name, draft.scope);
        else
            array = {TfsVarType::Variant, "Variant"};
        draft.type = array;
    }
    return k + 1;
}

// The specialised forms for plain variables and their indexed values.
std::unique_ptr<TfsDesignator> ProgramBuilder::Finish(DesignatorDraft& draft,
                                                      const TfsXMLItem& dsgn) const {
    std::vector<TfsDesignatorItem>& items = draft.items;
    auto* variable = dynamic_cast<TfsVariable*>(items[0].ref);
    const bool plain = variable != nullptr && items[0].args.empty();
    auto allArrayHelpers = [&] {
        for (std::size_t i = 1; i < items.size(); ++i) {
            if (dynamic_cast<TfsArrayHelper*>(items[i].ref) == nullptr)
                return false;
        }
        return true;
    };
    std::unique_ptr<TfsDesignator> designator;
    if (plain && items.size() == 1)
        designator = std::make_unique<TfsVariableDesignator>();
    else if (plain && variable->Slot() != nullptr && allArrayHelpers())
        designator = std::make_unique<TfsArrayDesignator>();
    else if (plain && items.size() == 2 && dynamic_cast<TfsStringHelper*>(items[1].ref) != nullptr)
        designator = std::make_unique<TfsStringDesignator>();
    else
        designator = std::make_unique<TfsDesignator>();
    designator->items = std::move(items);
    designator->type = draft.type;
    designator->readOnly = draft.readOnly;
    designator->pos = dsgn.Prop("pos");
    return designator;
}

std::unique_ptr<TfsDesignator> ProgramBuilder::BuildDesignator(const TfsXMLItem& dsgn,
                                                               TfsScript& scope,
                                                               TfsClassVariable* construct) {
    DesignatorDraft draft{scope, {}, {}, {}, false};
    for (int i = 0; i < dsgn.Count(); ++i) {
        const TfsXMLItem& child = dsgn[i];
        const IlElement element = IlElementOf(child.Name());
        if (element == IlElement::Node)
            draft.steps.push_back({&child, {}});
        else if (element == IlElement::Expr && !draft.steps.empty())
            draft.steps.back().args.push_back(&child);
    }
    if (draft.steps.empty())
        Fail(dsgn, "Identifier expected");
    std::size_t k = At(*draft.steps[0].node, [&] { return FirstName(draft, construct); });
    while (k < draft.steps.size())
        k = At(*draft.steps[k].node, [&] { return NextStep(draft, k); });
    return Finish(draft, dsgn);
}

} // namespace rq::script
