// Property tables of the line views.
#include "report/model/line_view.h"

namespace rq::report::model {

const ClassInfo& TfrxCustomLineView::StaticClass() {
    using L = TfrxCustomLineView;
    static const ClassInfo info(
        "TfrxCustomLineView", &TfrxStretcheable::StaticClass(),
        PropTable<L>().boolean("Diagonal", &L::Diagonal, &L::SetDiagonal, false).done());
    return info;
}

const ClassInfo& TfrxLineView::StaticClass() {
    static const ClassInfo info("TfrxLineView", &TfrxCustomLineView::StaticClass(), {},
                                &createComponent<TfrxLineView>);
    return info;
}

} // namespace rq::report::model
