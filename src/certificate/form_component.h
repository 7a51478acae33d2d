// The main window's components as the saved-form file sees them: a name, an
// exact class and the class test, plus one small value interface per field
// kind. A component offers the value interfaces of the kinds it belongs to.
#pragma once

#include "base/text1250.h"

#include <string_view>
#include <vector>

namespace rq::certificate {

using rq::base::AnsiString;

class FormComponent {
public:
    virtual ~FormComponent() = default;
    // The component's declared name, e.g. "Edit1".
    virtual AnsiString Name() const = 0;
    // The exact class, e.g. "TEdit".
    virtual std::string_view ClassName() const = 0;
    // True when the component is of that class or descends from it.
    virtual bool InheritsFrom(std::string_view className) const = 0;
};

// Edit fields and rich text: the whole text.
class TextValue {
public:
    virtual ~TextValue() = default;
    virtual AnsiString Text() const = 0;
    virtual void SetText(const AnsiString& text) = 0;
};

// Radio groups: the selected item, -1 for none.
class ItemIndexValue {
public:
    virtual ~ItemIndexValue() = default;
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
};

// Check boxes.
class CheckedValue {
public:
    virtual ~CheckedValue() = default;
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
};

// String grids: cells by column and row (0-based; row and column 0 are the
// fixed headings and are not saved).
class GridValue {
public:
    virtual ~GridValue() = default;
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual AnsiString Cell(int col, int row) const = 0;
    virtual void SetCell(int col, int row, const AnsiString& text) = 0;
};

// Check groups: one check per item.
class CheckGroupValue {
public:
    virtual ~CheckGroupValue() = default;
    virtual int ItemCount() const = 0;
    virtual bool ItemChecked(int item) const = 0;
    virtual void SetItemChecked(int item, bool checked) = 0;
};

// The window's components in ownership order, with lookup by name.
class FormComponentList {
public:
    void Add(FormComponent& component) { items_.push_back(&component); }
    const std::vector<FormComponent*>& Items() const { return items_; }
    // The first component whose name equals name without regard to case;
    // nullptr for none (and for an empty name).
    FormComponent* FindComponent(std::string_view name) const;

private:
    std::vector<FormComponent*> items_;
};

} // namespace rq::certificate
