// The component's streaming entry points and the copies made through them.
#include "report/model/component.h"
#include "report/model/report.h"
#include "report/model/serializer.h"

#include <sstream>

namespace rq::report::model {
namespace {

TfrxComponent* referenceOwner(TfrxComponent& object) {
    TfrxReport* report = object.Report();
    return report ? static_cast<TfrxComponent*>(report) : &object;
}

} // namespace

void TfrxComponent::LoadFromStream(std::istream& stream) {
    Clear();
    // The root element is read with an empty name, so that reading never
    // renames this object; the name is put back whatever happens.
    const std::string savedName = name_;
    name_.clear();
    TfrxXMLSerializer serializer(referenceOwner(*this));
    try {
        serializer.ReadRootComponent(*this, stream);
    } catch (...) {
        name_ = savedName;
        throw;
    }
    name_ = savedName;
    if (TfrxReport* report = Report())
        report->Errors().AddAll(serializer.Errors());
}

void TfrxComponent::SaveToStream(std::ostream& stream, bool saveChildren,
                                 bool serializeDefaultValues) const {
    TfrxXMLSerializer serializer;
    serializer.SerializeDefaultValues = serializeDefaultValues;
    serializer.WriteRootComponent(*this, saveChildren, stream, std::string());
}

void TfrxComponent::Assign(const TfrxComponent& other) {
    std::stringstream buffer;
    other.SaveToStream(buffer, false, true);
    LoadFromStream(buffer);
}

void TfrxComponent::CopyWithChildren(const TfrxComponent& other) {
    std::stringstream buffer;
    other.SaveToStream(buffer, true, true);
    LoadFromStream(buffer);
}

} // namespace rq::report::model
