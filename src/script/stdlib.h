// The standard library of the global script: the routines every script and
// expression can call, the platform constants and enumerations and the
// general host classes. Each group lives in its own file and is registered by
// AddStandardLibrary, which a script runtime calls once on its global library;
// routines and classes that keep state (objects, random numbers, messages)
// keep it in that runtime.
#pragma once

#include "script/script.h"

#include <span>
#include <string>

namespace rq::script {

void AddStandardLibrary(TfsScript& script);

// The groups, in registration order.
void AddConversionRoutines(TfsScript& script); // "ctConv"
void AddFormatRoutines(TfsScript& script);     // "ctFormat"
void AddDateRoutines(TfsScript& script);       // "ctDate"
void AddStringRoutines(TfsScript& script);     // "ctString"
void AddMathRoutines(TfsScript& script);       // "ctMath"
void AddOtherRoutines(TfsScript& script);      // "ctOther"
void AddLibraryConstants(TfsScript& script);
void AddLibraryEnumerations(TfsScript& script);
void AddBasicClasses(TfsScript& script);
void AddStreamClasses(TfsScript& script); // TStream, TFileStream, TMemoryStream
void AddListClass(TfsScript& script);     // TList
void AddXMLClasses(TfsScript& script);    // TfsXMLItem, TfsXMLDocument
// Marks the class's members of these names as routines that use files.
void MarkUsesFiles(TfsClassVariable& cls, std::initializer_list<const char*> names);

class ScriptRuntime;

// A standard routine: its declaration and the function that computes it
// from the parameter values (by-ref parameters are written back from args);
// a routine that needs the runtime of the library has callInRuntime instead.
struct StandardRoutine {
    const char* declaration;
    Variant (*call)(VariantArray& args);
    Variant (*callInRuntime)(ScriptRuntime& runtime, VariantArray& args) = nullptr;
};

// Registers a table of routines under one category text.
void AddRoutines(TfsScript& script, std::span<const StandardRoutine> routines,
                 const std::string& category);

} // namespace rq::script
