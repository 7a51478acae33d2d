// Test doubles of the print job's two partners: a printer that records every
// call as a line of text (with the device it pretends to be) and prepared
// pages that record which page was drawn where and how many restored pages
// were held at once.
#pragma once

#include "../render/fake_canvas.h"
#include "report/model/page.h"
#include "report/printing/print_pages.h"
#include "report/printing/printer.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace rq::report::printing::testing {

class RecordingPrinter : public TfrxCustomPrinter {
public:
    explicit RecordingPrinter(std::string name = "Recorder", TfrxDPI dpi = {600, 600},
                              Extended leftMargin = 4, Extended topMargin = 5)
        : TfrxCustomPrinter(std::move(name), "port"), deviceDpi_(dpi), left_(leftMargin),
          top_(topMargin), canvas_(dpi.Y, true) {}

    void Init() override {
        ++inits;
        initialized_ = true;
    }
    void BeginDoc() override { calls.push_back("BeginDoc " + Title); }
    void BeginPage() override { calls.push_back("BeginPage"); }
    void EndPage() override { calls.push_back("EndPage"); }
    void EndDoc() override { calls.push_back("EndDoc"); }
    void Abort() override { calls.push_back("Abort"); }
    void SetViewParams(std::int32_t, Extended, Extended, model::TPrinterOrientation) override {}
    void SetPrintParams(std::int32_t paper, Extended width, Extended height,
                        model::TPrinterOrientation orientation, std::int32_t bin,
                        std::int32_t duplex, std::int32_t copies) override {
        char text[128];
        std::snprintf(text, sizeof text, "SetPrintParams(%d, %g, %g, %s, %d, %d, %d)", paper, width,
                      height, orientation == model::poPortrait ? "portrait" : "landscape", bin,
                      duplex, copies);
        calls.emplace_back(text);
        dpi_ = deviceDpi_;
        leftMargin_ = left_;
        topMargin_ = top_;
    }
    void PropertiesDialog() override { calls.push_back("PropertiesDialog"); }
    render::Canvas* Canvas() override { return &canvas_; }
    TfrxCanvasOrigin CanvasOrigin() const override { return origin; }

    std::vector<std::string> calls;
    TfrxCanvasOrigin origin = TfrxCanvasOrigin::PrintableArea;
    int inits = 0;

private:
    TfrxDPI deviceDpi_;
    Extended left_, top_;
    render::testing::FakeCanvas canvas_;
};

// Pages of a report held as objects; "restoring" one marks it held until the
// cache is cleared.
class FakePages : public TfrxPrintPages {
public:
    explicit FakePages(int count) {
        for (int i = 0; i < count; ++i)
            pages_.push_back(std::make_unique<model::TfrxReportPage>());
    }
    model::TfrxReportPage& page(int index) { return *pages_.at(index); }

    int Count() override { return static_cast<int>(pages_.size()); }
    const model::TfrxReportPage& GetPage(int index) override {
        ++held;
        maxHeld = std::max(maxHeld, held);
        return *pages_.at(index);
    }
    void DrawPage(int index, render::Canvas&, Extended scaleX, Extended scaleY, Extended offsetX,
                  Extended offsetY) override {
        char text[128];
        std::snprintf(text, sizeof text, "page %d at %g x %g, %.3f, %.3f", index + 1, scaleX,
                      scaleY, offsetX, offsetY);
        draws.emplace_back(text);
    }
    void ClearPageCache() override { held = 0; }
    bool Terminated() const override { return terminated; }
    void SetTerminated(bool value) override { terminated = value; }
    void PrintingPage(int pageNumber) override {
        progress.push_back(pageNumber);
        if (OnPrintingPage)
            OnPrintingPage(pageNumber);
    }
    int CurPreviewPage() const override { return curPreviewPage; }

    std::function<void(int)> OnPrintingPage;
    std::vector<std::string> draws;
    std::vector<int> progress;
    int held = 0;
    int maxHeld = 0;
    bool terminated = false;
    int curPreviewPage = 1;

private:
    std::vector<std::unique_ptr<model::TfrxReportPage>> pages_;
};

} // namespace rq::report::printing::testing
