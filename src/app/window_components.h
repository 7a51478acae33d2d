// The main window's components seen through the saved-form interfaces: every
// component by name and class, and the edit fields (TEdit, TPBNumEdit) with
// their text in Windows-1250.
#pragma once

#include "certificate/form_component.h"
#include "widgets/component_list.h"

#include <memory>
#include <vector>

namespace rq::app {

class WindowComponents {
public:
    explicit WindowComponents(const widgets::ComponentList& components);
    ~WindowComponents();
    const certificate::FormComponentList& List() const { return list_; }

private:
    std::vector<std::unique_ptr<certificate::FormComponent>> adapters_;
    certificate::FormComponentList list_;
};

} // namespace rq::app
