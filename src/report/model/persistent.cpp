// ClassInfo, the property lookup and the registry of creatable classes.
#include "report/model/persistent.h"
#include "report/model/read_error.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/model/component.h"

namespace rq::report::model {

std::string_view Persistent::ClassName() const {
    return ClassType().name();
}

void Persistent::ReadDefinedData(std::string_view data) {
    if (!data.empty())
        raiseStreamReadError();
}

ClassInfo::ClassInfo(std::string_view name, const ClassInfo* parent, std::vector<PropInfo> own,
                     Factory factory)
    : name_(name), parent_(parent), own_(std::move(own)), factory_(factory) {
    if (parent_)
        all_ = parent_->all_;
    for (const PropInfo& p : own_)
        all_.push_back(&p);
}

const PropInfo* ClassInfo::find(std::string_view name) const {
    for (const PropInfo* p : all_) {
        if (base::sameText(p->name, name))
            return p;
    }
    return nullptr;
}

bool ClassInfo::inheritsFrom(const ClassInfo& other) const {
    for (const ClassInfo* c = this; c; c = c->parent_) {
        if (c == &other)
            return true;
    }
    return false;
}

std::unique_ptr<TfrxComponent> ClassInfo::create() const {
    return factory_ ? factory_() : nullptr;
}

} // namespace rq::report::model
