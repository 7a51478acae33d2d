// TfrxComponent: ownership of the tree, lookup by name, ParentFont and the
// bounds setters.
#include "report/model/component.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/model/page.h"
#include "report/model/report.h"

#include <set>
#include <stdexcept>

namespace rq::report::model {
namespace {} // namespace

// Destroys a subtree children first, the first child first, without
// recursing, so that arbitrarily deep trees (read from outside input) cannot
// exhaust the stack. Each object's children are taken out at once, so a page
// of n objects goes in linear time.
void TfrxComponent::destroyTree(std::unique_ptr<TfrxComponent> root) {
    std::vector<std::unique_ptr<TfrxComponent>> work;
    work.push_back(std::move(root));
    while (!work.empty()) {
        TfrxComponent* top = work.back().get();
        if (top->objects_.empty()) {
            work.pop_back();
            continue;
        }
        std::vector<std::unique_ptr<TfrxComponent>> children = top->takeChildren();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            work.push_back(std::move(*it));
    }
}

const ClassInfo& TfrxComponent::StaticClass() {
    using C = TfrxComponent;
    static const ClassInfo info("TfrxComponent", nullptr,
                                PropTable<C>()
                                    .string("Name", &C::Name, &C::SetName)
                                    .storedWhen([](const C&) { return false; })
                                    .integer("Tag", &C::Tag, &C::SetTag, 0)
                                    .done());
    return info;
}

TfrxComponent::TfrxComponent() {
    font_.OnChange = [this] { FontChanged(); };
}

TfrxComponent::~TfrxComponent() {
    TfrxComponent::Clear();
    if (self_)
        *self_ = nullptr;
}

void TfrxComponent::adopt(std::unique_ptr<TfrxComponent> child) {
    TfrxComponent* raw = child.get();
    objects_.push_back(std::move(child));
    raw->parent_ = this;
    if (report_ != nullptr && raw->report_ != raw)
        raw->setTreeReport(report_);
    if (raw->parentFont_)
        raw->SetParentFont(true);
}

std::unique_ptr<TfrxComponent> TfrxComponent::takeChild(TfrxComponent* child) {
    // The last child is searched first: objects are mostly taken out in
    // reverse order of their creation, or all at once by takeChildren.
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
        if (it->get() == child) {
            if (report_ != nullptr && child->report_ != child)
                child->setTreeReport(nullptr);
            std::unique_ptr<TfrxComponent> owned = std::move(*it);
            objects_.erase(std::next(it).base());
            owned->parent_ = nullptr;
            return owned;
        }
    }
    return nullptr;
}

std::vector<std::unique_ptr<TfrxComponent>> TfrxComponent::takeChildren() {
    if (report_ != nullptr) {
        for (auto& child : objects_)
            if (child->report_ != child.get())
                child->setTreeReport(nullptr);
    }
    std::vector<std::unique_ptr<TfrxComponent>> children = std::move(objects_);
    objects_.clear();
    for (auto& child : children)
        child->parent_ = nullptr;
    return children;
}

void TfrxComponent::SetParent(TfrxComponent* p) {
    if (!parent_ || !p)
        throw std::logic_error("SetParent moves a child between parents");
    if (p == parent_)
        return;
    for (const TfrxComponent* a = p; a; a = a->parent_) {
        if (a == this)
            throw std::logic_error("SetParent into its own subtree");
    }
    p->adopt(parent_->takeChild(this));
}

std::unique_ptr<TfrxComponent> TfrxComponent::Detach() {
    return parent_ ? parent_->takeChild(this) : nullptr;
}

void TfrxComponent::Free(TfrxComponent* object) {
    if (object && object->parent_)
        destroyTree(object->Detach());
}

void TfrxComponent::Clear() {
    for (auto& child : takeChildren())
        destroyTree(std::move(child));
}

std::vector<TfrxComponent*> TfrxComponent::AllObjects() const {
    std::vector<TfrxComponent*> result;
    std::vector<const TfrxComponent*> stack{this};
    while (!stack.empty()) {
        const TfrxComponent* c = stack.back();
        stack.pop_back();
        if (c != this)
            result.push_back(const_cast<TfrxComponent*>(c));
        for (auto it = c->objects_.rbegin(); it != c->objects_.rend(); ++it)
            stack.push_back(it->get());
    }
    return result;
}

TfrxComponent* TfrxComponent::ObjectByName(std::string_view name) const {
    // A report answers from its index; only a name that several objects
    // share needs the walk that finds the first of them.
    if (const auto* report = dynamic_cast<const TfrxReport*>(this); report && !name.empty()) {
        const std::size_t count = report->names_.count(name);
        if (count < 2)
            return count == 0 ? nullptr : report->names_.any(name);
    }
    for (TfrxComponent* c : AllObjects()) {
        if (base::sameText(c->name_, name))
            return c;
    }
    return nullptr;
}

TfrxReportPage* TfrxComponent::Page() const {
    for (const TfrxComponent* c = this; c; c = c->parent_) {
        if (auto* page = dynamic_cast<const TfrxReportPage*>(c))
            return const_cast<TfrxReportPage*>(page);
    }
    return nullptr;
}

TfrxReport* TfrxComponent::Report() const {
    return report_;
}

void TfrxComponent::setTreeReport(TfrxReport* report) {
    std::vector<TfrxComponent*> work{this};
    while (!work.empty()) {
        TfrxComponent* c = work.back();
        work.pop_back();
        if (c->report_ != nullptr)
            c->report_->names_.remove(c->name_, c);
        c->report_ = report;
        if (report != nullptr)
            report->names_.add(c->name_, c);
        for (auto& child : c->objects_)
            work.push_back(child.get());
    }
}

Extended TfrxComponent::AbsLeft() const {
    Extended sum = 0;
    for (const TfrxComponent* c = this; c; c = c->parent_)
        sum += c->bounds_.Left;
    return sum;
}

Extended TfrxComponent::AbsTop() const {
    Extended sum = 0;
    for (const TfrxComponent* c = this; c; c = c->parent_)
        sum += c->bounds_.Top;
    return sum;
}

ComponentRef TfrxComponent::Ref() {
    if (!self_)
        self_ = std::make_shared<TfrxComponent*>(this);
    return ComponentRef(self_);
}

void TfrxComponent::SetName(const std::string& value) {
    TfrxReport* report = Report();
    if (!value.empty() && report) {
        TfrxComponent* other = report->ObjectByName(value);
        if (other && other != this)
            throw base::Exception("prDupl");
    }
    // The report's own name is not among its objects.
    const bool indexed = report && report != this;
    if (indexed)
        report->names_.remove(name_, this);
    name_ = value;
    if (indexed)
        report->names_.add(name_, this);
}

bool TfrxComponent::moveRestricted() const {
    return designing_ && (restrictions_ & bit(rfDontMove));
}

bool TfrxComponent::sizeRestricted() const {
    return designing_ && (restrictions_ & bit(rfDontSize));
}

void TfrxComponent::SetLeft(Extended v) {
    if (!moveRestricted())
        bounds_.Left = v;
}

void TfrxComponent::SetTop(Extended v) {
    if (!moveRestricted())
        bounds_.Top = v;
}

void TfrxComponent::SetWidth(Extended v) {
    if (!sizeRestricted())
        bounds_.Width = v;
}

void TfrxComponent::SetHeight(Extended v) {
    if (!sizeRestricted())
        bounds_.Height = v;
}

void TfrxComponent::SetBounds(Extended l, Extended t, Extended w, Extended h) {
    SetLeft(l);
    SetTop(t);
    SetWidth(w);
    SetHeight(h);
}

void TfrxComponent::SetFont(const TFont& value) {
    font_ = value; // notifies FontChanged, which clears ParentFont
}

void TfrxComponent::SetParentFont(bool value) {
    if (value && parent_)
        font_ = parent_->font_;
    parentFont_ = value;
}

void TfrxComponent::FontChanged() {
    parentFont_ = false;
    for (auto& child : objects_) {
        if (child->parentFont_)
            child->SetParentFont(true);
    }
}

void TfrxComponent::SetRestrictions(std::int32_t v) {
    restrictions_ = v & static_cast<std::int32_t>(kTfrxRestrictionsType.setMask());
}

std::string TfrxComponent::NamePrefix() const {
    std::string prefix(ClassName());
    if (prefix.starts_with("Tfrx"))
        prefix.erase(0, 4);
    if (prefix.ends_with("View"))
        prefix.resize(prefix.size() - 4);
    return prefix;
}

void TfrxComponent::MakeUniqueName() {
    std::vector<TfrxComponent*> all;
    if (TfrxReport* report = Report())
        all = report->AllObjects();
    else if (parent_)
        all = parent_->AllObjects();
    std::set<std::string> taken;
    for (const TfrxComponent* c : all)
        taken.insert(base::upperCase(c->name_));
    const std::string prefix = NamePrefix();
    for (int i = 1;; ++i) {
        std::string candidate = prefix + std::to_string(i);
        if (!taken.contains(base::upperCase(candidate))) {
            SetName(candidate);
            return;
        }
    }
}

} // namespace rq::report::model
