// TfsXMLDocument and TfsXMLItem for scripts. A script item names its element
// by the document object and the child indices from the root, resolved at
// each use, so an item whose element was cleared away gives an error
// instead of reaching freed memory.
#include "script/errors.h"
#include "script/file_read.h"
#include "script/host_objects.h"
#include "script/runtime.h"
#include "script/stdlib.h"
#include "script/xml_document.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace rq::script {

namespace {

using rq::base::Object;

struct XMLDocumentObject : ScriptObject {
    explicit XMLDocumentObject(ScriptRuntime& keeper)
        : ScriptObject("TfsXMLDocument"), runtime(keeper) {}
    TfsXMLDocument document;
    ScriptRuntime& runtime; // keeps the document and its item objects
    // One item object per position (child indices from the root), so that
    // walking the document repeatedly does not pile up objects.
    std::map<std::vector<int>, Object*> items;
    void Free() override {
        document.Root().Clear();
        ScriptObject::Free();
    }
};

struct XMLItemObject : ScriptObject {
    XMLItemObject(XMLDocumentObject& document, std::vector<int> childPath)
        : ScriptObject("TfsXMLItem"), owner(&document), path(std::move(childPath)) {}
    XMLDocumentObject* owner; // kept as long as the item by the same runtime
    std::vector<int> path;    // child indices from the root

    TfsXMLItem& Element() const {
        TfsXMLItem* item = owner->IsFreed() ? nullptr : &owner->document.Root();
        for (int index : path) {
            if (item == nullptr || index >= item->Count())
                raiseUsedAfterFree();
            item = &(*item)[index];
        }
        if (item == nullptr)
            raiseUsedAfterFree();
        return *item;
    }
};

// The script object of the document's element at path.
Variant ItemObject(XMLDocumentObject& owner, std::vector<int> path) {
    Object*& slot = owner.items[path];
    if (slot == nullptr)
        slot = owner.runtime.Keep(std::make_unique<XMLItemObject>(owner, std::move(path)));
    return Variant(slot);
}

// The child at index of the item as a script object.
Variant ChildObject(const XMLItemObject& item, int index) {
    TfsXMLItem& element = item.Element();
    if (index < 0 || index >= element.Count())
        raiseListIndexOutOfBounds(index);
    std::vector<int> path = item.path;
    path.push_back(index);
    return ItemObject(*item.owner, std::move(path));
}

XMLItemObject& Item(Object* o) {
    return As<XMLItemObject>(o);
}

std::string ReadFile(const std::string& fileName) {
    return ReadWholeFile(fileName, kMaxLoadedFileSize);
}

void AddItemClass(TfsScript& script) {
    TfsClassVariable& item = script.AddClass("TfsXMLItem", "TObject", [](const Object* o) {
        return dynamic_cast<const XMLItemObject*>(o) != nullptr;
    });
    item.AddMethod("function Add: TfsXMLItem",
                   [](Object* o, const TfsClassVariable*, const std::string&, VariantArray&) {
                       XMLItemObject& self = Item(o);
                       self.Element().Add();
                       return ChildObject(self, self.Element().Count() - 1);
                   });
    item.AddMethod("procedure Clear",
                   [](Object* o, const TfsClassVariable*, const std::string&, VariantArray&) {
                       Item(o).Element().Clear();
                       return Variant();
                   });
    item.AddMethod("function Find(Name: String): Integer",
                   [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                       return Variant(Item(o).Element().Find(a[0].toString()));
                   });
    item.AddMethod("function FindItem(Name: String): TfsXMLItem",
                   [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                       XMLItemObject& self = Item(o);
                       self.Element().FindItem(a[0].toString());
                       return ChildObject(self, self.Element().Find(a[0].toString()));
                   });
    item.AddProperty("Count", "Integer",
                     [](Object* o, const TfsClassVariable*, const std::string&) {
                         return Variant(Item(o).Element().Count());
                     });
    item.AddDefaultProperty(
        "Items", "Integer", "TfsXMLItem",
        [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
            return ChildObject(Item(o), a[0].toInteger());
        },
        true);
    item.AddProperty(
        "Name", "String",
        [](Object* o, const TfsClassVariable*, const std::string&) {
            return Variant(Item(o).Element().Name());
        },
        [](Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
            Item(o).Element().SetName(v.toString());
        });
    item.AddProperty(
        "Text", "String",
        [](Object* o, const TfsClassVariable*, const std::string&) {
            return Variant(Item(o).Element().Text());
        },
        [](Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
            Item(o).Element().SetText(v.toString());
        });
    item.AddIndexedProperty(
        "Prop", "String", "String",
        [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
            return Variant(Item(o).Element().Prop(a[0].toString()));
        },
        true);
}

void AddDocumentClass(TfsScript& script) {
    TfsClassVariable& doc = script.AddClass("TfsXMLDocument", "TObject", [](const Object* o) {
        return dynamic_cast<const XMLDocumentObject*>(o) != nullptr;
    });
    ScriptRuntime& runtime = script.Runtime();
    doc.AddConstructor("constructor Create", [&runtime](Object*, const TfsClassVariable*,
                                                        const std::string&, VariantArray&) {
        return Variant(runtime.Keep(std::make_unique<XMLDocumentObject>(runtime)));
    });
    doc.AddProperty("Root", "TfsXMLItem",
                    [](Object* o, const TfsClassVariable*, const std::string&) {
                        return ItemObject(As<XMLDocumentObject>(o), {});
                    });
    doc.AddMethod("procedure LoadFromFile(FileName: String)",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                      As<XMLDocumentObject>(o).document.LoadFromString(ReadFile(a[0].toString()));
                      return Variant();
                  });
    doc.AddMethod("procedure SaveToFile(FileName: String)",
                  [](Object* o, const TfsClassVariable*, const std::string&, VariantArray& a) {
                      const std::string text = As<XMLDocumentObject>(o).document.SaveToString();
                      std::ofstream file(a[0].toString(), std::ios::binary | std::ios::trunc);
                      if (!file)
                          rq::base::raiseCannotCreateFile(a[0].toString(), std::strerror(errno));
                      file << text;
                      return Variant();
                  });
    MarkUsesFiles(doc, {"LoadFromFile", "SaveToFile"});
}

} // namespace

void AddXMLClasses(TfsScript& script) {
    AddItemClass(script);
    AddDocumentClass(script);
}

} // namespace rq::script
