// The report group of host classes over the report model. Each model class
// is registered with its ancestor; its own published properties become
// property accessors typed from their kinds, so the script sees exactly the
// property registry that the serializer uses. A few members are added by
// hand: the component tree, bounds, the views' measured sizes and the
// memo's text.
#include "report/scripting/report_library.h"
#include "script/errors.h"
#include "script/host_objects.h"

#include "report/model/band.h"
#include "report/model/barcode_view.h"
#include "report/model/font.h"
#include "report/model/format.h"
#include "report/model/frame.h"
#include "report/model/line_view.h"
#include "report/model/memo_view.h"
#include "report/model/options.h"
#include "report/model/page.h"
#include "report/model/picture.h"
#include "report/model/picture_view.h"
#include "report/model/report.h"
#include "report/scripting/report_objects.h"
#include "script/host_streams.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace rq::report::scripting {

namespace {

using base::Variant;
using script::As;
using script::ByteStream;
using script::KeepScriptObject;
using script::NewScriptList;
using script::ScriptObject;
using script::TfsClassVariable;
using script::TfsScript;
using script::TfsSetValue;
using script::VariantArray;

using rq::base::Object;

ReportObject& Self(Object* o) {
    return As<ReportObject>(o);
}

// The script's type name for a property kind.
std::string TypeNameOf(TfsScript& script, const model::PropInfo& p) {
    switch (p.kind) {
    case model::PropKind::Enum:
    case model::PropKind::Set:
        if (p.type->name == "Boolean")
            return "Boolean";
        if (script.Find(std::string(p.type->name)) == nullptr) {
            std::string names;
            for (std::string_view n : p.type->values)
                names += (names.empty() ? "" : ", ") + std::string(n);
            if (p.kind == model::PropKind::Set)
                script.AddEnumSet(std::string(p.type->name), names);
            else
                script.AddEnum(std::string(p.type->name), names);
        }
        return std::string(p.type->name);
    case model::PropKind::Float:
        return "Extended";
    case model::PropKind::String:
        return "String";
    case model::PropKind::Variant:
        return "Variant";
    case model::PropKind::Class:
    case model::PropKind::Reference:
        return std::string(p.className);
    default:
        return "Integer";
    }
}

Variant ReadProperty(const ReportObject& self, const model::PropInfo& p) {
    const model::Persistent& target = self.Target();
    switch (p.kind) {
    case model::PropKind::Enum:
        if (p.type->name == "Boolean")
            return Variant(p.getOrd(target) != 0);
        return Variant(static_cast<int>(p.getOrd(target)));
    case model::PropKind::Float:
        return Variant(static_cast<double>(p.getFloat(target)));
    case model::PropKind::String:
        return Variant(p.getStr(target));
    case model::PropKind::Variant:
        return p.getVar(target);
    case model::PropKind::Class:
        return WrapProperty(self, p);
    case model::PropKind::Reference:
        return WrapComponent(p.getRef(target));
    default:
        return Variant(static_cast<int>(p.getOrd(target)));
    }
}

void WriteProperty(const ReportObject& self, const model::PropInfo& p, const Variant& v) {
    model::Persistent& target = self.Target();
    switch (p.kind) {
    case model::PropKind::Float:
        p.setFloat(target, v.toDouble());
        break;
    case model::PropKind::String:
        p.setStr(target, v.toString());
        break;
    case model::PropKind::Variant:
        p.setVar(target, v);
        break;
    case model::PropKind::Reference:
        p.setRef(target, AsComponent(v));
        break;
    case model::PropKind::Enum:
        p.setOrd(target, v.isString() ? p.type->valueOf(v.toString()) : v.toInt64());
        break;
    default:
        p.setOrd(target, v.toInt64());
        break;
    }
}

bool HasSetter(const model::PropInfo& p) {
    switch (p.kind) {
    case model::PropKind::Float:
        return static_cast<bool>(p.setFloat);
    case model::PropKind::String:
        return static_cast<bool>(p.setStr);
    case model::PropKind::Variant:
        return static_cast<bool>(p.setVar);
    case model::PropKind::Reference:
        return static_cast<bool>(p.setRef);
    case model::PropKind::Class:
        return false; // a value record is changed through its own properties
    default:
        return static_cast<bool>(p.setOrd);
    }
}

// A property whose class the script does not know (a model string list,
// a picture) is left out; the class members added by hand cover the text.
bool Typeable(TfsScript& script, const model::PropInfo& p) {
    if (p.kind != model::PropKind::Class && p.kind != model::PropKind::Reference)
        return true;
    const TfsClassVariable* cls = script.FindClass(std::string(p.className));
    return cls != nullptr && (p.className != "TStrings");
}

void AddAutomaticProperties(TfsScript& script, TfsClassVariable& cls,
                            const model::ClassInfo& info) {
    const auto& all = info.properties();
    const std::size_t inherited = info.parent() ? info.parent()->properties().size() : 0;
    for (std::size_t i = inherited; i < all.size(); ++i) {
        const model::PropInfo* p = all[i];
        if (!Typeable(script, *p))
            continue;
        TfsSetValue setter;
        if (HasSetter(*p))
            setter = [p](Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
                WriteProperty(Self(o), *p, v);
            };
        cls.AddProperty(
            std::string(p->name), TypeNameOf(script, *p),
            [p](Object* o, const TfsClassVariable*, const std::string&) {
                return ReadProperty(Self(o), *p);
            },
            std::move(setter));
    }
}

TfsClassVariable& AddModelClass(TfsScript& script, const model::ClassInfo& info,
                                const std::string& ancestor) {
    const model::ClassInfo* type = &info;
    TfsClassVariable& cls =
        script.AddClass(std::string(info.name()), ancestor, [type](const Object* o) {
            auto* r = dynamic_cast<const ReportObject*>(o);
            const model::Persistent* target = r != nullptr ? r->TryTarget() : nullptr;
            return target != nullptr && target->ClassType().inheritsFrom(*type);
        });
    if (info.canCreate()) {
        cls.AddConstructor(
            "constructor Create(AOwner: TComponent)",
            [type](Object*, const TfsClassVariable*, const std::string&, VariantArray& a) {
                std::unique_ptr<model::TfrxComponent> made = type->create();
                model::TfrxComponent* raw = made.get();
                if (model::TfrxComponent* owner = AsComponent(a[0])) {
                    owner->AdoptChild(std::move(made));
                    return WrapComponent(raw);
                }
                Variant wrapped = WrapComponent(raw);
                AsReportObject(wrapped)->Own(std::move(made));
                return wrapped;
            });
    }
    AddAutomaticProperties(script, cls, info);
    return cls;
}

model::TfrxComponent& ComponentOf(Object* o) {
    auto* c = dynamic_cast<model::TfrxComponent*>(&Self(o).Target());
    if (c == nullptr)
        rq::script::raiseInvalidTypecast();
    return *c;
}

void AddComponentMembers(TfsClassVariable& cls) {
    cls.AddMethod("procedure Clear",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray&) {
                      ComponentOf(o).Clear();
                      return Variant();
                  });
    cls.AddMethod("procedure SetBounds(ALeft, ATop, AWidth, AHeight: Extended)",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                      ComponentOf(o).SetBounds(a[0].toDouble(), a[1].toDouble(), a[2].toDouble(),
                                               a[3].toDouble());
                      return Variant();
                  });
    // The component's XML form, written at and read from the stream's position.
    cls.AddMethod("procedure SaveToStream(Stream: TStream)",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                      std::ostringstream out;
                      ComponentOf(o).SaveToStream(out);
                      As<ByteStream>(a[0].toObject()).Write(out.str());
                      return Variant();
                  });
    cls.AddMethod("procedure LoadFromStream(Stream: TStream)",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                      ByteStream& stream = As<ByteStream>(a[0].toObject());
                      std::istringstream in(stream.Read(stream.Size() - stream.Position()));
                      ComponentOf(o).LoadFromStream(in);
                      return Variant();
                  });
    cls.AddIndexedProperty(
        "Objects", "Integer", "TfrxComponent",
        [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
            model::TfrxComponent& c = ComponentOf(o);
            const int index = a[0].toInteger();
            if (index < 0 || index >= c.Count())
                script::raiseListIndexOutOfBounds(index);
            return WrapComponent(c.Objects(index));
        },
        true);
    const auto getter = [](Variant (*get)(model::TfrxComponent&)) {
        return [get](Object* o, const TfsClassVariable*, const std::string&) {
            return get(ComponentOf(o));
        };
    };
    // Every object below the component, depth first, as a new list.
    cls.AddProperty("AllObjects", "TList", getter([](model::TfrxComponent& c) {
                        std::vector<Variant> items;
                        for (model::TfrxComponent* child : c.AllObjects())
                            items.push_back(WrapComponent(child));
                        return Variant(NewScriptList(std::move(items)));
                    }));
    cls.AddProperty("Count", "Integer",
                    getter([](model::TfrxComponent& c) { return Variant(c.Count()); }));
    cls.AddProperty("Parent", "TfrxComponent",
                    getter([](model::TfrxComponent& c) { return WrapComponent(c.Parent()); }));
    cls.AddProperty("Page", "TfrxComponent",
                    getter([](model::TfrxComponent& c) { return WrapComponent(c.Page()); }));
    cls.AddProperty("AbsLeft", "Extended", getter([](model::TfrxComponent& c) {
                        return Variant(static_cast<double>(c.AbsLeft()));
                    }));
    cls.AddProperty("AbsTop", "Extended", getter([](model::TfrxComponent& c) {
                        return Variant(static_cast<double>(c.AbsTop()));
                    }));
}

model::TfrxCustomMemoView& MemoOf(Object* o) {
    auto* m = dynamic_cast<model::TfrxCustomMemoView*>(&Self(o).Target());
    if (m == nullptr)
        rq::script::raiseInvalidTypecast();
    return *m;
}

// The height the view's content needs (the model's CalcHeight: a memo
// measures its text, other views answer their Height).
void AddStretcheableMembers(TfsClassVariable& cls) {
    cls.AddMethod("function CalcHeight: Extended",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray&) {
                      auto* view = dynamic_cast<model::TfrxStretcheable*>(&Self(o).Target());
                      if (view == nullptr)
                          rq::script::raiseInvalidTypecast();
                      return Variant(static_cast<double>(view->CalcHeight()));
                  });
}

void AddMemoMembers(TfsClassVariable& cls) {
    cls.AddMethod("function CalcWidth: Extended",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray&) {
                      return Variant(static_cast<double>(MemoOf(o).CalcWidth()));
                  });
    cls.AddProperty(
        "Text", "String",
        [](Object* o, const TfsClassVariable*, const std::string&) {
            return Variant(MemoOf(o).Text());
        },
        [](Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
            MemoOf(o).SetText(v.toString());
        });
}

model::TfrxReport& ReportOf(Object* o) {
    auto* r = dynamic_cast<model::TfrxReport*>(&Self(o).Target());
    if (r == nullptr)
        rq::script::raiseInvalidTypecast();
    return *r;
}

void AddReportMembers(TfsClassVariable& cls) {
    cls.AddMethod("function Calc(Expr: String): Variant",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                      return ReportOf(o).Calc(a[0].toString());
                  });
    cls.AddMethod("function LoadFromFile(FileName: String): Boolean",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                      return Variant(ReportOf(o).LoadFromFile(a[0].toString()));
                  });
    cls.AddMethod("procedure SaveToFile(FileName: String)",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                      ReportOf(o).SaveToFile(a[0].toString());
                      return Variant();
                  });
}

// The graphic class of an image by its first bytes.
std::string GraphicClassOf(std::string_view data) {
    if (data.starts_with("\xFF\xD8"))
        return "TJPEGImage";
    if (data.starts_with("\x89PNG"))
        return "TPNGObject";
    if (data.starts_with("BM"))
        return "TBitmap";
    return {};
}

// The pixel size of the picture's image (0 x 0 when empty).
const model::TPicture& PictureOf(Object* o) {
    auto* picture = dynamic_cast<model::TPicture*>(&Self(o).Target());
    if (picture == nullptr)
        rq::script::raiseInvalidTypecast();
    return *picture;
}

void AddPictureSize(TfsClassVariable& cls) {
    cls.AddProperty("Width", "Integer", [](Object* o, const TfsClassVariable*, const std::string&) {
        return Variant(PictureOf(o).Width());
    });
    cls.AddProperty("Height", "Integer",
                    [](Object* o, const TfsClassVariable*, const std::string&) {
                        return Variant(PictureOf(o).Height());
                    });
}

void AddPictureMembers(TfsClassVariable& cls) {
    cls.AddMethod("procedure LoadFromFile(FileName: String)",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                      auto* view = dynamic_cast<model::TfrxPictureView*>(&Self(o).Target());
                      if (view == nullptr)
                          rq::script::raiseInvalidTypecast();
                      const std::string fileName = a[0].toString();
                      std::ifstream file(fileName, std::ios::binary);
                      if (!file)
                          rq::base::raiseCannotOpenFile(fileName, std::strerror(errno));
                      std::ostringstream bytes;
                      bytes << file.rdbuf();
                      const std::string className = GraphicClassOf(bytes.str());
                      if (className.empty()) {
                          const std::size_t dot = fileName.rfind('.');
                          throw rq::base::Exception(
                              "Unknown picture file extension (" +
                              (dot == std::string::npos ? std::string() : fileName.substr(dot)) +
                              ")");
                      }
                      view->Picture().SetGraphic(className, bytes.str());
                      return Variant();
                  });
}

struct ValueClass {
    const model::ClassInfo& (*info)();
};

// TFont.Create: a font of the script's own, freed by Free.
void AddFontConstructor(TfsClassVariable& font) {
    font.AddConstructor("constructor Create",
                        [](Object*, const TfsClassVariable*, const std::string&, VariantArray&) {
                            return Variant(KeepScriptObject(
                                std::make_unique<ReportObject>(std::make_unique<model::TFont>())));
                        });
}

// Value records first: component properties are typed with their classes.
const ValueClass kValueClasses[] = {
    {&model::TFont::StaticClass},
    {&model::TfrxFrame::StaticClass},
    {&model::TfrxFormat::StaticClass},
    {&model::TfrxHighlight::StaticClass},
    {&model::TPicture::StaticClass},
    {&model::TfrxEngineOptions::StaticClass},
    {&model::TfrxPreviewOptions::StaticClass},
    {&model::TfrxPrintOptions::StaticClass},
    {&model::TfrxReportOptions::StaticClass},
};

// Components, ancestors before descendants.
const ValueClass kComponentClasses[] = {
    {&model::TfrxReportComponent::StaticClass}, {&model::TfrxView::StaticClass},
    {&model::TfrxStretcheable::StaticClass},    {&model::TfrxCustomMemoView::StaticClass},
    {&model::TfrxMemoView::StaticClass},        {&model::TfrxCustomLineView::StaticClass},
    {&model::TfrxLineView::StaticClass},        {&model::TfrxPictureView::StaticClass},
    {&model::TfrxBarCodeView::StaticClass},     {&model::TfrxBand::StaticClass},
    {&model::TfrxNullBand::StaticClass},        {&model::TfrxPage::StaticClass},
    {&model::TfrxReportPage::StaticClass},      {&model::TfrxReport::StaticClass},
};

} // namespace

void AddReportClasses(script::TfsScript& script) {
    for (const ValueClass& c : kValueClasses) {
        TfsClassVariable& cls = AddModelClass(script, c.info(), "TPersistent");
        if (&c.info() == &model::TFont::StaticClass())
            AddFontConstructor(cls);
        if (&c.info() == &model::TPicture::StaticClass())
            AddPictureSize(cls);
    }
    TfsClassVariable& component =
        AddModelClass(script, model::TfrxComponent::StaticClass(), "TComponent");
    AddComponentMembers(component);
    for (const ValueClass& c : kComponentClasses) {
        const model::ClassInfo& info = c.info();
        TfsClassVariable& cls = AddModelClass(script, info, std::string(info.parent()->name()));
        if (&info == &model::TfrxStretcheable::StaticClass())
            AddStretcheableMembers(cls);
        if (&info == &model::TfrxCustomMemoView::StaticClass())
            AddMemoMembers(cls);
        if (&info == &model::TfrxReport::StaticClass())
            AddReportMembers(cls);
        if (&info == &model::TfrxPictureView::StaticClass())
            AddPictureMembers(cls);
    }
}

} // namespace rq::report::scripting
