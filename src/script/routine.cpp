// Calling a script routine: flags of its local script, the running mark,
// OnRunLine's view of the running routine, and the Result.
#include "script/routine.h"

#include "script/errors.h"
#include "script/script.h"

namespace rq::script {

TfsProcVariable::TfsProcVariable(std::string name, TfsTypeInfo type, bool isFunction,
                                 TfsScript& parent)
    : TfsCustomVariable(std::move(name), std::move(type)), isFunction_(isFunction),
      prog_(std::make_unique<TfsScript>(&parent)) {}

TfsProcVariable::~TfsProcVariable() = default;

namespace {

// The first script from start up the chain that listens to OnRunLine.
TfsScript* RunLineListener(TfsScript* start) {
    for (TfsScript* s = start; s != nullptr; s = s->Parent()) {
        if (s->OnRunLine)
            return s;
    }
    return nullptr;
}

} // namespace

namespace {

// Nested script calls in progress; deeper recursion is an error instead of
// a crash of the program's stack.
int callDepth = 0;
constexpr int kMaxCallDepth = 400;

} // namespace

void TfsProcVariable::Read(const Variant&, Variant& out) {
    if (callDepth >= kMaxCallDepth)
        raiseScriptError("Stack overflow");
    struct Depth {
        Depth() { ++callDepth; }
        ~Depth() { --callDepth; }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
    } depth;
    struct Running {
        TfsProcVariable& proc;
        bool wasRunning;
        bool progWasRunning;
        TfsScript* listener;
        TfsScript* previous;
        ~Running() {
            RunFlags& flags = proc.prog_->Flags();
            flags.Exit = flags.Terminated = flags.Break = flags.Continue = false;
            proc.prog_->SetRunning(progWasRunning);
            proc.running_ = wasRunning;
            if (listener != nullptr)
                listener->ProgRunning = previous;
        }
    };
    TfsScript* listener = RunLineListener(prog_->Parent());
    Running running{*this, running_, prog_->IsRunning(), listener,
                    listener != nullptr ? listener->ProgRunning : nullptr};
    running_ = true;
    if (listener != nullptr)
        listener->ProgRunning = prog_.get();
    prog_->Flags() = RunFlags{};
    prog_->SetRunning(true);
    // A call under a terminated script (or one asked to stop) runs nothing.
    if (!prog_->CheckTerminated())
        prog_->Statements().Run(*prog_);
    if (isFunction_ && result_ != nullptr)
        result_->Read(Variant(), out);
    else
        out = Variant::null();
}

std::vector<Variant> TfsProcVariable::SaveLocals() const {
    std::vector<Variant> saved;
    for (int i = 0; i < prog_->Count(); ++i) {
        if (auto* variable = dynamic_cast<TfsVariable*>(&prog_->Items(i)))
            saved.push_back(variable->Value());
    }
    return saved;
}

void TfsProcVariable::RestoreLocals(std::vector<Variant>& saved) {
    std::size_t k = 0;
    for (int i = 0; i < prog_->Count() && k < saved.size(); ++i) {
        if (auto* variable = dynamic_cast<TfsVariable*>(&prog_->Items(i)))
            variable->SetValue(std::move(saved[k++]));
    }
}

} // namespace rq::script
