// Registration of the standard library into a runtime's global library.
#include "script/stdlib.h"

#include "script/runtime.h"

namespace rq::script {

void AddRoutines(TfsScript& script, std::span<const StandardRoutine> routines,
                 const std::string& category) {
    for (const StandardRoutine& routine : routines) {
        if (auto callInRuntime = routine.callInRuntime) {
            ScriptRuntime& runtime = script.Runtime();
            script.AddMethod(
                routine.declaration,
                [callInRuntime, &runtime](rq::base::Object*, const TfsClassVariable*,
                                          const std::string&, VariantArray& args) {
                    return callInRuntime(runtime, args);
                },
                category);
            continue;
        }
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

} // namespace rq::script
