// A generated prepared report for the preview tests: A4 pages, each with a
// heading "Page n" and a body line, prepared into a store the way the
// engine writes it, and a preview window on it with a known workspace size.
#pragma once

#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/report.h"
#include "report/preview/preview_pages.h"
#include "report/preview/qt/preview_form.h"
#include "report/preview/qt/preview_workspace.h"
#include "report/render/qt/qt_canvas.h"

#include "base/format_settings.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace rq::report::preview::qt::test {

using namespace rq::report::model;

struct IdleEngine : engine::TfrxEngineState {
    bool EngineRunning() const override { return false; }
    bool EngineFinalPass() const override { return true; }
};

// pages pages; page n shows "Page n" and "alpha beta n".
class GeneratedReport {
public:
    explicit GeneratedReport(int pages) : store(&report) {
        store.Engine = &engine;
        render::qt::AttachScreenTextMeasure(report);
        auto* page = report.CreateChild<TfrxReportPage>();
        page->SetName("Page1");
        heading = addMemo(*page, "Memo1", 20);
        body = addMemo(*page, "Memo2", 200);
        store.Initialize();
        store.AddSourcePage(*page);
        store.BeginPass();
        for (int n = 1; n <= pages; ++n) {
            store.AddPage(*page);
            heading->SetText("Page " + std::to_string(n));
            body->SetText("alpha beta " + std::to_string(n));
            store.AddObject(*heading);
            store.AddObject(*body);
        }
        store.Finish();
    }

    base::FormatSettingsScope settings{base::FormatSettings{}};
    TfrxReport report;
    IdleEngine engine;
    TfrxPreviewPages store;

private:
    TfrxMemoView* addMemo(TfrxReportPage& page, const std::string& name, Extended top) {
        auto* memo = page.CreateChild<TfrxMemoView>();
        memo->SetName(name);
        memo->SetBounds(40, top, 300, 24);
        return memo;
    }
    TfrxMemoView* heading = nullptr;
    TfrxMemoView* body = nullptr;
};

// A shown preview window on a generated report with the certificate's
// buttons, not maximized, its workspace client area 1000 x 800.
class PreviewWindowTest : public ::testing::Test {
protected:
    explicit PreviewWindowTest(int pages = 10) : generated(pages) {
        generated.report.PreviewOptions().Buttons = bit(pbPrint) | bit(pbZoom);
        generated.report.PreviewOptions().Maximized = false;
    }
    void SetUp() override {
        form = std::make_unique<TfrxPreviewForm>();
        form->Attach(generated.report, generated.store);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        // The scroll bars come and go with the ranges, which change the
        // client area again: resized until it stays at the size.
        const QSize client(1000, 800);
        for (int attempt = 0; attempt < 5 && workspace().viewport()->size() != client; ++attempt) {
            form->SetWorkspaceClientSize(client);
            QTest::qWait(20);
        }
        ASSERT_EQ(workspace().viewport()->size(), client);
        QApplication::setActiveWindow(form.get());
        workspace().setFocus();
    }

    TfrxPreview& preview() const { return *form->Preview; }
    TfrxPreviewWorkspace& workspace() const { return preview().Workspace(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(&workspace(), k, modifiers);
    }

    GeneratedReport generated;
    std::unique_ptr<TfrxPreviewForm> form;
};

} // namespace rq::report::preview::qt::test
