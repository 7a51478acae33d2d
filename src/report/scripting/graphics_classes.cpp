// TPen and TBrush as value objects for scripts (colour, style, width, mode);
// the report's own drawing takes its pens and brushes from the objects'
// properties, so these serve scripts that keep such values.
#include "report/scripting/report_library.h"
#include "script/host_objects.h"

namespace rq::report::scripting {

namespace {

using base::Variant;
using script::As;
using script::KeepScriptObject;
using script::ScriptObject;
using script::TfsClassVariable;
using script::TfsScript;
using script::VariantArray;

using rq::base::Object;

struct Pen : ScriptObject {
    Pen() : ScriptObject("TPen") {}
    int color = 0; // clBlack
    int mode = 4;  // pmCopy
    int style = 0; // psSolid
    int width = 1;
};

struct Brush : ScriptObject {
    Brush() : ScriptObject("TBrush") {}
    int color = 0xFFFFFF; // clWhite
    int style = 0;        // bsSolid
};

template <class T> struct Field {
    const char* name;
    const char* typeName;
    int T::*member;
};

const Field<Pen> kPenFields[] = {{"Color", "Integer", &Pen::color},
                                 {"Mode", "TPenMode", &Pen::mode},
                                 {"Style", "TPenStyle", &Pen::style},
                                 {"Width", "Integer", &Pen::width}};

const Field<Brush> kBrushFields[] = {{"Color", "Integer", &Brush::color},
                                     {"Style", "TBrushStyle", &Brush::style}};

template <class T>
void AddValueClass(TfsScript& script, const char* name, std::span<const Field<T>> fields) {
    TfsClassVariable& cls = script.AddClass(
        name, "TPersistent", [](const Object* o) { return dynamic_cast<const T*>(o) != nullptr; });
    cls.AddConstructor("constructor Create",
                       [](Object*, const TfsClassVariable*, const std::string&, VariantArray&) {
                           return Variant(KeepScriptObject(std::make_unique<T>()));
                       });
    for (const Field<T>& f : fields) {
        int T::*member = f.member;
        cls.AddProperty(
            f.name, f.typeName,
            [member](Object* o, const TfsClassVariable*, const std::string&) {
                return Variant(As<T>(o).*member);
            },
            [member](Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
                As<T>(o).*member = v.toInteger();
            });
    }
}

} // namespace

void AddGraphicsClasses(script::TfsScript& script) {
    AddValueClass<Pen>(script, "TPen", kPenFields);
    AddValueClass<Brush>(script, "TBrush", kBrushFields);
}

} // namespace rq::report::scripting
