// Bands. Only the null band is used: the engine puts a page's loose
// objects on a temporary null band to output them in their stored order.
#pragma once

#include "report/model/view.h"

namespace rq::report::model {

class TfrxBand : public TfrxReportComponent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    // Vertical bands lie along the page's height (none in this program).
    virtual bool Vertical() const { return false; }
};

class TfrxNullBand : public TfrxBand {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
};

} // namespace rq::report::model
