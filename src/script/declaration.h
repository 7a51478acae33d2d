// Declaration texts of host routines and methods in PascalScript heading
// syntax, e.g. "function Copy(s: String; from, count: Integer): String" or
// "procedure Inc(var i: Integer; incr: Integer = 1)".
#pragma once

#include "base/variant.h"

#include <string>
#include <string_view>
#include <vector>

namespace rq::script {

struct TfsDeclaredParam {
    std::string name;
    std::string typeName; // "array" for an open array of values
    bool byRef = false;   // "var" group
    bool hasDefault = false;
    rq::base::Variant defaultValue;
};

struct TfsDeclaration {
    std::string kind; // "function", "procedure" or "constructor" (lower case)
    std::string name;
    std::vector<TfsDeclaredParam> params;
    std::string resultType; // "" for a procedure
};

// Raises "Invalid declaration: '<text>'" on text it cannot read.
TfsDeclaration ParseDeclaration(std::string_view text);

} // namespace rq::script
