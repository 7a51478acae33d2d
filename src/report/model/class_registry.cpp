// The registry of creatable report classes. The built-in classes are
// entered on first use, so no static initialisation order matters.
#include "base/text1250.h"
#include "report/model/band.h"
#include "report/model/line_view.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/picture_view.h"
#include "report/model/report.h"

#include <vector>

namespace rq::report::model {
namespace {

std::vector<const ClassInfo*>& classes() {
    static std::vector<const ClassInfo*> list{
        &TfrxMemoView::StaticClass(),    &TfrxLineView::StaticClass(),
        &TfrxPictureView::StaticClass(), &TfrxNullBand::StaticClass(),
        &TfrxReportPage::StaticClass(),  &TfrxReport::StaticClass(),
    };
    return list;
}

} // namespace

void RegisterClass(const ClassInfo& info) {
    for (const ClassInfo*& known : classes()) {
        if (base::sameText(known->name(), info.name())) {
            known = &info;
            return;
        }
    }
    classes().push_back(&info);
}

const ClassInfo* FindClass(std::string_view name) {
    for (const ClassInfo* info : classes()) {
        if (base::sameText(info->name(), name))
            return info;
    }
    return nullptr;
}

} // namespace rq::report::model
