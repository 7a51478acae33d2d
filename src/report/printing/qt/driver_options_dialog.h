// The "Properties..." dialog of a CUPS queue: one drop-down list per driver
// option the queue offers (quality, colour mode, resolution and the like),
// starting from the settings chosen before or the queue's defaults.
#pragma once

#include "report/printing/qt/cups_queue.h"

#include <QComboBox>
#include <QDialog>

#include <map>
#include <string>
#include <vector>

namespace rq::report::printing::qt {

class DriverOptionsDialog : public QDialog {
    Q_OBJECT
public:
    DriverOptionsDialog(const QString& printerName, std::vector<CupsOption> options,
                        const std::map<std::string, std::string>& settings, QWidget* parent);

    // The chosen value of every option shown.
    std::map<std::string, std::string> settings() const;

private:
    std::vector<CupsOption> options_;
    std::vector<QComboBox*> boxes_;
};

} // namespace rq::report::printing::qt
