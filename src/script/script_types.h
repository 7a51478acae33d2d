// Static types of script items and expressions: the type code and, for
// classes and enumerations, the type's name.
#pragma once

#include <string>

namespace rq::script {

enum class TfsVarType {
    Integer = 0, // 32-bit integer
    Boolean = 1,
    Extended = 2, // floating point, dates and times too
    Char = 3,
    String = 4,
    Class = 5, // host object reference; the name is the class name
    Array = 6,
    Variant = 7, // any value
    Enum = 8,    // named enumeration, compared by its type name
    Constructor = 9,
};

struct TfsTypeInfo {
    TfsVarType code = TfsVarType::Variant;
    std::string name;   // declared type name; class or enumeration name
    int dimensions = 0; // a declared array: index levels before its element type
};

// The type as error messages name it: "Integer", "Class TFoo", the enum's name...
std::string TypeText(const TfsTypeInfo& type);

} // namespace rq::script
