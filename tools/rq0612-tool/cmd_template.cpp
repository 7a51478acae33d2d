// rq0612-tool template: the certificate template as the serializer writes
// it (the report with its page and objects); --tree lists it the way
// `report tree` lists a document; --pictures replaces its two pictures by
// JPEG files first, which is how the committed resource is regenerated.
#include "command.h"

#include "certificate/certificate_template.h"
#include "report/model/barcode_view.h"
#include "report/model/picture_view.h"
#include "report/model/report.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace rq::tool {
namespace {

using report::model::TfrxPictureView;
using report::model::TfrxReport;

// Like the main window, the tool makes the barcode view known to every
// report it reads (the template and `report` documents alike).
const report::model::TfrxBarCodeObject kBarCodeObject;

// Feeds text to code that reads standard input, for the duration.
class StandardInputFrom {
public:
    explicit StandardInputFrom(std::string text)
        : buffer_(std::move(text)), saved_(std::cin.rdbuf(buffer_.rdbuf())) {}
    ~StandardInputFrom() { std::cin.rdbuf(saved_); }
    StandardInputFrom(const StandardInputFrom&) = delete;
    StandardInputFrom& operator=(const StandardInputFrom&) = delete;

private:
    std::istringstream buffer_;
    std::streambuf* saved_;
};

// The listing is the `report tree` command's own, run over the template.
int printTree() {
    for (const CommandInfo& info : commands()) {
        if (info.name == "report") {
            StandardInputFrom input{std::string(certificate::certificateTemplateXml())};
            return info.run({"tree"});
        }
    }
    std::cerr << "rq0612-tool template: the report command is missing\n";
    return 1;
}

bool replacePicture(TfrxReport& report, const std::string& name, const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    auto* view = dynamic_cast<TfrxPictureView*>(report.ObjectByName(name));
    if (!in || !view) {
        std::cerr << "rq0612-tool template: cannot read " << file << '\n';
        return false;
    }
    // AutoSize is on, so the view takes the new picture's size.
    view->Picture().SetGraphic(
        "TJPEGImage", {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    return true;
}

int runTemplate(const Args& args) {
    if (args.size() == 1 && args[0] == "--tree")
        return printTree();
    const bool pictures = args.size() == 3 && args[0] == "--pictures";
    if (!args.empty() && !pictures)
        return usageError("template", "expects no arguments, --tree or --pictures COAT MARK");
    TfrxReport report;
    certificate::LoadCertificateTemplate(report);
    if (pictures && !(replacePicture(report, "Picture1", args[1]) &&
                      replacePicture(report, "Picture2", args[2])))
        return 1;
    report.SaveToStream(std::cout);
    return 0;
}

const ToolCommand kTemplate({"template", "[--tree | --pictures COAT.jpg MARK.jpg]",
                             "write the certificate template as a report document, list its "
                             "objects (--tree), or write it with other pictures (--pictures)",
                             runTemplate});

} // namespace
} // namespace rq::tool
