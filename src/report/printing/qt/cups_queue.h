// CupsQueue: what this program needs of a CUPS queue that Qt Print Support
// does not offer: the input slots (bins), the default resolution, the
// queue's media name for a paper size, the driver options shown by
// "Properties...", and a job that exists on the server from its first page,
// receives one document and can be cancelled. Everything libcups is here.
#pragma once

#include "report/printing/print_errors.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rq::report::printing::qt {

// One driver option offered by the queue: its IPP name and caption, the
// values (keyword and caption) and the queue's default.
struct CupsOption {
    std::string name;
    std::string caption;
    std::vector<std::pair<std::string, std::string>> values;
    std::string defaultValue;
};

// An input slot: IPP keyword ("tray-1") and the queue's caption for it.
struct CupsSlot {
    std::string keyword;
    std::string caption;
};

// Where a job stands on the server.
enum class CupsJobState { Waiting, Processing, Completed, Cancelled, Aborted, Unknown };

// Whether the print service (the one CUPS_SERVER names, else the machine's)
// answers a connection.
bool CupsServiceAnswers();

class CupsQueue {
public:
    // Looks the queue up; valid() is false when the server does not know it.
    explicit CupsQueue(const std::string& name);
    ~CupsQueue();
    CupsQueue(const CupsQueue&) = delete;
    CupsQueue& operator=(const CupsQueue&) = delete;

    bool valid() const;
    std::vector<CupsSlot> InputSlots() const;
    // Dots per inch of the queue's default resolution; 0 when it states none.
    int DefaultResolution() const;
    // The queue's media name for a paper of that size (mm); empty when none.
    std::string MediaName(double width, double height) const;
    // The options a user may set in "Properties..." (those the job does not
    // set from the report page: quality, colour, resolution and the like).
    std::vector<CupsOption> DriverOptions() const;

    // Asks the server afresh why the queue could not print now: the service
    // is down, the queue is gone, stopped or rejecting jobs; nothing when
    // it is ready. The reason is the queue's state message (Windows-1250).
    std::optional<TfrxPrintProblem> Problem(std::string& reason) const;

    // Creates a job once the queue is found ready; returns its id, or 0
    // with what stood in the way (printer name and job left to the caller).
    int CreateJob(const std::string& title, const std::map<std::string, std::string>& options,
                  TfrxPrintFailure& failure);
    // Sends the PDF file as the job's only document; false with the reason.
    bool SendDocument(int job, const std::string& pdfPath, TfrxPrintFailure& failure);
    // Cancels the job; nothing of it is printed.
    void CancelJob(int job);
    // The job's state on the server and, for an aborted job, the printer's
    // message about it (Windows-1250).
    CupsJobState JobState(int job, std::string& message) const;

private:
    // The failure after a refused request: the queue's problem when the
    // server names one, else the request's own message.
    TfrxPrintFailure refusal() const;

    std::string name_;
    struct Handles;
    std::unique_ptr<Handles> handles_;
};

} // namespace rq::report::printing::qt
