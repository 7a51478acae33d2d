// rq0612-tool preview: the real main window runs its print command (fields
// from --set, --date and --signature as for prepare) and the preview window
// it opens is examined, or that window opens a saved ".ppg" (--ppg) through
// the preview's Open. The window is laid out with a workspace client area of
// --client pixels, zoom mode, zoom, page and find are performed as a user
// would, and its state is printed as key=value lines; --screenshot saves a
// picture of the whole window. Offscreen unless the environment names a
// display.
#ifdef RQ_TOOL_HAS_GUI

#include "certificate_args.h"
#include "command.h"
#include "offscreen_program.h"
#include "window_capture.h"

#include "app/application.h"
#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/engine/engine.h"
#include "report/preview/preview_pages.h"
#include "report/preview/qt/preview_workspace.h"
#include "report/preview/qt/show_prepared.h"
#include "report/preview/zoom_rules.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

#include <iostream>
#include <sstream>

namespace rq::tool {
namespace {

namespace pq = report::preview::qt;
using report::preview::TfrxPageRect;

constexpr std::string_view kUsage =
    "[--set NAME=VALUE]... [--date YYYY-MM-DD] [--signature DIGITS] [--ppg FILE] "
    "[--client WxH] [--zoom-mode default|whole|width|many] [--zoom PERCENT] "
    "[--find TEXT [--case]] [--page N] [--screenshot FILE.png]";

constexpr int kMaxClientSide = 10000;
constexpr int kLayoutWait = 5000; // ms for the window system to apply a size

struct PreviewArgs {
    CertificateArgs certificate;
    bool certificateGiven = false;
    std::optional<std::string> ppg;
    QSize client{1000, 800};
    std::optional<report::model::TfrxZoomMode> zoomMode;
    std::optional<std::string> zoom; // as typed into the zoom box, UTF-8
    std::optional<std::string> find; // Windows-1250
    bool caseSensitive = false;
    std::optional<int> page;
    std::optional<std::string> screenshot;
};

std::optional<QSize> clientSize(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const int width = decimalNumber(std::string_view(text).substr(0, x));
    const int height = decimalNumber(std::string_view(text).substr(x + 1));
    if (width < 1 || height < 1 || width > kMaxClientSide || height > kMaxClientSide)
        return std::nullopt;
    return QSize(width, height);
}

std::optional<report::model::TfrxZoomMode> zoomMode(const std::string& text) {
    using namespace report::model;
    if (text == "default")
        return zmDefault;
    if (text == "whole")
        return zmWholePage;
    if (text == "width")
        return zmPageWidth;
    if (text == "many")
        return zmManyPages;
    return std::nullopt;
}

// The zoom box's own reading decides what a typed zoom is.
std::optional<std::string> checkZoom(const std::string& text) {
    try {
        if (report::preview::ParseZoomText(base::utf8ToCp1250(text)))
            return std::nullopt;
    } catch (const base::Exception& e) {
        return "--zoom: " + base::cp1250ToUtf8(e.message());
    }
    return std::string("--zoom expects a percentage");
}

std::optional<std::string> takeOption(const Args& args, std::size_t& i, PreviewArgs& out) {
    const std::string& option = args[i];
    if (option == "--case") {
        out.caseSensitive = true;
        return std::nullopt;
    }
    if (option != "--ppg" && option != "--client" && option != "--zoom-mode" &&
        option != "--zoom" && option != "--find" && option != "--page" && option != "--screenshot")
        return "unknown option " + option;
    if (i + 1 >= args.size())
        return option + " needs a value";
    const std::string& value = args[++i];
    if (option == "--ppg") {
        out.ppg = value;
    } else if (option == "--client") {
        const auto size = clientSize(value);
        if (!size)
            return "--client expects WIDTHxHEIGHT in pixels, each from 1 to 10000";
        out.client = *size;
    } else if (option == "--zoom-mode") {
        if (!(out.zoomMode = zoomMode(value)))
            return "--zoom-mode expects default, whole, width or many";
    } else if (option == "--zoom") {
        if (auto message = checkZoom(value))
            return message;
        out.zoom = value;
    } else if (option == "--find") {
        if (value.empty())
            return std::string("--find expects a text");
        out.find = base::utf8ToCp1250(value);
    } else if (option == "--page") {
        out.page = decimalNumber(value);
        if (*out.page < 1)
            return "--page expects a page number from 1";
    } else {
        out.screenshot = value;
    }
    return std::nullopt;
}

std::optional<std::string> parseArgs(const Args& args, PreviewArgs& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::optional<std::string> error;
        if (takeCertificateOption(args, i, out.certificate, error))
            out.certificateGiven = true;
        else
            error = takeOption(args, i, out);
        if (error)
            return error;
    }
    if (out.ppg && out.certificateGiven)
        return std::string("--ppg excludes --set, --date and --signature");
    if (out.caseSensitive && !out.find)
        return std::string("--case applies to --find only");
    return std::nullopt;
}

std::string rectText(const TfrxPageRect& r) {
    std::ostringstream text;
    text << r.Left << ',' << r.Top << ',' << r.Right << ',' << r.Bottom;
    return text.str();
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ",") + item;
    return text;
}

// Gives the workspace the asked client size: out of the maximized state
// first, then the window is resized around it.
bool layOut(pq::TfrxPreviewForm& form, QSize client) {
    form.setWindowState(Qt::WindowNoState);
    const QWidget& viewport = *form.Preview->Workspace().viewport();
    const auto done = [&] { return viewport.size() == client; };
    for (int attempt = 0; attempt < 3 && !done(); ++attempt) {
        QCoreApplication::processEvents();
        form.SetWorkspaceClientSize(client);
        waitFor(done, kLayoutWait / 3);
    }
    return done();
}

// Zoom box and find as the user would drive them; the zoom box's deferred
// rewrite runs before anything is read.
int perform(pq::TfrxPreviewForm& form, const PreviewArgs& args) {
    pq::TfrxPreview& preview = *form.Preview;
    if (args.zoomMode)
        preview.SetZoomMode(*args.zoomMode);
    if (args.zoom) {
        form.ZoomCB->setEditText(QString::fromStdString(*args.zoom));
        form.ApplyZoomBox();
    }
    if (args.page) {
        if (*args.page > preview.PageCount()) {
            std::cerr << "rq0612-tool preview: page " << *args.page
                      << " does not exist (the report has " << preview.PageCount()
                      << (preview.PageCount() == 1 ? " page)\n" : " pages)\n");
            return 1;
        }
        preview.SetPageNo(*args.page);
    }
    if (args.find) {
        pq::TfrxFindState& find = preview.FindState();
        find.Text = *args.find;
        find.CaseSensitive = args.caseSensitive;
        find.StartPage = std::max(0, preview.PageNo() - 1);
        find.LastMatch = -1;
        preview.FindText();
    }
    waitFor([] { return false; }, 50);
    return 0;
}

void printState(const pq::TfrxPreviewForm& form, const PreviewArgs& args) {
    const pq::TfrxPreview& preview = *form.Preview;
    const pq::TfrxPreviewWorkspace& workspace = preview.Workspace();
    std::cout << "caption=" << form.windowTitle().toStdString() << '\n'
              << "status=" << form.PagePanel->text().toStdString() << '\n'
              << "zoom=" << form.ZoomCB->currentText().toStdString() << '\n'
              << "page-rect="
              << rectText(preview.PageList().GetPageRect(0, workspace.HorzPage(), preview.Zoom()))
              << '\n'
              << "vert-range=" << workspace.VertRange() << '\n'
              << "toolbar=" << joined(form.ToolbarItems()) << '\n';
    if (!args.find)
        return;
    const pq::TfrxFindState& find = preview.FindState();
    if (find.Found)
        std::cout << "found=" << find.FoundPage + 1 << ' ' << rectText(find.FoundRect) << '\n';
    else
        std::cout << "found=none\n";
}

bool layOutOrSay(pq::TfrxPreviewForm& form, QSize client) {
    if (layOut(form, client))
        return true;
    std::cerr << "rq0612-tool preview: the window system did not give the workspace "
              << client.width() << 'x' << client.height() << " pixels\n";
    return false;
}

// The scroll bars come and go with the zoom, which changes the workspace's
// client area: the window is fitted to the asked size again before the
// state is read (the zoom modes follow the client area).
int examine(pq::TfrxPreviewForm& form, const PreviewArgs& args) {
    if (!layOutOrSay(form, args.client))
        return 1;
    if (const int status = perform(form, args))
        return status;
    if (!layOutOrSay(form, args.client))
        return 1;
    printState(form, args);
    if (!args.screenshot)
        return 0;
    waitFor([] { return false; }, 300); // the last paints reach the screen
    if (!saveWindowPicture(form, QString::fromStdString(*args.screenshot))) {
        std::cerr << "rq0612-tool preview: cannot write " << *args.screenshot << '\n';
        return 1;
    }
    return 0;
}

report::preview::TfrxPreviewPages& storeOf(OffscreenProgram& program) {
    return dynamic_cast<report::preview::TfrxPreviewPages&>(
        report::engine::EngineOf(program.Form1().frxReport1)->PreviewPages());
}

// The preview window of the main window's report opening the file the way
// its Open does, without the file dialog.
int previewFile(OffscreenProgram& program, const PreviewArgs& args) {
    auto& form1 = program.Form1();
    std::unique_ptr<pq::TfrxPreviewForm> form =
        pq::CreatePreviewForm(form1.frxReport1, storeOf(program), form1.PreviewLink, &form1);
    form->show();
    try {
        form->Preview->LoadFromFile(*args.ppg);
    } catch (const base::Exception& e) {
        std::cerr << "rq0612-tool preview: " << base::cp1250ToUtf8(e.message()) << '\n';
        return 1;
    }
    return examine(*form, args);
}

// The print command of the main menu; the preview window it opens is
// examined once its modal loop runs, then closed.
int previewCertificate(OffscreenProgram& program, const PreviewArgs& args) {
    if (const int status = fillCertificate(program, args.certificate, "preview"))
        return status;
    auto& form1 = program.Form1();
    std::optional<int> status;
    form1.PreviewLink.opened = [&](pq::TfrxPreviewForm& form) {
        QTimer::singleShot(0, &form, [&] {
            status = examine(form, args);
            form.close();
        });
    };
    form1.Nyomtats1->trigger();
    if (!status) {
        printReportErrors(program);
        return 1;
    }
    return *status;
}

int runPreview(const Args& args) {
    PreviewArgs parsed;
    if (const auto message = parseArgs(args, parsed))
        return usageError("preview", *message);
    OffscreenProgram program(OffscreenProgram::Display::environment);
    return parsed.ppg ? previewFile(program, parsed) : previewCertificate(program, parsed);
}

const ToolCommand kPreview({"preview", kUsage,
                            "run the main window's print command (or open a .ppg) into the real "
                            "preview window, lay it out, zoom and find, and print its state "
                            "(found= gives the page and the match in pixels on that page)",
                            runPreview});

} // namespace
} // namespace rq::tool

#endif
