// An installed CUPS queue as a printer: defaults, papers and bins at Init,
// the page set-up before every page, and the job from the first page to its
// hand-over or cancellation.
#include "report/printing/qt/cups_printer.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/model/paper.h"
#include "report/printing/qt/driver_options_dialog.h"

#include <QApplication>
#include <QPrinterInfo>

#include <chrono>
#include <cmath>
#include <thread>

namespace rq::report::printing::qt {
namespace {

constexpr int kFallbackDpi = 600;
constexpr std::int32_t kFirstDriverCode = 257; // codes above the custom paper

// The paper table's code of a paper of that size (within half a millimetre);
// 0 when the table has none.
std::int32_t tableCode(const QSizeF& mm) {
    for (const model::PaperRow& row : model::paperRows())
        if (std::abs(row.width / 10.0 - mm.width()) <= 0.5 &&
            std::abs(row.height / 10.0 - mm.height()) <= 0.5)
            return row.code;
    return 0;
}

// Windows bin numbers of the usual IPP input slots.
struct SlotCode {
    const char* keyword;
    std::int32_t bin;
};
constexpr SlotCode kSlotCodes[] = {
    {"top", 1},
    {"tray-1", 1},
    {"bottom", 2},
    {"tray-2", 2},
    {"middle", 3},
    {"tray-3", 3},
    {"manual", 4},
    {"envelope", 5},
    {"auto", kDefaultBin},
    {"large-capacity", 11},
    {"by-pass-tray", 4},
    {"main", 15},
};

std::int32_t slotCode(const std::string& keyword) {
    for (const SlotCode& slot : kSlotCodes)
        if (keyword == slot.keyword)
            return slot.bin;
    return 0;
}

QPageLayout::Orientation qtOrientation(model::TPrinterOrientation orientation) {
    return orientation == model::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

TfrxPrinter::TfrxPrinter(std::string name, std::string port)
    : TfrxCustomPrinter(std::move(name), std::move(port)) {}

TfrxPrinter::~TfrxPrinter() {
    if (printing_)
        Abort();
}

void TfrxPrinter::Init() {
    if (initialized_)
        return;
    const QPrinterInfo info =
        QPrinterInfo::printerInfo(QString::fromStdString(base::cp1250ToUtf8(Name())));
    auto queue = std::make_unique<CupsQueue>(base::cp1250ToUtf8(Name()));
    if (info.isNull() || !queue->valid())
        return;
    queue_ = std::move(queue);
    device_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    const int dpi = queue_->DefaultResolution();
    dpi_ = {dpi > 0 ? dpi : kFallbackDpi, dpi > 0 ? dpi : kFallbackDpi};

    std::int32_t nextCode = kFirstDriverCode;
    for (const QPageSize& size : info.supportedPageSizes()) {
        std::int32_t code = tableCode(size.size(QPageSize::Millimeter));
        if (code == 0)
            code = nextCode++;
        if (driverPapers_.contains(code))
            continue;
        driverPapers_.emplace(code, size);
        papers_.push_back({size.name().toStdString(), code});
    }
    std::int32_t nextBin = kFirstDriverCode;
    for (const CupsSlot& slot : queue_->InputSlots()) {
        std::int32_t bin = slotCode(slot.keyword);
        if (bin == kDefaultBin)
            continue;
        if (bin == 0 || slots_.contains(bin))
            bin = nextBin++;
        slots_.emplace(bin, slot.keyword);
        bins_.push_back({slot.caption, bin});
    }

    const QPageSize byDefault = info.defaultPageSize();
    const QSizeF defaultMm = byDefault.size(QPageSize::Millimeter);
    defPaper_ = tableCode(defaultMm);
    for (const auto& [code, size] : driverPapers_)
        if (defPaper_ == 0 && size.isEquivalentTo(byDefault))
            defPaper_ = code;
    defOrientation_ = device_->pageLayout().orientation() == QPageLayout::Landscape
                          ? model::poLandscape
                          : model::poPortrait;
    defPaperWidth_ = defaultMm.width();
    defPaperHeight_ = defaultMm.height();
    SetViewParams(defPaper_, defPaperWidth_, defPaperHeight_, defOrientation_);
    initialized_ = true;
}

QPageSize TfrxPrinter::pageSize(std::int32_t paper, Extended width, Extended height) const {
    if (const auto driver = driverPapers_.find(paper); driver != driverPapers_.end())
        return driver->second;
    if (paper != kCustomPaperCode)
        model::PaperDimensions(paper, width, height);
    return QPageSize(QSizeF(width, height), QPageSize::Millimeter, QString(),
                     QPageSize::FuzzyMatch);
}

void TfrxPrinter::applyLayout(const QPageLayout& layout) {
    layout_ = layout;
    if (!device_)
        return;
    device_->setPageSize(layout.pageSize());
    device_->setPageOrientation(layout.orientation());
    QPageLayout measured = device_->pageLayout();
    measured.setUnits(QPageLayout::Millimeter);
    const QRectF paper = measured.fullRect();
    const QMarginsF margins = measured.minimumMargins();
    paperWidth_ = paper.width();
    paperHeight_ = paper.height();
    leftMargin_ = margins.left();
    topMargin_ = margins.top();
    rightMargin_ = margins.right();
    bottomMargin_ = margins.bottom();
}

void TfrxPrinter::SetViewParams(std::int32_t paper, Extended width, Extended height,
                                model::TPrinterOrientation orientation) {
    applyLayout(QPageLayout(pageSize(paper, width, height), qtOrientation(orientation), QMarginsF(),
                            QPageLayout::Millimeter));
    paper_ = paper;
    orientation_ = orientation;
}

void TfrxPrinter::SetPrintParams(std::int32_t paper, Extended width, Extended height,
                                 model::TPrinterOrientation orientation, std::int32_t bin,
                                 std::int32_t duplex, std::int32_t copies) {
    SetViewParams(paper, width, height, orientation);
    bin_ = bin == -1 ? kDefaultBin : bin;
    duplex_ = duplex;
    copies_ = copies;
}

std::map<std::string, std::string> TfrxPrinter::jobOptions() const {
    // A job has one set of these; the first page of the document gives them.
    std::map<std::string, std::string> options = DriverSettings;
    options["copies"] = std::to_string(std::max(copies_, 1));
    if (copies_ > 1)
        options["multiple-document-handling"] = "separate-documents-uncollated-copies";
    options["sides"] = duplex_ == 2   ? "two-sided-long-edge"
                       : duplex_ == 3 ? "two-sided-short-edge"
                                      : "one-sided";
    const QSizeF portrait = layout_.pageSize().size(QPageSize::Millimeter);
    if (const std::string media = queue_->MediaName(portrait.width(), portrait.height());
        !media.empty())
        options["media"] = media;
    if (const auto slot = slots_.find(bin_); slot != slots_.end())
        options["media-source"] = slot->second;
    return options;
}

void TfrxPrinter::raiseUnavailable() const {
    std::string reason;
    const auto problem = CupsQueue(base::cp1250ToUtf8(Name())).Problem(reason);
    RaisePrintFailure({problem.value_or(TfrxPrintProblem::Refused), Name(), 0, reason});
}

void TfrxPrinter::BeginDoc() {
    // A printer that could not be reached when it was selected may be back.
    Init();
    if (!queue_)
        raiseUnavailable();
    printing_ = true;
    jobId_ = 0;
    QString output = QString::fromLocal8Bit(FileName.c_str());
    if (FileName.empty()) {
        spool_ = std::make_unique<QTemporaryFile>();
        spool_->open();
        spool_->close();
        output = spool_->fileName();
    }
    document_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    document_->setOutputFormat(QPrinter::PdfFormat);
    document_->setOutputFileName(output);
    document_->setResolution(dpi_.X);
    document_->setFullPage(true);
    document_->setDocName(QString::fromStdString(base::cp1250ToUtf8(Title)));
}

void TfrxPrinter::BeginPage() {
    if (!printing_)
        return;
    document_->setPageLayout(layout_);
    if (canvas_) {
        document_->newPage();
        return;
    }
    if (FileName.empty()) {
        TfrxPrintFailure failure;
        jobId_ = queue_->CreateJob(base::cp1250ToUtf8(Title), jobOptions(), failure);
        if (jobId_ == 0) {
            endDocument();
            failure.printer = Name();
            RaisePrintFailure(failure);
        }
    }
    canvas_ = render::qt::QtCanvas::printer(document_.get());
}

void TfrxPrinter::endDocument() {
    canvas_.reset();
    document_.reset();
    spool_.reset();
    printing_ = false;
}

void TfrxPrinter::EndDoc() {
    if (!printing_)
        return;
    canvas_.reset(); // ends the painter: the document is complete
    const int job = jobId_;
    TfrxPrintFailure failure;
    const bool sent =
        job == 0 || queue_->SendDocument(job, spool_->fileName().toStdString(), failure);
    endDocument();
    jobId_ = 0;
    if (!sent) {
        queue_->CancelJob(job);
        failure.printer = Name();
        failure.job = job;
        RaisePrintFailure(failure);
    }
    lastJobId_ = job;
    // A job cancelled on the server while its pages were being made is
    // dropped only once its document arrives: it is not to be taken for
    // printed.
    if (job != 0) {
        std::string message;
        const CupsJobState state = queue_->JobState(job, message);
        if (state == CupsJobState::Cancelled || state == CupsJobState::Aborted)
            RaisePrintFailure({state == CupsJobState::Cancelled ? TfrxPrintProblem::JobCancelled
                                                                : TfrxPrintProblem::JobAborted,
                               Name(), job, message});
    }
}

CupsJobState TfrxPrinter::WaitForLastJob(int pollMs) const {
    if (!queue_ || lastJobId_ == 0)
        return CupsJobState::Unknown;
    for (;;) {
        std::string message;
        const CupsJobState state = queue_->JobState(lastJobId_, message);
        if (state == CupsJobState::Completed)
            return state;
        if (state == CupsJobState::Cancelled || state == CupsJobState::Aborted)
            RaisePrintFailure({state == CupsJobState::Cancelled ? TfrxPrintProblem::JobCancelled
                                                                : TfrxPrintProblem::JobAborted,
                               Name(), lastJobId_, message});
        if (state != CupsJobState::Processing) {
            // A job that waits while its queue is stopped (or the service is
            // gone) would wait for ever: it stays queued, and is reported.
            std::string reason;
            const auto problem = queue_->Problem(reason);
            if (problem == TfrxPrintProblem::Stopped || problem == TfrxPrintProblem::ServiceDown)
                RaisePrintFailure({TfrxPrintProblem::JobWaiting, Name(), lastJobId_,
                                   problem == TfrxPrintProblem::ServiceDown
                                       ? "the print service is not running"
                                       : reason});
            // A server that answers but no longer knows the job (purged, or
            // its queue removed) will not print it.
            if (state == CupsJobState::Unknown)
                RaisePrintFailure({TfrxPrintProblem::JobCancelled, Name(), lastJobId_, {}});
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    }
}

void TfrxPrinter::Abort() {
    if (!printing_)
        return;
    const bool toFile = !FileName.empty() && canvas_;
    endDocument();
    if (jobId_ != 0)
        queue_->CancelJob(jobId_);
    if (toFile)
        std::remove(FileName.c_str());
    jobId_ = 0;
}

void TfrxPrinter::PropertiesDialog() {
    if (!queue_)
        return;
    DriverOptionsDialog dialog(QString::fromStdString(base::cp1250ToUtf8(Name())),
                               queue_->DriverOptions(), DriverSettings,
                               QApplication::activeWindow());
    if (dialog.exec() == QDialog::Accepted)
        DriverSettings = dialog.settings();
}

} // namespace rq::report::printing::qt
