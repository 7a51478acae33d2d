// Adapters from the window's component list to the saved-form interfaces.
// The window's classes descend from none of the field-kind classes but their
// own, so the class test is the exact class.
#include "app/window_components.h"

#include "certificate/saved_form.h"

#include "widgets/window_system.h"

#include <QLineEdit>

namespace rq::app {
namespace {

using base::AnsiString;
using certificate::FormComponent;
using certificate::TextValue;

class WindowComponent : public FormComponent {
public:
    explicit WindowComponent(const widgets::ComponentEntry& entry)
        : name_(widgets::toAnsi(entry.name)), className_(entry.className.toStdString()) {}
    AnsiString Name() const override { return name_; }
    std::string_view ClassName() const override { return className_; }
    bool InheritsFrom(std::string_view className) const override { return className == className_; }

private:
    AnsiString name_;
    std::string className_;
};

// An edit box: the text it shows is the field's value, and a loaded value is
// shown as it was stored.
class WindowEditField : public WindowComponent, public TextValue {
public:
    WindowEditField(const widgets::ComponentEntry& entry, QLineEdit* edit)
        : WindowComponent(entry), edit_(edit) {}
    // Text set from outside the guarded entry (a command line, a script) may
    // hold characters the file cannot: they refuse the save, never become "?".
    AnsiString Text() const override {
        return certificate::fieldTextFromUtf8(Name(), edit_->text().toStdString());
    }
    void SetText(const AnsiString& text) override { edit_->setText(widgets::fromAnsi(text)); }

private:
    QLineEdit* edit_;
};

} // namespace

WindowComponents::WindowComponents(const widgets::ComponentList& components) {
    for (const auto& entry : components.Entries()) {
        if (auto* edit = qobject_cast<QLineEdit*>(entry.object))
            adapters_.push_back(std::make_unique<WindowEditField>(entry, edit));
        else
            adapters_.push_back(std::make_unique<WindowComponent>(entry));
        list_.Add(*adapters_.back());
    }
}

WindowComponents::~WindowComponents() = default;

} // namespace rq::app
