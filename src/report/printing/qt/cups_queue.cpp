// The libcups side of a printer: destination and its capabilities, job
// creation, document transfer and cancellation.
#include "report/printing/qt/cups_queue.h"

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

} // namespace

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

CupsQueue::CupsQueue(const std::string& name) : handles_(std::make_unique<Handles>()) {
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

int CupsQueue::CreateJob(const std::string& title,
                         const std::map<std::string, std::string>& options, std::string& error) {
    if (!valid()) {
        error = "the printer is not known to the print server";
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
        error = cupsLastErrorString();
        return 0;
    }
    return job;
}

bool CupsQueue::SendDocument(int job, const std::string& pdfPath, std::string& error) {
    std::ifstream in(pdfPath, std::ios::binary);
    if (!in) {
        error = "cannot read the spooled document " + pdfPath;
        return false;
    }
    if (cupsStartDestDocument(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info, job, "document",
                              CUPS_FORMAT_PDF, 0, nullptr, 1) != HTTP_STATUS_CONTINUE) {
        error = cupsLastErrorString();
        return false;
    }
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, buffer,
                                 static_cast<std::size_t>(in.gcount())) != HTTP_STATUS_CONTINUE)
            break;
    }
    if (cupsFinishDestDocument(CUPS_HTTP_DEFAULT, handles_->dest, handles_->info) >
        IPP_STATUS_OK_EVENTS_COMPLETE) {
        error = cupsLastErrorString();
        return false;
    }
    return true;
}

void CupsQueue::CancelJob(int job) {
    if (valid() && job > 0)
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, handles_->dest, job);
}

} // namespace rq::report::printing::qt
