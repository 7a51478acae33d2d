// The global library script and its base types and constants.
#include "script/global_library.h"

#include "script/stdlib.h"

#include <memory>

namespace rq::script {

namespace {

std::unique_ptr<TfsScript>& Global() {
    static std::unique_ptr<TfsScript> global;
    return global;
}

struct TypeName {
    const char* name;
    TfsVarType code;
};

constexpr TypeName kBaseTypes[] = {
    {"Byte", TfsVarType::Integer},
    {"Word", TfsVarType::Integer},
    {"Integer", TfsVarType::Integer},
    {"Longint", TfsVarType::Integer},
    {"Cardinal", TfsVarType::Integer},
    {"TColor", TfsVarType::Integer},
    {"Boolean", TfsVarType::Boolean},
    {"Real", TfsVarType::Extended},
    {"Single", TfsVarType::Extended},
    {"Double", TfsVarType::Extended},
    {"Extended", TfsVarType::Extended},
    {"Currency", TfsVarType::Extended},
    {"TDate", TfsVarType::Extended},
    {"TTime", TfsVarType::Extended},
    {"TDateTime", TfsVarType::Extended},
    {"Char", TfsVarType::Char},
    {"String", TfsVarType::String},
    {"Variant", TfsVarType::Variant},
    {"Pointer", TfsVarType::Variant},
    {"Array", TfsVarType::Array},
    {"Constructor", TfsVarType::Constructor},
};

} // namespace

void AddBaseTypes(TfsScript& script) {
    for (const TypeName& type : kBaseTypes)
        script.AddType(type.name, type.code);
    script.AddConst("True", "Boolean", Variant(true));
    script.AddConst("False", "Boolean", Variant(false));
    script.AddConst("nil", "Variant", Variant(0));
    script.AddConst("Null", "Variant", Variant::null());
}

TfsScript& fsGlobalUnit() {
    if (Global() == nullptr) {
        Global() = std::make_unique<TfsScript>();
        AddBaseTypes(*Global());
        AddStandardLibrary(*Global());
    }
    return *Global();
}

} // namespace rq::script
