// The report's three collections: the data sources it uses ("Datasets"),
// its variables ("Variables", values are variants, Null when created) and
// its styles ("Style"). Items have published properties like components.
#pragma once

#include "report/model/font.h"
#include "report/model/frame.h"

#include <memory>
#include <string>
#include <vector>

namespace rq::report::model {

class TfrxCustomMemoView;

class TfrxDataSetItem : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    std::string DataSetName;
};

class TfrxVariable : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    std::string Name;
    base::Variant Value = base::Variant::null();
};

class TfrxStyleItem : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    std::string Name;
    TColor Color = clNone;
    TFont Font;
    TfrxFrame Frame;
};

// An ordered list of owned items of one class.
template <class Item> class TfrxCollection {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    Item& Items(int i) const { return *items_[static_cast<std::size_t>(i)]; }
    Item& Add() { return *items_.emplace_back(std::make_unique<Item>()); }
    void Clear() { items_.clear(); }
    std::vector<const Persistent*> Persistents() const {
        std::vector<const Persistent*> list;
        for (const auto& item : items_)
            list.push_back(item.get());
        return list;
    }

private:
    std::vector<std::unique_ptr<Item>> items_;
};

class TfrxVariables : public TfrxCollection<TfrxVariable> {
public:
    // Linear, case-insensitive; the first match or -1.
    int IndexOf(std::string_view name) const;
    // Null for an absent name.
    base::Variant Get(std::string_view name) const;
    // Overwrites a present variable's value or appends a new one.
    void Set(std::string_view name, const base::Variant& value);
};

class TfrxStyles : public TfrxCollection<TfrxStyleItem> {
public:
    TfrxStyleItem* Find(std::string_view name) const; // case-insensitive
    // Copies Color, Font and Frame of the named style into the memo, when
    // the style exists.
    void ApplyTo(TfrxCustomMemoView& memo, std::string_view name) const;
};

using TfrxDataSets = TfrxCollection<TfrxDataSetItem>;

// The byte transformation around streamed collection items: bytes from
// 0x80 up become 0x01 followed by the byte minus 0x80, and back.
std::string encodeHighBytes(std::string_view text);
std::string decodeHighBytes(std::string_view text);

} // namespace rq::report::model
