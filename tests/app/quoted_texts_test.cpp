// Every text the program must show word for word, held once here beside the
// place where the program keeps it: a constant, or what a real window shows.
// The Hungarian texts of the main window, its prompts and messages and the
// certificate's printed page come first; the report library's English
// captions and messages of the preview, the find dialog and the print dialog
// follow. No test elsewhere needs its own copy of these texts.
#include "../support/modal_dialog.h"
#include "form1_harness.h"

#include "base/exceptions.h"
#include "base/format_settings.h"
#include "base/number_text.h"
#include "certificate/saved_form.h"
#include "crypto/lb_rijndael.h"
#include "dialogs/language_table.h"
#include "report/engine/engine.h"
#include "report/model/memo_view.h"
#include "report/preview/preview_pages.h"
#include "report/preview/qt/preview_form.h"
#include "report/preview/qt/search_dialog.h"
#include "report/printing/qt/print_dialog.h"
#include "widgets/window_system.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <functional>
#include <ostream>

namespace rq::app::testing {
namespace {

using report::preview::qt::TfrxPreviewForm;

// The main window, and the other windows of the program opened on it.
class ProgramTexts : public MainWindowTest {
public:
    using MainWindowTest::form;
    Forms& forms() const { return *forms_; }

    QString caption(const char* component) const {
        const auto* entry = form().FindComponent(QString::fromLatin1(component));
        if (!entry)
            return QStringLiteral("<no component %1>").arg(QString::fromLatin1(component));
        if (const auto* label = qobject_cast<const QLabel*>(entry->object))
            return label->text();
        if (const auto* edit = qobject_cast<const QLineEdit*>(entry->object))
            return edit->text();
        if (const auto* fill = qobject_cast<const widgets::TLMDFill*>(entry->object))
            return fill->Caption();
        if (const auto* item = qobject_cast<const QAction*>(entry->object))
            return item->text();
        return QStringLiteral("<no text on %1>").arg(QString::fromLatin1(component));
    }

    // Line index of a memo of the certificate template, as loaded at start-up.
    QString templateLine(const char* memo, int index) const {
        const auto* view =
            dynamic_cast<const report::model::TfrxMemoView*>(form().frxReport1.ObjectByName(memo));
        if (!view || index >= view->Memo().Count())
            return QStringLiteral("<no line %1 in %2>").arg(index).arg(QString::fromLatin1(memo));
        return widgets::fromAnsi(view->Memo()[index]);
    }

    QString variable(const char* name) const {
        base::Variant value;
        form().frxReport1GetValue(name, value);
        return widgets::fromAnsi(value.toString());
    }

    // What the save or load command shows when run on the real dialogs: the
    // prompt's caption, prompt text and buttons, then any message box.
    struct Shown {
        QString caption, prompt, ok, cancel, boxCaption, boxText, boxButton;
    };
    Shown runCommand(void (TForm1::*command)(), const QString& passPhrase, bool message) {
        form().SavedForm.user = nullptr; // the real prompt and message box
        form().SavedForm.directory = directory_.path().toStdString() + "/";
        Shown shown;
        rq::testing::onModal([&](QWidget* prompt) {
            shown.caption = prompt->windowTitle();
            shown.prompt = prompt->findChild<QLabel*>(QStringLiteral("Prompt"))->text();
            shown.ok = prompt->findChild<QPushButton*>(QStringLiteral("OK"))->text();
            shown.cancel = prompt->findChild<QPushButton*>(QStringLiteral("Cancel"))->text();
            auto* edit = prompt->findChild<QLineEdit*>(QStringLiteral("Edit"));
            edit->setText(passPhrase);
            QTest::keyClick(edit, Qt::Key_Return);
            // The box comes once the prompt has closed.
            if (message)
                rq::testing::onModal([&](QWidget* box) {
                    shown.boxCaption = box->windowTitle();
                    shown.boxText = box->findChild<QLabel*>(QStringLiteral("Message"))->text();
                    auto* ok = box->findChild<QPushButton*>(QStringLiteral("OK"));
                    shown.boxButton = ok->text();
                    ok->click();
                });
        });
        (form().*command)();
        return shown;
    }
    Shown save() { return runCommand(&TForm1::Kitltsmentse1Click, QStringLiteral("titok"), false); }
    Shown loadWithoutFile() {
        return runCommand(&TForm1::Kitltttrlapbetltse1Click, QStringLiteral("titok"), true);
    }
    Shown loadWithWrongPassPhrase() {
        save();
        return runCommand(&TForm1::Kitltttrlapbetltse1Click, QStringLiteral("mas"), true);
    }

    // The preview window on the prepared certificate.
    std::unique_ptr<TfrxPreviewForm> preview() {
        auto preview = std::make_unique<TfrxPreviewForm>();
        if (!form().PrepareCertificate())
            return preview;
        auto& store = dynamic_cast<report::preview::TfrxPreviewPages&>(
            report::engine::EngineOf(form().frxReport1)->PreviewPages());
        preview->Attach(form().frxReport1, store);
        return preview;
    }

    // The message of the failure that fails raises.
    static QString failure(const std::function<void()>& fails) {
        try {
            fails();
        } catch (const std::exception& e) {
            return widgets::fromAnsi(e.what());
        }
        return QStringLiteral("<no failure>");
    }

private:
    QTemporaryDir directory_;
};

struct QuotedText {
    const char* name; // what the text is
    const char* text; // UTF-8, exactly as the program must show it
    std::function<QString(ProgramTexts&)> shown;
};

void PrintTo(const QuotedText& row, std::ostream* out) {
    *out << row.name;
}

QString ansi(std::string_view text) {
    return widgets::fromAnsi(text);
}

QString hungarian(std::size_t entry) {
    return ansi(dialogs::languageRow(static_cast<int>(dialogs::Language::Hungarian))[entry]);
}

class QuotedTexts : public ProgramTexts, public ::testing::WithParamInterface<QuotedText> {};

// clang-format off
const QuotedText kQuotedTexts[] = {
    // The windows and the main window's controls.
    {"MainWindowCaption", "Elektronikus nyomtatvány - Ezüstliget Polgármesteri Hivatal",
     [](ProgramTexts& p) { return p.form().windowTitle(); }},
    {"FillingGuideCaption", "Kitöltési útmutató",
     [](ProgramTexts& p) { return p.forms().Form2().windowTitle(); }},
    {"BufferWindowCaption", "Form3",
     [](ProgramTexts& p) { return p.forms().Form3().windowTitle(); }},
    {"Title", "MUNKÁLTATÓI IGAZOLÁS", [](ProgramTexts& p) { return p.caption("Label9"); }},
    {"FormCode", "RQ0612", [](ProgramTexts& p) { return p.caption("Label10"); }},
    {"EmployerHeader", "    I. A MUNKÁLTATÓ", [](ProgramTexts& p) { return p.caption("LMDFill1"); }},
    {"EmployerName", "Név:", [](ProgramTexts& p) { return p.caption("Label3"); }},
    {"EmployerNameDefault", "-", [](ProgramTexts& p) { return p.caption("Edit1"); }},
    {"EmployerAddress", "Cím:", [](ProgramTexts& p) { return p.caption("Label1"); }},
    {"EmployerAddressDefault", "-", [](ProgramTexts& p) { return p.caption("Edit2"); }},
    {"EmployeeHeader", "     II. A MUNKAVÁLLALÓ", [](ProgramTexts& p) { return p.caption("LMDFill2"); }},
    {"EmployeeName", "Név:", [](ProgramTexts& p) { return p.caption("Label2"); }},
    {"MaidenName", "Leánykori név:", [](ProgramTexts& p) { return p.caption("Label8"); }},
    {"EmployeeAddress", "Cím:", [](ProgramTexts& p) { return p.caption("Label13"); }},
    {"Position", "Munkakör:", [](ProgramTexts& p) { return p.caption("Label4"); }},
    {"EmployedSince", "Mióta áll alkalmazásban:", [](ProgramTexts& p) { return p.caption("Label5"); }},
    {"NetIncome", "Nevezett utolsó havi nettó jövedelme (családi pótlék nélkül):", [](ProgramTexts& p) { return p.caption("Label6"); }},
    {"NetIncomeUnit", "Ft.", [](ProgramTexts& p) { return p.caption("Label7"); }},
    {"FamilyAllowance", "Családi pótlék összege:", [](ProgramTexts& p) { return p.caption("Label11"); }},
    {"FamilyAllowanceUnit", "Ft.", [](ProgramTexts& p) { return p.caption("Label12"); }},
    {"PrintCommand", "Nyomtatás", [](ProgramTexts& p) { return p.caption("Nyomtats1"); }},
    {"SaveCommand", "Űrlap mentése", [](ProgramTexts& p) { return p.caption("Kitltsmentse1"); }},
    {"LoadCommand", "Kitöltött űrlap betöltése", [](ProgramTexts& p) { return p.caption("Kitltttrlapbetltse1"); }},
    {"ExitCommand", "Kilépés", [](ProgramTexts& p) { return p.caption("Kilps1"); }},

    // The maiden-name clause of the certificate's main text.
    {"MaidenNameClause", ", leánykori neve: <b>Kiss Anna</b>", [](ProgramTexts& p) {
         p.form().Edit6->setText(QStringLiteral("Kiss Anna"));
         return p.variable("m13");
     }},

    // Saving and loading: file, marker, prompts and messages as the real
    // dialogs show them.
    {"SavedFormFile", "RQ0612.txt", [](ProgramTexts&) { return ansi(certificate::kSavedFormFileName); }},
    {"MarkerLine", "vízimalom", [](ProgramTexts&) { return ansi(certificate::kMarkerLine); }},
    {"SaveCaption", "Kérek egy jelszót!", [](ProgramTexts& p) { return p.save().caption; }},
    {"SavePrompt", "A jelszó a későbbi visszatöltésnél kell majd:", [](ProgramTexts& p) { return p.save().prompt; }},
    {"PromptOk", "OK", [](ProgramTexts& p) { return p.save().ok; }},
    {"PromptCancel", "Mégsem", [](ProgramTexts& p) { return p.save().cancel; }},
    {"LoadCaption", "Jelszóellenőrzés", [](ProgramTexts& p) { return p.loadWithoutFile().caption; }},
    {"LoadPrompt", "Kérem a jelszót", [](ProgramTexts& p) { return p.loadWithoutFile().prompt; }},
    {"NoSaveMessage", "Nincs mentés!           .", [](ProgramTexts& p) { return p.loadWithoutFile().boxText; }},
    {"MessageCaption", "Információ", [](ProgramTexts& p) { return p.loadWithoutFile().boxCaption; }},
    {"MessageOk", "OK", [](ProgramTexts& p) { return p.loadWithoutFile().boxButton; }},
    {"WrongPassPhraseMessage", "Hibás jelszó!           .", [](ProgramTexts& p) { return p.loadWithWrongPassPhrase().boxText; }},

    // The Hungarian row of the dialogs' language table.
    {"LanguageInputCancel", "Mégsem", [](ProgramTexts&) { return hungarian(0); }},
    {"LanguageWarning", "Figyelmeztetés", [](ProgramTexts&) { return hungarian(1); }},
    {"LanguageError", "Hiba", [](ProgramTexts&) { return hungarian(2); }},
    {"LanguageInformation", "Információ", [](ProgramTexts&) { return hungarian(3); }},
    {"LanguageConfirmation", "Megerősítés", [](ProgramTexts&) { return hungarian(4); }},
    {"LanguageYes", "Igen", [](ProgramTexts&) { return hungarian(6); }},
    {"LanguageNo", "Nem", [](ProgramTexts&) { return hungarian(7); }},
    {"LanguageOk", "OK", [](ProgramTexts&) { return hungarian(8); }},
    {"LanguageCancel", "Mégsem", [](ProgramTexts&) { return hungarian(9); }},
    {"LanguageAbort", "Megszakít", [](ProgramTexts&) { return hungarian(10); }},
    {"LanguageRetry", "Újra", [](ProgramTexts&) { return hungarian(11); }},
    {"LanguageIgnore", "Kihagy", [](ProgramTexts&) { return hungarian(12); }},
    {"LanguageAll", "Mind", [](ProgramTexts&) { return hungarian(13); }},
    {"LanguageNoToAll", "Mindre nem", [](ProgramTexts&) { return hungarian(14); }},
    {"LanguageYesToAll", "Mindre igen", [](ProgramTexts&) { return hungarian(15); }},
    {"LanguageHelp", "Súgó", [](ProgramTexts&) { return hungarian(16); }},

    // The certificate's printed texts, from the template loaded at start-up.
    {"PageTitle", "MUNKÁLTATÓI IGAZOLÁS", [](ProgramTexts& p) { return p.templateLine("Memo1", 0); }},
    {"FilingNumber", "Iktatószám:", [](ProgramTexts& p) { return p.templateLine("Memo2", 0); }},
    {"StampPlace1", "illetékbélyeg", [](ProgramTexts& p) { return p.templateLine("Memo46", 0); }},
    {"StampPlace2", "helye", [](ProgramTexts& p) { return p.templateLine("Memo46", 1); }},
    {"FormNumber", "Nyomtatvány száma:", [](ProgramTexts& p) { return p.templateLine("Memo30", 0); }},
    {"PageFormCode", "RQ0612", [](ProgramTexts& p) { return p.templateLine("Memo64", 0); }},
    {"Issuer", "Ezüstliget Város Önkormányzata nyomtatványa", [](ProgramTexts& p) { return p.templateLine("Memo66", 0); }},
    {"FooterDate", "[datum]", [](ProgramTexts& p) { return p.templateLine("Memo65", 0); }},
    {"FooterFormNumber", "Nyomtatvány száma:", [](ProgramTexts& p) { return p.templateLine("Memo174", 0); }},
    {"FooterFormCode", "RQ0612", [](ProgramTexts& p) { return p.templateLine("Memo175", 0); }},
    {"FooterPage", "Oldal: 1/1", [](ProgramTexts& p) { return p.templateLine("Memo176", 0); }},
    {"FooterIdentifier", "([azon])", [](ProgramTexts& p) { return p.templateLine("Memo177", 0); }},
    {"Place", "Kelt: Ezüstliget,", [](ProgramTexts& p) { return p.templateLine("Memo7", 0); }},
    {"Date", "[datum]", [](ProgramTexts& p) { return p.templateLine("Memo8", 0); }},
    {"Signature", "aláírás", [](ProgramTexts& p) { return p.templateLine("Memo14", 0); }},
    {"Stamp", "ph.", [](ProgramTexts& p) { return p.templateLine("Memo15", 0); }},
    {"BodyEmployer", "<u><b>[m1]</b></u>", [](ProgramTexts& p) { return p.templateLine("Memo3", 0); }},
    {"BodyAddress", "<u><b>[m2]</b></u>", [](ProgramTexts& p) { return p.templateLine("Memo3", 1); }},
    {"BodyStatement", "Alulírott munkáltató igazolom, hogy <b>[m3]</b> [m13], <b>[m9]</b> szám alatti lakos <b>[m5]</b> óta áll alkalmazásunkban <b>[m4]</b> beosztásban.",
     [](ProgramTexts& p) { return p.templateLine("Memo3", 3); }},
    {"BodyIncome", "Nevezett  utolsó havi nettó jövedelme (családi pótlék nélkül):  <b>[m7]</b> Ft.",
     [](ProgramTexts& p) { return p.templateLine("Memo3", 5); }},
    {"BodyAllowance", "A családi pótlék összege: <b>[m8]</b> Ft.", [](ProgramTexts& p) { return p.templateLine("Memo3", 6); }},

    // Failures that reach the top-level box, their arguments left as "%s".
    {"CannotCreateFile", "Cannot create file \"%s\". %s", [](ProgramTexts&) {
         return ProgramTexts::failure([] { base::raiseCannotCreateFile("%s", "%s"); }); }},
    {"CannotOpenFile", "Cannot open file \"%s\". %s", [](ProgramTexts&) {
         return ProgramTexts::failure([] { base::raiseCannotOpenFile("%s", "%s"); }); }},
    {"NotAnInteger", "'%s' is not a valid integer value", [](ProgramTexts&) {
         return ProgramTexts::failure([] { base::strToInt("%s"); }); }},
    {"NotANumber", "'%s' is not a valid floating point value", [](ProgramTexts&) {
         return ProgramTexts::failure([] { base::strToFloat("%s"); }); }},
    {"InvalidBase64", "Invalid Base64 Character", [](ProgramTexts&) {
         return ProgramTexts::failure([] { crypto::TLbRijndael().DecipherText("#"); }); }},
    {"InvalidFileFormat", "Invalid file format", [](ProgramTexts&) {
         return ProgramTexts::failure([] { crypto::TLbRijndael().DecipherText("QUJD"); }); }},

    // The preview window on the certificate.
    {"PreviewCaption", "Preview", [](ProgramTexts& p) { return p.preview()->windowTitle(); }},
    {"PrintHint", "Print", [](ProgramTexts& p) { return p.preview()->PrintB->toolTip(); }},
    {"WholePageHint", "Whole Page", [](ProgramTexts& p) { return p.preview()->ZoomWholePageB->toolTip(); }},
    {"PageWidthHint", "Page Width", [](ProgramTexts& p) { return p.preview()->ZoomPageWidthB->toolTip(); }},
    {"Zoom100Hint", "100%", [](ProgramTexts& p) { return p.preview()->Zoom100B->toolTip(); }},
    {"TwoPagesHint", "Two Pages", [](ProgramTexts& p) { return p.preview()->Zoom50B->toolTip(); }},
    {"ZoomHint", "Zoom", [](ProgramTexts& p) { return p.preview()->ZoomCB->toolTip(); }},
    {"CloseButton", "Close", [](ProgramTexts& p) { return p.preview()->CancelB->text(); }},
    {"Zoom25", "25%", [](ProgramTexts& p) { return p.preview()->ZoomCB->itemText(0); }},
    {"Zoom50", "50%", [](ProgramTexts& p) { return p.preview()->ZoomCB->itemText(1); }},
    {"Zoom75", "75%", [](ProgramTexts& p) { return p.preview()->ZoomCB->itemText(2); }},
    {"Zoom100", "100%", [](ProgramTexts& p) { return p.preview()->ZoomCB->itemText(3); }},
    {"Zoom150", "150%", [](ProgramTexts& p) { return p.preview()->ZoomCB->itemText(4); }},
    {"Zoom200", "200%", [](ProgramTexts& p) { return p.preview()->ZoomCB->itemText(5); }},
    {"ZoomPageWidth", "Page width", [](ProgramTexts& p) { return p.preview()->ZoomCB->itemText(6); }},
    {"ZoomWholePage", "Whole page", [](ProgramTexts& p) { return p.preview()->ZoomCB->itemText(7); }},
    {"PagePanelBeforeAttach", "Page 1 of 1000", [](ProgramTexts&) { return TfrxPreviewForm().PagePanel->text(); }},
    {"PagePanel", "Page 1 of 1", [](ProgramTexts& p) { return p.preview()->PagePanel->text(); }},
    {"ProgressCancel", "Cancel", [](ProgramTexts& p) { return p.preview()->Preview->ProgressCancel().text(); }},
    {"PrintingPage", "Printing page 2", [](ProgramTexts& p) {
         auto preview = p.preview();
         preview->Preview->PreviewPages()->OnPrintingPage(2);
         return preview->Preview->ProgressLabel().text();
     }},
    {"NoPrinters", "Error: No printers installed in your system", [](ProgramTexts& p) {
         auto preview = p.preview();
         preview->HasPrinters = [] { return false; };
         QString shown;
         rq::testing::onModal([&](QWidget* modal) {
             auto* box = qobject_cast<QMessageBox*>(modal);
             shown = box->windowTitle() + QStringLiteral(": ") + box->text();
             box->button(QMessageBox::Ok)->click();
         });
         preview->PrintB->click();
         return shown;
     }},

    // The find dialog.
    {"FindCaption", "Find Text", [](ProgramTexts&) { return report::preview::qt::TfrxSearchDialog().windowTitle(); }},
    {"TextToFind", "Text to find:", [](ProgramTexts&) { return report::preview::qt::TfrxSearchDialog().findChild<QLabel*>()->text(); }},
    {"SearchOptions", "Search options   ", [](ProgramTexts&) { return report::preview::qt::TfrxSearchDialog().findChild<QGroupBox*>()->title(); }},
    {"SearchFromBegin", "Search from begin", [](ProgramTexts&) { return report::preview::qt::TfrxSearchDialog().TopCB->text(); }},
    {"CaseSensitive", "Case sensitive", [](ProgramTexts&) { return report::preview::qt::TfrxSearchDialog().CaseCB->text(); }},
    {"FindOk", "OK", [](ProgramTexts&) { return report::preview::qt::TfrxSearchDialog().findChild<QPushButton*>(QStringLiteral("OkB"))->text(); }},
    {"FindCancel", "Cancel", [](ProgramTexts&) { return report::preview::qt::TfrxSearchDialog().findChild<QPushButton*>(QStringLiteral("CancelB"))->text(); }},
};
// clang-format on

// The print dialog's captions, by control.
struct PrintDialogText {
    const char* name;
    const char* text;
    QString (*shown)(const report::printing::qt::TfrxPrintDialog&);
};

void PrintTo(const PrintDialogText& row, std::ostream* out) {
    *out << row.name;
}

using Dialog = report::printing::qt::TfrxPrintDialog;

// clang-format off
const PrintDialogText kPrintDialogTexts[] = {
    {"Caption", "Print", [](const Dialog& d) { return d.windowTitle(); }},
    {"Printer", "Printer   ", [](const Dialog& d) { return d.Label12->title(); }},
    {"Properties", "Properties...", [](const Dialog& d) { return d.PropButton->text(); }},
    {"Type", "Type:", [](const Dialog& d) { return d.TypeL->text(); }},
    {"Where", "Where:", [](const Dialog& d) { return d.WhereL->text(); }},
    {"PrintToFile", "Print to file", [](const Dialog& d) { return d.FileCB->text(); }},
    {"ReversePages", "Reverse pages", [](const Dialog& d) { return d.ReverseCB->text(); }},
    {"Pages", "Pages   ", [](const Dialog& d) { return d.Label1->title(); }},
    {"All", "All", [](const Dialog& d) { return d.AllRB->text(); }},
    {"CurrentPage", "Current page", [](const Dialog& d) { return d.CurPageRB->text(); }},
    {"PageNumbers", "Pages:", [](const Dialog& d) { return d.PageNumbersRB->text(); }},
    {"PageNumbersHelp", "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12",
     [](const Dialog& d) { return d.DescrL->text(); }},
    {"Copies", "Copies   ", [](const Dialog& d) { return d.Label2->title(); }},
    {"NumberOfCopies", "Number of copies", [](const Dialog& d) { return d.CopiesL->text(); }},
    {"Collate", "Collate", [](const Dialog& d) { return d.CollateL->text(); }},
    {"PrintWhich", "Print", [](const Dialog& d) { return d.PrintL->text(); }},
    {"AllPages", "All pages", [](const Dialog& d) { return d.PrintPagesCB->itemText(0); }},
    {"OddPages", "Odd pages", [](const Dialog& d) { return d.PrintPagesCB->itemText(1); }},
    {"EvenPages", "Even pages", [](const Dialog& d) { return d.PrintPagesCB->itemText(2); }},
    {"Ok", "OK", [](const Dialog& d) { return d.OkB->text(); }},
    {"Cancel", "Cancel", [](const Dialog& d) { return d.CancelB->text(); }},
    {"FileDialogCaption", "Print To File", [](const Dialog& d) { return d.FileDlg->windowTitle(); }},
};
// clang-format on

TEST_P(QuotedTexts, ProgramShowsTheTextExactly) {
    EXPECT_EQ(GetParam().shown(*this).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(QuotedTexts, QuotedTexts, ::testing::ValuesIn(kQuotedTexts),
                         [](const auto& info) { return std::string(info.param.name); });

class PrintDialogTexts : public ::testing::TestWithParam<PrintDialogText> {};

TEST_P(PrintDialogTexts, DialogShowsTheTextExactly) {
    report::printing::TfrxPrinters printers({});
    const Dialog dialog(printers);
    EXPECT_EQ(GetParam().shown(dialog).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(QuotedTexts, PrintDialogTexts, ::testing::ValuesIn(kPrintDialogTexts),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::app::testing
