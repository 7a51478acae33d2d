// TfrxComponent, the base of every node of the report tree: bounds in
// pixels relative to the parent, font with ParentFont, name, visibility,
// and the tree itself. A parent owns its children (Objects, in output
// order); Parent is a plain back link. Streaming goes through the property
// tables (persistent.h) and the serializer.
#pragma once

#include "report/model/font.h"
#include "report/model/persistent.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace rq::report::model {

class TfrxReport;
class TfrxReportPage;

// A link to a component that becomes empty when the component is destroyed.
class ComponentRef {
public:
    ComponentRef() = default;
    TfrxComponent* get() const { return slot_ ? *slot_ : nullptr; }

private:
    friend class TfrxComponent;
    explicit ComponentRef(std::shared_ptr<TfrxComponent*> slot) : slot_(std::move(slot)) {}
    std::shared_ptr<TfrxComponent*> slot_;
};

struct Bounds {
    Extended Left = 0, Top = 0, Width = 0, Height = 0;
};

class TfrxComponent : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    TfrxComponent();
    ~TfrxComponent() override;
    TfrxComponent(const TfrxComponent&) = delete;
    TfrxComponent& operator=(const TfrxComponent&) = delete;

    // --- tree -------------------------------------------------------------
    TfrxComponent* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(objects_.size()); }
    TfrxComponent* Objects(int index) const { return objects_[static_cast<size_t>(index)].get(); }
    // All descendants, depth-first pre-order, this object excluded.
    std::vector<TfrxComponent*> AllObjects() const;
    // Appends a parentless object as the last child (create with an owner).
    template <class T> T* AdoptChild(std::unique_ptr<T> child) {
        T* raw = child.get();
        adopt(std::unique_ptr<TfrxComponent>(std::move(child)));
        return raw;
    }
    template <class T> T* CreateChild() { return AdoptChild(std::make_unique<T>()); }
    // Moves a child object to another parent (appended last); p must not be
    // null or a descendant of this object. Use Detach to take it out.
    virtual void SetParent(TfrxComponent* p);
    // Takes the object out of its parent; the caller owns it afterwards.
    std::unique_ptr<TfrxComponent> Detach();
    // Detaches the object from its parent and destroys it with its children.
    static void Free(TfrxComponent* object);
    // Destroys the children, always the first remaining one.
    virtual void Clear();

    TfrxComponent* ObjectByName(std::string_view name) const; // case-insensitive
    TfrxReportPage* Page() const;                             // nearest report page up
    TfrxReport* Report() const;                               // the root report
    Extended AbsLeft() const;
    Extended AbsTop() const;
    ComponentRef Ref();

    // --- published values -------------------------------------------------
    const std::string& Name() const { return name_; }
    // Raises "prDupl" when another object of the report has that name.
    virtual void SetName(const std::string& value);
    std::int32_t Tag() const { return tag_; }
    void SetTag(std::int32_t v) { tag_ = v; }
    Extended Left() const { return bounds_.Left; }
    Extended Top() const { return bounds_.Top; }
    Extended Width() const { return bounds_.Width; }
    Extended Height() const { return bounds_.Height; }
    virtual void SetLeft(Extended v);
    virtual void SetTop(Extended v);
    virtual void SetWidth(Extended v);
    virtual void SetHeight(Extended v);
    void SetBounds(Extended l, Extended t, Extended w, Extended h);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    // Copies the font; ParentFont becomes False.
    virtual void SetFont(const TFont& value);
    bool ParentFont() const { return parentFont_; }
    virtual void SetParentFont(bool value);
    std::int32_t GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(std::int32_t v) { groupIndex_ = v; }
    std::int32_t Restrictions() const { return restrictions_; }
    void SetRestrictions(std::int32_t v);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v) { visible_ = v; }

    // --- state used by the engine and the prepared-pages store ------------
    bool IsDesigning() const { return designing_; }
    void SetDesigning(bool v) { designing_ = v; }
    bool IsLoading() const { return loading_; }
    void SetLoading(bool v) { loading_ = v; }
    bool FullSerialize() const { return fullSerialize_; }
    const std::string& Alias() const { return alias_; }
    void SetAlias(const std::string& v) { alias_ = v; }
    TfrxComponent* SourceLink() const { return sourceLink_.get(); }
    void SetSourceLink(TfrxComponent* v) { sourceLink_ = v ? v->Ref() : ComponentRef(); }
    const Bounds& SavedBounds() const { return savedBounds_; }
    void SaveBounds() { savedBounds_ = bounds_; }

    // Class name without "Tfrx" and "View"; pages answer "Page".
    virtual std::string NamePrefix() const;
    // NamePrefix followed by the lowest number from 1 that no object of the
    // report (of the parent when there is no report) carries.
    void MakeUniqueName();
    virtual std::string Description() const { return {}; }

    // --- virtual operations -----------------------------------------------
    // A font change of this object: ParentFont becomes False and children
    // that follow their parent's font take the new one.
    virtual void FontChanged();
    virtual void AlignChildren();
    virtual void PrepareForRun() {}
    virtual void Notify(TfrxComponent*) {}
    // After the serializer has read the object (not called for the report).
    virtual void Loaded() {}

    // --- streaming (serializer.cpp) ---------------------------------------
    virtual void LoadFromStream(std::istream& stream);
    virtual void SaveToStream(std::ostream& stream, bool saveChildren = true,
                              bool serializeDefaultValues = false) const;
    // Copies the other object's values (without children) through the serializer.
    void Assign(const TfrxComponent& other);
    // Copies the other object's values and children through the serializer.
    void CopyWithChildren(const TfrxComponent& other);

protected:
    bool fullSerialize_ = false;

    friend class TfrxReport; // a report is its own root

private:
    void adopt(std::unique_ptr<TfrxComponent> child);
    std::unique_ptr<TfrxComponent> takeChild(TfrxComponent* child);
    // All children at once, in order, each without its parent.
    std::vector<std::unique_ptr<TfrxComponent>> takeChildren();
    static void destroyTree(std::unique_ptr<TfrxComponent> root);
    // Makes report (null: none) the report of this object and its
    // descendants, moving their names into its index.
    void setTreeReport(TfrxReport* report);
    bool moveRestricted() const;
    bool sizeRestricted() const;

    std::vector<std::unique_ptr<TfrxComponent>> objects_;
    TfrxComponent* parent_ = nullptr;
    // The root report, kept as objects are attached and detached, so that
    // finding it costs nothing however deep the object sits.
    TfrxReport* report_ = nullptr;
    Bounds bounds_;
    TFont font_;
    bool parentFont_ = true;
    bool designing_ = false;
    bool loading_ = false;
    std::int32_t groupIndex_ = 0;
    std::int32_t restrictions_ = 0;
    bool visible_ = true;
    std::int32_t tag_ = 0;
    std::string name_;
    std::string alias_;
    ComponentRef sourceLink_;
    Bounds savedBounds_;
    std::shared_ptr<TfrxComponent*> self_;
};

// Builds a component with its published property table (for ClassInfo).
template <class T> std::unique_ptr<TfrxComponent> createComponent() {
    return std::make_unique<T>();
}

} // namespace rq::report::model
