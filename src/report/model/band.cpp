// Class information of the bands.
#include "report/model/band.h"

namespace rq::report::model {

const ClassInfo& TfrxBand::StaticClass() {
    static const ClassInfo info("TfrxBand", &TfrxReportComponent::StaticClass(), {});
    return info;
}

const ClassInfo& TfrxNullBand::StaticClass() {
    static const ClassInfo info("TfrxNullBand", &TfrxBand::StaticClass(), {},
                                &createComponent<TfrxNullBand>);
    return info;
}

} // namespace rq::report::model
