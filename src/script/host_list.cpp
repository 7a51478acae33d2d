// TList for scripts: an ordered list of object references (any value is
// kept as it is); an index outside 0 .. Count - 1 raises "List index out of
// bounds (N)".
#include "script/errors.h"
#include "script/host_objects.h"
#include "script/stdlib.h"

#include <algorithm>
#include <vector>

namespace rq::script {

namespace {

using rq::base::Object;

struct List : ScriptObject {
    List() : ScriptObject("TList") {}
    std::vector<Variant> items;

    void CheckIndex(std::int64_t index, std::size_t limit) const {
        if (index < 0 || static_cast<std::size_t>(index) >= limit)
            raiseListIndexOutOfBounds(index);
    }
    int IndexOf(const Variant& v) const {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].identical(v))
                return static_cast<int>(i);
        return -1;
    }
    void Free() override {
        items.clear();
        ScriptObject::Free();
    }
};

using ListCall = Variant (*)(List& list, VariantArray& args);

struct ListMember {
    const char* declaration;
    ListCall call;
};

const ListMember kListMethods[] = {
    {"function Add(Item: TObject): Integer",
     [](List& l, VariantArray& a) {
         l.items.push_back(a[0]);
         return Variant(static_cast<int>(l.items.size()) - 1);
     }},
    {"procedure Clear",
     [](List& l, VariantArray&) {
         l.items.clear();
         return Variant();
     }},
    {"procedure Delete(Index: Integer)",
     [](List& l, VariantArray& a) {
         l.CheckIndex(a[0].toInt64(), l.items.size());
         l.items.erase(l.items.begin() + a[0].toInteger());
         return Variant();
     }},
    {"function IndexOf(Item: TObject): Integer",
     [](List& l, VariantArray& a) { return Variant(l.IndexOf(a[0])); }},
    {"procedure Insert(Index: Integer; Item: TObject)",
     [](List& l, VariantArray& a) {
         l.CheckIndex(a[0].toInt64(), l.items.size() + 1);
         l.items.insert(l.items.begin() + a[0].toInteger(), a[1]);
         return Variant();
     }},
    {"function Remove(Item: TObject): Integer",
     [](List& l, VariantArray& a) {
         const int index = l.IndexOf(a[0]);
         if (index >= 0)
             l.items.erase(l.items.begin() + index);
         return Variant(index);
     }},
};

Variant ListItem(Object* o, const TfsClassVariable*, const std::string& name, VariantArray& a) {
    List& l = As<List>(o);
    l.CheckIndex(a[0].toInt64(), l.items.size());
    Variant& item = l.items[static_cast<std::size_t>(a[0].toInteger())];
    if (name.ends_with(".SET"))
        item = a[1];
    return item;
}

} // namespace

Object* NewScriptList(std::vector<Variant> items) {
    auto list = std::make_unique<List>();
    list->items = std::move(items);
    return KeepScriptObject(std::move(list));
}

void AddListClass(TfsScript& script) {
    TfsClassVariable& list = script.AddClass("TList", "TObject", [](const Object* o) {
        return dynamic_cast<const List*>(o) != nullptr;
    });
    list.AddConstructor("constructor Create",
                        [](Object*, const TfsClassVariable*, const std::string&, VariantArray&) {
                            return Variant(KeepScriptObject(std::make_unique<List>()));
                        });
    for (const ListMember& m : kListMethods) {
        const ListCall call = m.call;
        list.AddMethod(m.declaration,
                       [call](Object* o, const TfsClassVariable*, const std::string&,
                              VariantArray& args) { return call(As<List>(o), args); });
    }
    list.AddProperty("Count", "Integer",
                     [](Object* o, const TfsClassVariable*, const std::string&) {
                         return Variant(static_cast<int>(As<List>(o).items.size()));
                     });
    list.AddDefaultProperty("Items", "Integer", "TObject", ListItem);
}

} // namespace rq::script
