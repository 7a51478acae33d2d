// The standard library of the global script: the routines every script and
// expression can call, the platform constants and enumerations and the
// general host classes. Each group lives in its own file and is registered by
// AddStandardLibrary, which the global library calls once when it is made.
#pragma once

#include "script/script.h"

#include <functional>
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

// A standard routine: its declaration and the function that computes it
// from the parameter values (by-ref parameters are written back from args).
struct StandardRoutine {
    const char* declaration;
    Variant (*call)(VariantArray& args);
};

// Registers a table of routines under one category text.
void AddRoutines(TfsScript& script, std::span<const StandardRoutine> routines,
                 const std::string& category);

// ShowMessage shows its text through this hook. The desktop program installs
// a message box; without a hook the text and a line break go to standard
// output as UTF-8 (what the command-line tool wants).
using ShowMessageHook = std::function<void(const std::string& text)>;
void SetShowMessageHook(ShowMessageHook hook);
void ShowMessageText(const std::string& text);

} // namespace rq::script
