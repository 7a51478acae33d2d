// Reading and writing through designators, and the calling convention of
// items that take arguments.
#include "script/designator.h"

#include "script/errors.h"
#include "script/routine.h"
#include "script/script.h"

#include <array>

namespace rq::script {

namespace {

// Arguments are evaluated into temporaries before any parameter is written,
// because an argument may call the same routine. Up to kInline of them live
// on the stack.
constexpr std::size_t kInline = 8;

class ArgumentValues {
public:
    explicit ArgumentValues(std::size_t count) : count_(count) {
        if (count > kInline)
            heap_.resize(count);
    }
    Variant& operator[](std::size_t i) { return count_ > kInline ? heap_[i] : inline_[i]; }

private:
    std::size_t count_;
    std::array<Variant, kInline> inline_;
    std::vector<Variant> heap_;
};

// Evaluates the arguments and writes them into the item's parameters.
void PassArguments(TfsDesignatorItem& item) {
    const std::size_t n = item.args.size();
    ArgumentValues values(n);
    for (std::size_t i = 0; i < n; ++i)
        item.args[i]->Eval(values[i]);
    for (std::size_t i = 0; i < n; ++i)
        item.ref->Param(static_cast<int>(i)).SetValue(std::move(values[i]));
}

} // namespace

void CallItem(TfsDesignatorItem& item, const Variant& instance, Variant& out) {
    if (item.fileScope != nullptr && !item.fileScope->FileAccessAllowed())
        raiseScriptError("File access is not allowed: " + item.ref->Name());
    TfsProcVariable* proc = item.proc;
    if (item.args.empty() && (proc == nullptr || !proc->IsRunning())) {
        item.ref->Read(instance, out);
        return;
    }
    std::vector<Variant> saved;
    if (proc != nullptr && proc->IsRunning())
        saved = proc->SaveLocals();
    PassArguments(item);
    struct Restore {
        TfsProcVariable* proc;
        std::vector<Variant>& saved;
        ~Restore() {
            if (!saved.empty())
                proc->RestoreLocals(saved);
        }
    };
    ArgumentValues results(item.writeBack.empty() ? 0 : item.args.size());
    {
        Restore restore{proc, saved};
        item.ref->Read(instance, out);
        for (std::size_t i = 0; i < item.writeBack.size(); ++i) {
            if (item.writeBack[i] != nullptr)
                results[i] = item.ref->Param(static_cast<int>(i)).Value();
        }
    }
    for (std::size_t i = 0; i < item.writeBack.size(); ++i) {
        if (item.writeBack[i] != nullptr)
            item.writeBack[i]->Write(std::move(results[i]));
    }
}

TfsDesignator::~TfsDesignator() = default;

void TfsDesignator::ReadSteps(std::size_t count, Variant& out) {
    Variant instance; // the value the next item is selected on
    for (std::size_t k = 0; k < count; ++k) {
        Variant value;
        CallItem(items[k], instance, value);
        instance = std::move(value);
    }
    out = std::move(instance);
}

void TfsDesignator::Read(Variant& out) {
    if (items.size() == 1) {
        CallItem(items[0], Variant(), out);
        return;
    }
    ReadSteps(items.size(), out);
}

void TfsDesignator::Write(Variant&& value) {
    Variant instance;
    ReadSteps(items.size() - 1, instance);
    TfsDesignatorItem& last = items.back();
    PassArguments(last);
    last.ref->Write(instance, std::move(value));
}

void TfsVariableDesignator::Read(Variant& out) {
    if (Variant* slot = Slot())
        out = *slot;
    else
        items[0].ref->Read(Variant(), out);
}

void TfsVariableDesignator::Write(Variant&& value) {
    items[0].ref->Write(Variant(), std::move(value));
}

Variant* TfsVariableDesignator::Slot() {
    if (!bound_) {
        slot_ = items[0].ref->Slot();
        bound_ = true;
    }
    return slot_;
}

Variant* TfsArrayDesignator::Element(bool forWrite) {
    Variant* current = items[0].ref->Slot();
    for (std::size_t k = 1; k < items.size(); ++k) {
        for (auto& index : items[k].args) {
            const auto at = static_cast<std::size_t>(index->EvalInt());
            if (!current->isArray())
                raiseArrayTypeRequired();
            current = forWrite ? &current->atForWrite(at) : const_cast<Variant*>(&current->at(at));
        }
    }
    return current;
}

void TfsArrayDesignator::Read(Variant& out) {
    out = *Element(false);
}

void TfsArrayDesignator::Write(Variant&& value) {
    if (!readOnly)
        *Element(true) = std::move(value);
}

void TfsStringDesignator::Write(Variant&& value) {
    Variant text;
    items[0].ref->Read(Variant(), text);
    std::string s = text.toString();
    const int index = items[1].args[0]->EvalInt();
    if (index < 1 || index > static_cast<int>(s.size()))
        raiseIndexOutOfBounds();
    const std::string c = value.toString();
    s[static_cast<std::size_t>(index - 1)] = c.empty() ? '\0' : c[0];
    items[0].ref->Write(Variant(), Variant(s));
}

} // namespace rq::script
