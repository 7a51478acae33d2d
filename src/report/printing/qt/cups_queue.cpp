// The libcups side of a printer: destination and its capabilities, job
// creation, document transfer and cancellation.
#include "report/printing/qt/cups_queue.h"

#include "base/system_error.h"
#include "base/text1250.h"

#include <cups/cups.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>

#if defined(__SANITIZE_ADDRESS__)
// libcups keeps a few strings of a description's cache for good when it
// reads some printers' descriptions (HP's PostScript ones among them); the
// leak checker of the sanitizer build would otherwise fail every program
// that lists such a queue. This file is linked wherever libcups is used.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:_ppdCacheCreateWithPPD\n";
}
#endif

namespace rq::report::printing::qt {
namespace {

// Job attributes the print job sets itself from the report page and the
// print dialog, and attributes that are no driver settings.
const std::set<std::string> kJobSetAttributes = {
    "copies",
    "media",
    "media-col",
    "media-source",
    "sides",
    "orientation-requested",
    "page-ranges",
    "job-name",
    "multiple-document-handling",
    "job-hold-until",
    "job-priority",
    "job-sheets",
    "ipp-attribute-fidelity",
    "finishings-col",
    "page-delivery",
};

std::string valueText(ipp_attribute_t* attribute, int index) {
    switch (ippGetValueTag(attribute)) {
    case IPP_TAG_ENUM:
    case IPP_TAG_INTEGER:
        return std::to_string(ippGetInteger(attribute, index));
    case IPP_TAG_RESOLUTION: {
        int y = 0;
        ipp_res_t units;
        const int x = ippGetResolution(attribute, index, &y, &units);
        return std::to_string(x) + (x == y ? "" : "x" + std::to_string(y)) +
               (units == IPP_RES_PER_INCH ? "dpi" : "dpcm");
    }
    case IPP_TAG_KEYWORD:
    case IPP_TAG_NAME:
    case IPP_TAG_TEXT:
        return ippGetString(attribute, index, nullptr);
    default:
        return {};
    }
}

// A connection of its own for each question about a queue's or a job's
// state: the shared default connection may still point at a service that
// has gone, and would answer with a stale failure.
class Connection {
public:
    Connection()
        : http_(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             kConnectTimeoutMs, nullptr)) {}
    ~Connection() {
        if (http_)
            httpClose(http_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    http_t* get() const { return http_; }

private:
    static constexpr int kConnectTimeoutMs = 5000;
    http_t* http_;
};

std::string printerUri(const std::string& name) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", name.c_str());
    return uri;
}

// An IPP request's response on its own connection; nullptr when the service
// does not answer.
struct Response {
    ipp_t* ipp = nullptr;
    ~Response() { ippDelete(ipp); }
    std::string text(const char* name) const {
        ipp_attribute_t* attribute = ippFindAttribute(ipp, name, IPP_TAG_ZERO);
        const char* value = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
        return value ? base::utf8ToCp1250(value) : std::string();
    }
    int integer(const char* name) const {
        ipp_attribute_t* attribute = ippFindAttribute(ipp, name, IPP_TAG_ZERO);
        return attribute ? ippGetInteger(attribute, 0) : 0;
    }
};

void ask(Response& response, ipp_t* request) {
    Connection connection;
    if (!connection.get()) {
        ippDelete(request);
        return;
    }
    response.ipp = cupsDoRequest(connection.get(), request, "/");
}

} // namespace

bool CupsServiceAnswers() {
    return Connection().get() != nullptr;
}

struct CupsQueue::Handles {
    cups_dest_t* dest = nullptr;
    cups_dinfo_t* info = nullptr;
    ~Handles() {
        if (info)
            cupsFreeDestInfo(info);
        if (dest)
            cupsFreeDests(1, dest);
    }
};

CupsQueue::CupsQueue(const std::string& name) : name_(name), handles_(std::make_unique<Handles>()) {
    handles_->dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (handles_->dest)
        handles_->info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, handles_->dest);
}

CupsQueue::~CupsQueue() = default;

bool CupsQueue::valid() const {
    return handles_->dest && handles_->info;
}

std::vector<CupsSlot> CupsQueue::InputSlots() const {
    std::vector<CupsSlot> slots;
    if (!valid())
        return slots;
    ipp_attribute_t* supported =
        cupsFindDestSupported(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info, "media-source");
    for (int i = 0; supported && i < ippGetCount(supported); ++i) {
        const char* keyword = ippGetString(supported, i, nullptr);
        if (!keyword)
            continue;
        const char* caption = cupsLocalizeDestValue(CUPS_HTTP_DEFAULT, handles_->dest,
                                                    handles_->info, "media-source", keyword);
        slots.push_back({keyword, caption ? caption : keyword});
    }
    return slots;
}

int CupsQueue::DefaultResolution() const {
    if (!valid())
        return 0;
    ipp_attribute_t* resolution = cupsFindDestDefault(CUPS_HTTP_DEFAULT, handles_->dest,
                                                      handles_->info, "printer-resolution");
    if (!resolution || ippGetValueTag(resolution) != IPP_TAG_RESOLUTION)
        return 0;
    int y = 0;
    ipp_res_t units;
    const int x = ippGetResolution(resolution, 0, &y, &units);
    return units == IPP_RES_PER_INCH ? x : static_cast<int>(std::lround(x * 2.54));
}

std::string CupsQueue::MediaName(double width, double height) const {
    cups_size_t size;
    if (!valid() || !cupsGetDestMediaBySize(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info,
                                            static_cast<int>(std::lround(width * 100)),
                                            static_cast<int>(std::lround(height * 100)),
                                            CUPS_MEDIA_FLAGS_DEFAULT, &size))
        return {};
    return size.media;
}

std::vector<CupsOption> CupsQueue::DriverOptions() const {
    std::vector<CupsOption> options;
    if (!valid())
        return options;
    ipp_attribute_t* creatable = cupsFindDestSupported(CUPS_HTTP_DEFAULT, handles_->dest,
                                                       handles_->info, "job-creation-attributes");
    for (int i = 0; creatable && i < ippGetCount(creatable); ++i) {
        const char* name = ippGetString(creatable, i, nullptr);
        if (!name || kJobSetAttributes.contains(name))
            continue;
        ipp_attribute_t* supported =
            cupsFindDestSupported(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info, name);
        if (!supported || ippGetValueTag(supported) == IPP_TAG_RANGE ||
            ippGetValueTag(supported) == IPP_TAG_BEGIN_COLLECTION || ippGetCount(supported) < 2)
            continue;
        CupsOption option{
            name,
            cupsLocalizeDestOption(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info, name),
            {},
            {}};
        for (int v = 0; v < ippGetCount(supported); ++v) {
            const std::string value = valueText(supported, v);
            if (value.empty())
                continue;
            const char* caption = cupsLocalizeDestValue(CUPS_HTTP_DEFAULT, handles_->dest,
                                                        handles_->info, name, value.c_str());
            option.values.emplace_back(value, caption ? caption : value);
        }
        if (ipp_attribute_t* byDefault =
                cupsFindDestDefault(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info, name))
            option.defaultValue = valueText(byDefault, 0);
        if (option.values.size() > 1)
            options.push_back(std::move(option));
    }
    return options;
}

std::optional<TfrxPrintProblem> CupsQueue::Problem(std::string& reason) const {
    reason.clear();
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 printerUri(name_).c_str());
    static const char* const kWanted[] = {"printer-state", "printer-is-accepting-jobs",
                                          "printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  std::size(kWanted), nullptr, kWanted);
    Response response;
    ask(response, request);
    if (!response.ipp)
        return TfrxPrintProblem::ServiceDown;
    if (ippGetStatusCode(response.ipp) == IPP_STATUS_ERROR_NOT_FOUND)
        return TfrxPrintProblem::Gone;
    reason = response.text("printer-state-message");
    ipp_attribute_t* accepting =
        ippFindAttribute(response.ipp, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (accepting && !ippGetBoolean(accepting, 0))
        return TfrxPrintProblem::Rejecting;
    if (response.integer("printer-state") == IPP_PSTATE_STOPPED)
        return TfrxPrintProblem::Stopped;
    reason.clear();
    return std::nullopt;
}

TfrxPrintFailure CupsQueue::refusal() const {
    // The request's message first: the questions below replace it.
    const std::string message = base::systemText(cupsLastErrorString());
    std::string reason;
    if (const auto problem = Problem(reason))
        return {*problem, name_, 0, reason};
    return {TfrxPrintProblem::Refused, name_, 0, message};
}

int CupsQueue::CreateJob(const std::string& title,
                         const std::map<std::string, std::string>& options,
                         TfrxPrintFailure& failure) {
    // A stopped queue takes jobs and keeps them: the job would wait unseen.
    std::string reason;
    if (const auto problem = Problem(reason)) {
        failure = {*problem, name_, 0, reason};
        return 0;
    }
    if (!valid()) {
        failure = {TfrxPrintProblem::Gone, name_, 0, {}};
        return 0;
    }
    int count = 0;
    cups_option_t* list = nullptr;
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.c_str(), value.c_str(), count, &list);
    int job = 0;
    const ipp_status_t status = cupsCreateDestJob(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info,
                                                  &job, title.c_str(), count, list);
    cupsFreeOptions(count, list);
    if (status > IPP_STATUS_OK_EVENTS_COMPLETE || job <= 0) {
        failure = refusal();
        return 0;
    }
    return job;
}

bool CupsQueue::SendDocument(int job, const std::string& pdfPath, TfrxPrintFailure& failure) {
    std::ifstream in(pdfPath, std::ios::binary);
    if (!in) {
        failure = {TfrxPrintProblem::Refused, name_, job,
                   "cannot read the spooled document " + pdfPath};
        return false;
    }
    const bool started =
        cupsStartDestDocument(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info, job, "document",
                              CUPS_FORMAT_PDF, 0, nullptr, 1) == HTTP_STATUS_CONTINUE;
    bool written = started;
    char buffer[65536];
    while (written && (in.read(buffer, sizeof buffer) || in.gcount() > 0))
        written =
            cupsWriteRequestData(CUPS_HTTP_DEFAULT, buffer,
                                 static_cast<std::size_t>(in.gcount())) == HTTP_STATUS_CONTINUE;
    // A started request is always finished: the connection is shared.
    const bool finished =
        started && cupsFinishDestDocument(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info) <=
                       IPP_STATUS_OK_EVENTS_COMPLETE;
    if (written && finished)
        return true;
    std::string message;
    switch (JobState(job, message)) {
    case CupsJobState::Cancelled:
        failure = {TfrxPrintProblem::JobCancelled, name_, job, {}};
        break;
    case CupsJobState::Aborted:
        failure = {TfrxPrintProblem::JobAborted, name_, job, message};
        break;
    default:
        failure = refusal();
        failure.job = job;
    }
    return false;
}

CupsJobState CupsQueue::JobState(int job, std::string& message) const {
    message.clear();
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 printerUri(name_).c_str());
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    static const char* const kWanted[] = {"job-state", "job-printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  std::size(kWanted), nullptr, kWanted);
    Response response;
    ask(response, request);
    if (!response.ipp || ippGetStatusCode(response.ipp) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return CupsJobState::Unknown;
    switch (response.integer("job-state")) {
    case IPP_JSTATE_PENDING:
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_STOPPED:
        return CupsJobState::Waiting;
    case IPP_JSTATE_PROCESSING:
        return CupsJobState::Processing;
    case IPP_JSTATE_COMPLETED:
        return CupsJobState::Completed;
    case IPP_JSTATE_CANCELED:
        return CupsJobState::Cancelled;
    case IPP_JSTATE_ABORTED:
        message = response.text("job-printer-state-message");
        return CupsJobState::Aborted;
    default:
        return CupsJobState::Unknown;
    }
}

void CupsQueue::CancelJob(int job) {
    if (valid() && job > 0)
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, handles_->dest, job);
}

} // namespace rq::report::printing::qt
