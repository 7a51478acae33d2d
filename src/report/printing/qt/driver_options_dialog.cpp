// The driver options as a form of drop-down lists with OK and Cancel.
#include "report/printing/qt/driver_options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

namespace rq::report::printing::qt {

DriverOptionsDialog::DriverOptionsDialog(const QString& printerName,
                                         std::vector<CupsOption> options,
                                         const std::map<std::string, std::string>& settings,
                                         QWidget* parent)
    : QDialog(parent), options_(std::move(options)) {
    setWindowTitle(printerName + " Properties");
    auto* form = new QFormLayout(this);
    if (options_.empty())
        form->addRow(new QLabel("The printer offers no settings.", this));
    for (const CupsOption& option : options_) {
        auto* box = new QComboBox(this);
        const auto chosen = settings.find(option.name);
        const std::string& current =
            chosen != settings.end() ? chosen->second : option.defaultValue;
        for (const auto& [value, caption] : option.values) {
            box->addItem(QString::fromStdString(caption), QString::fromStdString(value));
            if (value == current)
                box->setCurrentIndex(box->count() - 1);
        }
        box->setObjectName(QString::fromStdString(option.name));
        form->addRow(QString::fromStdString(option.caption) + ":", box);
        boxes_.push_back(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

std::map<std::string, std::string> DriverOptionsDialog::settings() const {
    std::map<std::string, std::string> result;
    for (std::size_t i = 0; i < options_.size(); ++i)
        result[options_[i].name] = boxes_[i]->currentData().toString().toStdString();
    return result;
}

} // namespace rq::report::printing::qt
