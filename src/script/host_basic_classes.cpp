// The basic host classes: TObject, TPersistent, TStrings and TStringList.
// Members dispatch on the upper-case member name through one table per
// class.
#include "script/stdlib.h"

#include "script/host_streams.h"
#include "script/host_string_list.h"
#include "script/runtime.h"

#include <vector>

namespace rq::script {

namespace {

using rq::base::Object;

template <class T> bool IsA(const Object* o) {
    return dynamic_cast<const T*>(o) != nullptr;
}

using ListCall = Variant (*)(StringList& list, VariantArray& args);

struct ListMember {
    const char* declaration; // a method, or the name of an indexed property
    ListCall call;
};

Object* ObjectArg(const Variant& v) {
    return v.toObject();
}

const ListMember kStringsMethods[] = {
    {"function Add(s: String): Integer",
     [](StringList& l, VariantArray& a) { return Variant(l.Add(a[0].toString())); }},
    {"function AddObject(s: String; AObject: TObject): Integer",
     [](StringList& l, VariantArray& a) {
         return Variant(l.AddObject(a[0].toString(), ObjectArg(a[1])));
     }},
    {"procedure Clear",
     [](StringList& l, VariantArray&) {
         l.Clear();
         return Variant();
     }},
    {"procedure Delete(Index: Integer)",
     [](StringList& l, VariantArray& a) {
         l.Delete(a[0].toInteger());
         return Variant();
     }},
    {"function IndexOf(s: String): Integer",
     [](StringList& l, VariantArray& a) { return Variant(l.IndexOf(a[0].toString())); }},
    {"function IndexOfName(s: String): Integer",
     [](StringList& l, VariantArray& a) { return Variant(l.IndexOfName(a[0].toString())); }},
    {"function IndexOfObject(AObject: TObject): Integer",
     [](StringList& l, VariantArray& a) { return Variant(l.IndexOfObject(ObjectArg(a[0]))); }},
    {"procedure Insert(Index: Integer; s: String)",
     [](StringList& l, VariantArray& a) {
         l.Insert(a[0].toInteger(), a[1].toString());
         return Variant();
     }},
    {"procedure InsertObject(Index: Integer; s: String; AObject: TObject)",
     [](StringList& l, VariantArray& a) {
         l.Insert(a[0].toInteger(), a[1].toString(), ObjectArg(a[2]));
         return Variant();
     }},
    {"procedure LoadFromFile(FileName: String)",
     [](StringList& l, VariantArray& a) {
         l.LoadFromFile(a[0].toString());
         return Variant();
     }},
    {"procedure SaveToFile(FileName: String)",
     [](StringList& l, VariantArray& a) {
         l.SaveToFile(a[0].toString());
         return Variant();
     }},
    // Reads from the stream's position to its end.
    {"procedure LoadFromStream(Stream: TStream)",
     [](StringList& l, VariantArray& a) {
         ByteStream& stream = As<ByteStream>(a[0].toObject());
         l.SetText(stream.Read(stream.Size() - stream.Position()));
         return Variant();
     }},
    {"procedure SaveToStream(Stream: TStream)",
     [](StringList& l, VariantArray& a) {
         As<ByteStream>(a[0].toObject()).Write(l.Text());
         return Variant();
     }},
};

const ListMember kStringListMethods[] = {
    {"function Find(s: String; var Index: Integer): Boolean",
     [](StringList& l, VariantArray& a) {
         int index = 0;
         const bool found = l.Find(a[0].toString(), index);
         a[1] = Variant(index);
         return Variant(found);
     }},
    {"procedure Sort",
     [](StringList& l, VariantArray&) {
         l.Sort();
         return Variant();
     }},
};

TfsCallMethod ListHandler(ListCall call) {
    return [call](Object* o, const TfsClassVariable*, const std::string&, VariantArray& args) {
        return call(As<StringList>(o), args);
    };
}

// Indexed properties: the index first, on writing the value after it.
Variant StringsItem(Object* o, const TfsClassVariable*, const std::string& name, VariantArray& a) {
    StringList& l = As<StringList>(o);
    const bool set = name.ends_with(".SET");
    const std::string_view prop = std::string_view(name).substr(0, name.find('.'));
    if (prop == "NAMES")
        return Variant(l.Name(a[0].toInteger()));
    if (prop == "OBJECTS") {
        if (set)
            l.PutObject(a[0].toInteger(), ObjectArg(a[1]));
        return Variant(l.GetObject(a[0].toInteger()));
    }
    if (prop == "VALUES") {
        if (set)
            l.SetValue(a[0].toString(), a[1].toString());
        return Variant(l.Value(a[0].toString()));
    }
    if (set)
        l.Put(a[0].toInteger(), a[1].toString());
    return Variant(l.Get(a[0].toInteger()));
}

template <class Get> TfsGetValue ListGetter(Get get) {
    return [get](Object* o, const TfsClassVariable*, const std::string&) {
        return Variant(get(As<StringList>(o)));
    };
}

template <class Set> TfsSetValue ListSetter(Set set) {
    return [set](Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
        set(As<StringList>(o), v);
    };
}

void AddObjectClass(TfsScript& script) {
    ScriptRuntime& runtime = script.Runtime();
    TfsClassVariable& object = script.AddClass("TObject", "", [](const Object*) { return true; });
    object.AddConstructor("constructor Create", [&runtime](Object*, const TfsClassVariable*,
                                                           const std::string&, VariantArray&) {
        return Variant(runtime.Keep(std::make_unique<ScriptObject>("TObject")));
    });
    object.AddMethod("procedure Free",
                     [](Object* o, const TfsClassVariable*, const std::string&, VariantArray&) {
                         if (auto* s = dynamic_cast<ScriptObject*>(o))
                             s->Free();
                         return Variant();
                     });
    object.AddMethod("function ClassName: String",
                     [](Object* o, const TfsClassVariable* c, const std::string&, VariantArray&) {
                         if (auto* s = dynamic_cast<ScriptObject*>(o))
                             return Variant(s->ClassName());
                         return Variant(c->Name());
                     });
    script.AddClass("TPersistent", "TObject");
    script.AddClass("TComponent", "TPersistent");
}

void AddStringsClasses(TfsScript& script) {
    TfsClassVariable& strings = script.AddClass("TStrings", "TPersistent", IsA<StringList>);
    for (const ListMember& m : kStringsMethods)
        strings.AddMethod(m.declaration, ListHandler(m.call));
    MarkUsesFiles(strings, {"LoadFromFile", "SaveToFile"});
    strings.AddProperty(
        "CommaText", "String", ListGetter([](StringList& l) { return l.CommaText(); }),
        ListSetter([](StringList& l, const Variant& v) { l.SetCommaText(v.toString()); }));
    strings.AddProperty("Count", "Integer", ListGetter([](StringList& l) { return l.Count(); }));
    strings.AddIndexedProperty("Names", "Integer", "String", StringsItem, true);
    strings.AddIndexedProperty("Objects", "Integer", "TObject", StringsItem);
    strings.AddIndexedProperty("Values", "String", "String", StringsItem);
    strings.AddDefaultProperty("Strings", "Integer", "String", StringsItem);
    strings.AddProperty(
        "Text", "String", ListGetter([](StringList& l) { return l.Text(); }),
        ListSetter([](StringList& l, const Variant& v) { l.SetText(v.toString()); }));

    TfsClassVariable& list = script.AddClass("TStringList", "TStrings", IsA<StringList>);
    ScriptRuntime& runtime = script.Runtime();
    list.AddConstructor("constructor Create", [&runtime](Object*, const TfsClassVariable*,
                                                         const std::string&, VariantArray&) {
        return Variant(runtime.Keep(std::make_unique<StringList>()));
    });
    for (const ListMember& m : kStringListMethods)
        list.AddMethod(m.declaration, ListHandler(m.call));
    list.AddProperty("Duplicates", "TDuplicates",
                     ListGetter([](StringList& l) { return static_cast<int>(l.Duplicates()); }),
                     ListSetter([](StringList& l, const Variant& v) {
                         l.SetDuplicates(static_cast<TDuplicates>(v.toInteger()));
                     }));
    list.AddProperty(
        "Sorted", "Boolean", ListGetter([](StringList& l) { return l.Sorted(); }),
        ListSetter([](StringList& l, const Variant& v) { l.SetSorted(v.toBoolean()); }));
}

} // namespace

void AddBasicClasses(TfsScript& script) {
    AddObjectClass(script);
    AddStreamClasses(script);
    AddListClass(script);
    AddStringsClasses(script);
}

} // namespace rq::script
