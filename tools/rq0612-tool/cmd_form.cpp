// rq0612-tool form save|load: the real main window, created offscreen, runs
// its save or load command with the pass phrase given on the command line
// instead of the prompt, and with DIR in place of the program's directory.
// "save" first sets the named fields; "load" then prints every input field as
// NAME=VALUE in ownership order. Failures print their message on standard
// error and exit 1; a missing file or a wrong pass phrase exits 2 with its
// message.
#ifdef RQ_TOOL_HAS_GUI

#include "command.h"
#include "offscreen_program.h"

#include "app/application.h"
#include "base/exceptions.h"
#include "base/text1250.h"
#include "certificate/saved_form.h"

#include <QLineEdit>

#include <iostream>
#include <memory>
#include <optional>

namespace rq::tool {
namespace {

using rq::base::AnsiString;

constexpr std::string_view kUsage =
    "save --dir DIR --pass PASSPHRASE [--set NAME=VALUE]... | load --dir DIR --pass PASSPHRASE";
constexpr int kReported = 2; // missing file or wrong pass phrase

struct FormArgs {
    std::string directory;
    std::optional<std::string> passPhrase; // UTF-8
    std::vector<std::pair<std::string, std::string>> fields;
};

// Answers the prompt with the given pass phrase and keeps the message the
// command would show.
class CommandLineUser : public rq::certificate::SavedFormUser {
public:
    explicit CommandLineUser(AnsiString passPhrase) : passPhrase_(std::move(passPhrase)) {}
    AnsiString AskPassphrase(const AnsiString&, const AnsiString&) override { return passPhrase_; }
    void ShowMessage(const AnsiString& text) override { message = text; }
    std::optional<AnsiString> message;

private:
    AnsiString passPhrase_;
};

bool parseArgs(const Args& args, bool allowSet, FormArgs& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size())
            return false;
        const std::string& value = args[++i];
        if (option == "--dir") {
            out.directory = value;
        } else if (option == "--pass") {
            out.passPhrase = value;
        } else if (option == "--set" && allowSet && value.find('=') != std::string::npos) {
            const auto eq = value.find('=');
            out.fields.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        } else {
            return false;
        }
    }
    return !out.directory.empty() && out.passPhrase.has_value();
}

void printFields(rq::app::TForm1& form) {
    for (const auto& entry : form.Components().Entries())
        if (auto* edit = qobject_cast<QLineEdit*>(entry.object))
            std::cout << entry.name.toStdString() << '=' << edit->text().toStdString() << '\n';
}

int runForm(const Args& args) {
    if (args.empty() || (args[0] != "save" && args[0] != "load"))
        return usageError("form", "expects save or load");
    const bool saving = args[0] == "save";
    FormArgs parsed;
    if (!parseArgs(Args(args.begin() + 1, args.end()), saving, parsed))
        return usageError("form", std::string("usage: form ") + std::string(kUsage));
    if (parsed.directory.back() != '/')
        parsed.directory += '/';

    OffscreenProgram program;
    auto& form = program.Form1();
    try {
        CommandLineUser user(rq::certificate::passPhraseFromUtf8(*parsed.passPhrase));
        form.SavedForm.user = &user;
        form.SavedForm.directory = parsed.directory;
        for (const auto& [name, value] : parsed.fields) {
            QLineEdit* field = form.FindField(QString::fromStdString(name));
            if (!field)
                return usageError("form", "no input field named " + name);
            const QString text = QString::fromStdString(value);
            // The field would cut a longer value without a word.
            if (text.size() > field->maxLength())
                return usageError("form", name + " takes at most " +
                                              std::to_string(field->maxLength()) + " characters");
            field->setText(text);
        }
        saving ? form.Kitltsmentse1Click() : form.Kitltttrlapbetltse1Click();
        form.SavedForm.user = nullptr;
        if (user.message) {
            std::cerr << rq::base::cp1250ToUtf8(*user.message) << '\n';
            return kReported;
        }
    } catch (const std::exception& e) {
        form.SavedForm.user = nullptr;
        std::cerr << rq::base::cp1250ToUtf8(e.what()) << '\n';
        return 1;
    }
    if (!saving)
        printFields(form);
    return 0;
}

const ToolCommand kForm({"form", kUsage,
                         "save or load the filled form through the real main window (offscreen)",
                         runForm});

} // namespace
} // namespace rq::tool

#endif
