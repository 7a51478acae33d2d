// Registration of the standard library into the global script, and the
// ShowMessage hook.
#include "script/stdlib.h"

#include "base/text1250.h"

#include <iostream>

namespace rq::script {

namespace {

ShowMessageHook& Hook() {
    static ShowMessageHook hook;
    return hook;
}

} // namespace

void AddRoutines(TfsScript& script, std::span<const StandardRoutine> routines,
                 const std::string& category) {
    for (const StandardRoutine& routine : routines) {
        auto call = routine.call;
        script.AddMethod(
            routine.declaration,
            [call](rq::base::Object*, const TfsClassVariable*, const std::string&,
                   VariantArray& args) { return call(args); },
            category);
    }
}

void AddStandardLibrary(TfsScript& script) {
    AddConversionRoutines(script);
    AddFormatRoutines(script);
    AddDateRoutines(script);
    AddStringRoutines(script);
    AddMathRoutines(script);
    AddOtherRoutines(script);
    AddLibraryConstants(script);
    AddLibraryEnumerations(script);
    AddBasicClasses(script);
    AddXMLClasses(script);
}

void MarkUsesFiles(TfsClassVariable& cls, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        auto* method = dynamic_cast<TfsMethodHelper*>(cls.FindMember(name));
        if (method == nullptr)
            throw std::logic_error(std::string("no method ") + name + " to mark");
        method->usesFiles = true;
    }
}

void SetShowMessageHook(ShowMessageHook hook) {
    Hook() = std::move(hook);
}

void ShowMessageText(const std::string& text) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    std::cout << rq::base::cp1250ToUtf8(text) << '\n' << std::flush;
}

} // namespace rq::script
