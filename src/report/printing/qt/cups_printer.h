// TfrxPrinter: an installed CUPS queue as a printer. Qt Print Support gives
// the queue's papers, default paper and orientation and the unprintable
// margins of each paper; the pages of a job are painted into a PDF document
// at the queue's resolution, which goes to the server as one job created at
// the first page (so Abort can cancel it) or, printing to a file, into that
// file. Bins, resolution and driver options come from libcups (CupsQueue).
#pragma once

#include "report/printing/printer.h"
#include "report/printing/qt/cups_queue.h"
#include "report/render/qt/qt_canvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>

#include <map>
#include <memory>

namespace rq::report::printing::qt {

class TfrxPrinter : public TfrxCustomPrinter {
public:
    TfrxPrinter(std::string name, std::string port);
    ~TfrxPrinter() override;

    void Init() override;
    void BeginDoc() override;
    void BeginPage() override;
    void EndPage() override {}
    void EndDoc() override;
    void Abort() override;
    void SetViewParams(std::int32_t paper, Extended width, Extended height,
                       model::TPrinterOrientation orientation) override;
    void SetPrintParams(std::int32_t paper, Extended width, Extended height,
                        model::TPrinterOrientation orientation, std::int32_t bin,
                        std::int32_t duplex, std::int32_t copies) override;
    void PropertiesDialog() override;
    render::Canvas* Canvas() override { return canvas_.get(); }
    // The job's PDF pages are whole sheets (full-page painting): the print
    // service places them on the paper, so nothing is to be subtracted for
    // the queue's margins.
    TfrxCanvasOrigin CanvasOrigin() const override { return TfrxCanvasOrigin::PaperCorner; }

    // The server's id of the last job handed over by EndDoc; 0 when none.
    int LastJobId() const { return lastJobId_; }
    // Waits until the server has finished the last job handed over, asking
    // every pollMs milliseconds. Returns Completed; raises the failure when
    // the job was cancelled or aborted, or when it waits on a stopped
    // printer (it stays queued and prints once the printer resumes).
    CupsJobState WaitForLastJob(int pollMs = 100) const;
    // Driver settings chosen in "Properties..." (IPP name -> value).
    std::map<std::string, std::string> DriverSettings;

private:
    QPageSize pageSize(std::int32_t paper, Extended width, Extended height) const;
    // Paper size, margins and resolution of the layout on this device.
    void applyLayout(const QPageLayout& layout);
    std::map<std::string, std::string> jobOptions() const;
    void endDocument();
    // Raises why a printer that could not be initialised cannot print.
    [[noreturn]] void raiseUnavailable() const;

    std::unique_ptr<CupsQueue> queue_;
    std::unique_ptr<QPrinter> device_; // the queue, for its page metrics
    std::map<std::int32_t, QPageSize> driverPapers_;
    std::map<std::int32_t, std::string> slots_; // bin number -> input slot keyword
    QPageLayout layout_;
    std::int32_t duplex_ = 1;
    std::int32_t copies_ = 1;

    std::unique_ptr<QTemporaryFile> spool_;
    std::unique_ptr<QPrinter> document_;
    std::unique_ptr<render::qt::QtCanvas> canvas_;
    int jobId_ = 0;
    int lastJobId_ = 0;
};

} // namespace rq::report::printing::qt
