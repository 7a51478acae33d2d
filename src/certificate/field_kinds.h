// The field kinds of the saved-form file: for each component class the lines
// that saving gathers and how loading applies a line. Saving tests every row
// in table order with the class test (a component may match several rows);
// loading applies a line by the row of the component's exact class.
#pragma once

#include "certificate/form_component.h"
#include "certificate/line_buffer.h"

#include <span>
#include <string_view>

namespace rq::certificate {

// One line of the file buffer on loading.
struct LoadedLine {
    AnsiString raw;   // as read from the file buffer, before "$" removal
    AnsiString line;  // "$" removed, current name put in front when needed
    AnsiString value; // the text after the first underscore of line
};

struct FieldKind {
    std::string_view className;
    // Appends the component's lines (Name "_" ...) to the gather buffer.
    void (*gather)(const FormComponent& component, LineBuffer& lines);
    // Applies one loaded line to the component.
    void (*apply)(FormComponent& component, const LoadedLine& line);
};

std::span<const FieldKind> fieldKinds();

// Gathers the lines of every row the component matches.
void gatherComponent(const FormComponent& component, LineBuffer& lines);

// Applies a line by the component's exact class; a class without a row
// changes nothing. Index conversion failures raise EConvertError
// "'%s' is not a valid integer value".
void applyLine(FormComponent& component, const LoadedLine& line);

} // namespace rq::certificate
