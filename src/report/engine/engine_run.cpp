// Engine Run: initialisation, the pages of a run and the output of a band.
// A page's loose objects are output through a temporary null band at 0, 0
// that lists them without owning them, so they keep their page as parent
// and their template coordinates relative to the printable area.
#include "report/engine/engine.h"

#include "base/date_time.h"

#include <algorithm>

namespace rq::report::engine {
namespace {

using model::Extended;
using ObjectList = std::vector<model::TfrxReportComponent*>;

// Half-open horizontal overlap with a tolerance of 0.0001 pixels.
bool overlapsHorizontally(const model::TfrxComponent& a, const model::TfrxComponent& b) {
    return b.Left() < a.Left() + a.Width() - 0.0001 && a.Left() + 0.0001 < b.Left() + b.Width();
}

ObjectList bandObjects(const model::TfrxBand& band) {
    ObjectList list;
    for (int i = 0; i < band.Count(); ++i)
        if (auto* object = dynamic_cast<model::TfrxReportComponent*>(band.Objects(i)))
            list.push_back(object);
    return list;
}

// Objects below a (by Top) that overlap it horizontally move down when a
// grows by d from oldHeight (see TfrxEngine::stretchObject).
void shiftObjects(const ObjectList& objects, const model::TfrxComponent& a, Extended oldHeight,
                  Extended d) {
    const Extended newBottom = a.Top() + oldHeight + d;
    for (model::TfrxReportComponent* object : objects) {
        auto* b = dynamic_cast<model::TfrxView*>(object);
        if (b == nullptr || b == &a || b->ShiftMode() == model::smDontShift ||
            b->Top() <= a.Top() || !overlapsHorizontally(a, *b))
            continue;
        if (b->ShiftMode() == model::smAlways) {
            b->SetTop(b->Top() + d);
        } else if (b->Top() < newBottom) {
            shiftObjects(objects, *b, b->Height(), newBottom - b->Top());
            b->SetTop(newBottom);
        }
    }
}

} // namespace

bool TfrxEngine::Run() {
    store_->Initialize();
    StartDate = base::currentDate();
    StartTime = base::currentTime();
    Running = true;
    for (int i = 0; i < report_.PagesCount(); ++i) {
        model::TfrxReportPage* page = report_.Pages(i);
        if (page == nullptr)
            continue;
        CurrentPage = page;
        store_->AddSourcePage(*page);
        page->AlignChildren();
    }
    if (!report_.Errors().Empty()) {
        Running = false;
        return false;
    }
    try {
        runEvent(report_.OnStartReport(), report_);
        FinalPass = !report_.EngineOptions().DoublePass;
        TotalPages = 0;
        store_->BeginPass();
        runReportPages();
        if (report_.EngineOptions().DoublePass) {
            TotalPages = store_->Count();
            store_->RewindPass();
            FinalPass = true;
            runReportPages();
        }
    } catch (...) {
        finishRun();
        throw;
    }
    finishRun();
    return true;
}

void TfrxEngine::finishRun() {
    runEvent(report_.OnStopReport(), report_);
    store_->Finish();
    Running = false;
}

void TfrxEngine::runReportPages() {
    FirstPageOfReport = true;
    for (int i = 0; i < report_.PagesCount(); ++i) {
        model::TfrxReportPage* page = report_.Pages(i);
        if (page == nullptr || !page->Visible())
            continue;
        CurrentPage = page;
        runPage(*page);
        FirstPageOfReport = false;
        if (store_->Terminated)
            break;
    }
}

void TfrxEngine::runPage(model::TfrxReportPage& page) {
    runEvent(page.OnBeforePrint(), page);
    runPageOnce(page);
    runEvent(page.OnAfterPrint(), page);
}

void TfrxEngine::runPageOnce(model::TfrxReportPage& page) {
    // Without data sources no master data band has data, so a page is
    // output only because PrintIfEmpty is on.
    if (!report_.EngineOptions().PrintIfEmpty)
        return;
    startFirstPage(page);
    outputLooseObjects(page);
    if (OnManualBuild)
        OnManualBuild(page);
    else
        runEvent(page.OnManualBuild(), page);
    CurY = PageHeight - FooterHeight;
}

void TfrxEngine::startFirstPage(model::TfrxReportPage& page) {
    PageHeight = page.PrintableHeight();
    PageWidth = page.PrintableWidth();
    FooterHeight = 0; // no column or page footer bands
    CurX = 0;
    CurY = 0;
    CurColumn = 1;
    if (store_->Count() > 0 && page.PrintOnPreviousPage()) {
        store_->CurPage = store_->Count() - 1;
    } else {
        store_->AddPage(page);
        CurY = 0;
    }
    if (FirstPageOfReport)
        store_->FirstPageIndex = store_->CurPage;
}

void TfrxEngine::outputLooseObjects(model::TfrxReportPage& page) {
    ObjectList objects;
    for (int i = 0; i < page.Count(); ++i) {
        model::TfrxComponent* child = page.Objects(i);
        if (dynamic_cast<model::TfrxBand*>(child) == nullptr)
            if (auto* object = dynamic_cast<model::TfrxReportComponent*>(child))
                objects.push_back(object);
    }
    model::TfrxNullBand band;
    band.SetBounds(0, 0, 0, 0);
    showBand(band, objects, true);
}

void TfrxEngine::ShowBand(model::TfrxBand& band) {
    showBand(band, bandObjects(band), false);
}

void TfrxEngine::showBand(model::TfrxBand& band, const ObjectList& objects, bool carrier) {
    prepareBand(band, objects, carrier);
    if (!band.Visible())
        return;
    try {
        outputBand(band, objects, carrier);
    } catch (...) {
        afterOutput(band, objects);
        throw;
    }
    afterOutput(band, objects);
}

void TfrxEngine::beforeOutput(model::TfrxReportComponent& object) {
    report_.CurrentObjectName = object.Name();
    object.BeforeOutput();
    if (OnBeforePrint)
        OnBeforePrint(object);
    runEvent(object.OnBeforePrint(), object);
}

void TfrxEngine::prepareBand(model::TfrxBand& band, const ObjectList& objects, bool carrier) {
    CurrentBand = &band;
    beforeOutput(band);
    if (!band.Visible())
        return;
    for (model::TfrxReportComponent* object : objects)
        beforeOutput(*object);
    for (model::TfrxReportComponent* object : objects) {
        if (!object->Visible())
            continue; // never fetched: its texts never reach Calc
        report_.CurrentObjectName = object->Name();
        FetchData(*object);
        runEvent(object->OnAfterData(), *object);
        if (auto* stretcheable = dynamic_cast<model::TfrxStretcheable*>(object))
            stretchObject(objects, *stretcheable);
    }
    // The carrier of loose objects keeps height 0 and never stretches, and
    // its objects keep their own heights.
    if (carrier)
        return;
    for (model::TfrxReportComponent* object : objects)
        if (auto* s = dynamic_cast<model::TfrxStretcheable*>(object);
            s != nullptr && s->StretchMode() == model::smMaxHeight)
            s->SetHeight(band.Height());
}

// A stretching object taller than its height pushes the objects below it
// down (shifting by the difference, with its old height), then takes the
// height it needs.
void TfrxEngine::stretchObject(const ObjectList& objects, model::TfrxStretcheable& object) {
    if (object.StretchMode() == model::smDontStretch)
        return;
    const Extended needed = object.CalcHeight();
    const Extended d = needed - object.Height();
    if (d <= 0)
        return;
    shiftObjects(objects, object, object.Height(), d);
    object.SetHeight(needed);
}

void TfrxEngine::outputBand(model::TfrxBand& band, const ObjectList& objects, bool carrier) {
    if (carrier) {
        // The carrier itself is no output: its visible objects are stored
        // directly on the page, in order.
        for (model::TfrxReportComponent* object : objects)
            store_->AddObject(*object);
    } else {
        band.SetLeft(CurX);
        band.SetTop(CurY);
        store_->AddObject(band);
    }
    CurY += band.Height();
}

void TfrxEngine::afterOutput(model::TfrxBand& band, const ObjectList& objects) {
    auto restore = [this](model::TfrxReportComponent& object) {
        report_.CurrentObjectName = object.Name();
        if (OnAfterPrint)
            OnAfterPrint(object);
        runEvent(object.OnAfterPrint(), object);
        object.AfterOutput();
    };
    for (model::TfrxReportComponent* object : objects)
        restore(*object);
    restore(band);
}

} // namespace rq::report::engine
