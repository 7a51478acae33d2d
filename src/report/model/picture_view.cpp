// TfrxPictureView: property table and the AutoSize rule.
#include "report/model/picture_view.h"

namespace rq::report::model {

const ClassInfo& TfrxPictureView::StaticClass() {
    using P = TfrxPictureView;
    static const ClassInfo info(
        "TfrxPictureView", &TfrxView::StaticClass(),
        PropTable<P>()
            .boolean("AutoSize", &P::AutoSize, &P::SetAutoSize, false)
            .boolean("Center", &P::Center, &P::SetCenter, false)
            .boolean("KeepAspectRatio", &P::KeepAspectRatio, &P::SetKeepAspectRatio, true)
            .boolean("Stretched", &P::Stretched, &P::SetStretched, true)
            .object("Picture", "TPicture", static_cast<TPicture& (P::*)()>(&P::Picture))
            .done(),
        &createComponent<TfrxPictureView>);
    return info;
}

TfrxPictureView::TfrxPictureView() {
    fullSerialize_ = false;
    SetColor(clWhite);
    picture_.OnChange = [this] { pictureChanged(); };
}

void TfrxPictureView::SetAutoSize(bool v) {
    autoSize_ = v;
    if (v)
        fitToPicture();
}

void TfrxPictureView::pictureChanged() {
    if (autoSize_)
        fitToPicture();
    PictureChanged = true;
}

void TfrxPictureView::fitToPicture() {
    if (IsLoading())
        return;
    SetWidth(picture_.Width());
    SetHeight(picture_.Height());
}

} // namespace rq::report::model
