// The save and load commands of the real main window: its fields, the buffer
// window, its cipher component, files in a temporary directory, and the
// pass-phrase prompt and message box either scripted or driven by keys.
#include "../support/modal_dialog.h"
#include "app/application.h"
#include "certificate/file_system.h"
#include "certificate/saved_form.h"

#include "../certificate/saved_form_doubles.h"
#include "base/exceptions.h"
#include "base/text1250.h"
#include "crypto/lb_rijndael.h"
#include "dialogs/language_table.h"
#include "widgets/window_system.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace rq::app {
namespace {

using rq::base::utf8ToCp1250;
using rq::certificate::testing::ScriptedUser;

const char* const kFieldOrder[] = {"Edit1",      "Edit2", "Edit3",      "Edit4", "Edit5",
                                   "PBNumEdit1", "Edit6", "PBNumEdit2", "Edit7"};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string decipher(const std::string& envelope, const std::string& passPhrase) {
    rq::crypto::TLbRijndael cipher;
    cipher.KeyFromPassphrase(passPhrase);
    return cipher.DecipherText(envelope);
}

class Form1SavedForm : public ::testing::Test {
protected:
    Form1SavedForm() {
        dir_ = directory.path().toStdString() + "/";
        attach(*forms);
    }
    void attach(Forms& f) {
        f.Form1().SavedForm.user = &user;
        f.Form1().SavedForm.directory = dir_;
    }
    QLineEdit* field(Forms& f, const char* name) {
        return f.Form1().FindField(QString::fromLatin1(name));
    }
    void set(const char* name, const char* utf8) {
        field(*forms, name)->setText(QString::fromUtf8(utf8));
    }
    std::vector<std::string> values(Forms& f) {
        std::vector<std::string> all;
        for (const char* name : kFieldOrder)
            all.push_back(field(f, name)->text().toStdString());
        return all;
    }
    void save(const std::string& pass) {
        user.answers.push_back(pass);
        forms->Form1().Kitltsmentse1Click();
    }
    void load(Forms& f, const std::string& pass) {
        user.answers.push_back(pass);
        f.Form1().Kitltttrlapbetltse1Click();
    }
    std::string path() const { return dir_ + "RQ0612.txt"; }

    QTemporaryDir directory;
    std::string dir_;
    ScriptedUser user;
    std::unique_ptr<Forms> forms = std::make_unique<Forms>();
};

TEST_F(Form1SavedForm, FreshFormSavesTheDefaultsAndZeroes) {
    save("k");
    EXPECT_EQ(decipher(readFile(path()), "k"),
              "v\xEDzimalom\r\nEdit1_-\r\nEdit2_-\r\nPBNumEdit1_0\r\nPBNumEdit2_0\r\n");
}

TEST_F(Form1SavedForm, ExampleFormGivesItsSevenLines) {
    set("Edit4", "könyvelő");
    set("Edit5", "2001");
    save("titok");
    const std::string envelope = readFile(path());
    EXPECT_EQ(envelope.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(decipher(envelope, "titok"), utf8ToCp1250("vízimalom\r\n"
                                                        "Edit1_-\r\n"
                                                        "Edit2_-\r\n"
                                                        "Edit4_könyvelő\r\n"
                                                        "Edit5_2001\r\n"
                                                        "PBNumEdit1_0\r\n"
                                                        "PBNumEdit2_0\r\n"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                            std::filesystem::directory_iterator()),
              1); // no temporary file left
}

TEST_F(Form1SavedForm, EveryFieldTravelsToAFreshWindow) {
    const char* const values[] = {"Ezüstliget_Kft.", "Fő tér 1.", "Kovács Anna", "könyvelő",
                                  "2001. március",   "123 456",   "Nagy",        "12 000",
                                  "Kossuth u. 2."};
    for (std::size_t i = 0; i < std::size(kFieldOrder); ++i)
        set(kFieldOrder[i], values[i]);
    save("jelszó");
    Forms fresh;
    attach(fresh);
    load(fresh, "jelszó");
    EXPECT_EQ(this->values(fresh), std::vector<std::string>(std::begin(values), std::end(values)));
}

TEST_F(Form1SavedForm, DollarSignsAreDroppedOnLoading) {
    set("Edit3", "$100 $");
    save("k");
    set("Edit3", "");
    load(*forms, "k");
    EXPECT_EQ(field(*forms, "Edit3")->text(), QStringLiteral("100 "));
}

TEST_F(Form1SavedForm, NumericFieldShowsTheStoredTextUnchanged) {
    std::ofstream(path(), std::ios::binary) << [] {
        rq::crypto::TLbRijndael cipher;
        cipher.KeyFromPassphrase("k");
        return cipher.EncipherText("v\xEDzimalom\r\nPBNumEdit1_1234567\r\n");
    }();
    load(*forms, "k");
    EXPECT_EQ(field(*forms, "PBNumEdit1")->text(), QStringLiteral("1234567"));
}

TEST_F(Form1SavedForm, WrongPassPhraseKeepsEveryField) {
    save("right");
    set("Edit1", "changed");
    const auto before = values(*forms);
    load(*forms, "wrong");
    EXPECT_EQ(values(*forms), before);
    EXPECT_EQ(user.events.back(), "show:" + utf8ToCp1250("Hibás jelszó!           ."));
}

TEST_F(Form1SavedForm, MissingFileAsksFirstThenSaysSo) {
    load(*forms, "any");
    EXPECT_EQ(user.events,
              (std::vector<std::string>{"ask:" + utf8ToCp1250("Jelszóellenőrzés"),
                                        "show:" + utf8ToCp1250("Nincs mentés!           .")}));
}

TEST_F(Form1SavedForm, CancelledPromptWritesNothing) {
    save("");
    EXPECT_FALSE(std::filesystem::exists(path()));
    EXPECT_EQ(user.events.size(), 1u);
}

// The menu item runs the command under the top-level handler, which receives
// the file failure; the previous file stays as it was. A file size limit
// below the envelope's size makes the write fail, as a full disk would.
TEST_F(Form1SavedForm, FailedWriteKeepsTheOldFile) {
    save("k");
    const std::string previous = readFile(path());
    std::string shown;
    widgets::setUnhandledErrorHandler([&shown](const std::string& message) { shown = message; });
    set("Edit1", "new");
    user.answers.push_back("k");
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{16, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    forms->Form1().Kitltsmentse1->trigger();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    widgets::setUnhandledErrorHandler(nullptr);
    EXPECT_EQ(shown, "Cannot create file \"" + path() + "\". File too large.");
    EXPECT_EQ(readFile(path()), previous);
}

TEST_F(Form1SavedForm, ReadOnlyDirectoryKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only directories";
    save("k");
    const std::string previous = readFile(path());
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_exec);
    set("Edit1", "new");
    try {
        save("k");
        ADD_FAILURE() << "no failure";
    } catch (const rq::base::EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file \"" + path() + "\". Permission denied");
    }
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    EXPECT_EQ(readFile(path()), previous);
}

using rq::testing::onModal;

// The commands with the real prompt and message box, typed into. The texts
// themselves are checked word for word in quoted_texts_test.cpp.
TEST_F(Form1SavedForm, DialogsAskAndReportInHungarian) {
    forms->Form1().SavedForm.user = nullptr;
    onModal([](QWidget* prompt) {
        EXPECT_EQ(prompt->windowTitle(), widgets::fromAnsi(certificate::kSaveCaption));
        auto* edit = prompt->findChild<QLineEdit*>(QStringLiteral("Edit"));
        QTest::keyClicks(edit, QStringLiteral("right"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    forms->Form1().Kitltsmentse1Click();
    ASSERT_TRUE(std::filesystem::exists(path()));

    QString caption, message;
    onModal([&](QWidget* prompt) {
        EXPECT_EQ(prompt->windowTitle(), widgets::fromAnsi(certificate::kLoadCaption));
        auto* edit = prompt->findChild<QLineEdit*>(QStringLiteral("Edit"));
        QTest::keyClicks(edit, QStringLiteral("wrong"));
        onModal([&](QWidget* box) {
            caption = box->windowTitle();
            message = box->findChild<QLabel*>(QStringLiteral("Message"))->text();
            box->findChild<QPushButton*>(QStringLiteral("OK"))->click();
        });
        QTest::keyClick(edit, Qt::Key_Return);
    });
    forms->Form1().Kitltttrlapbetltse1Click();
    EXPECT_EQ(caption,
              widgets::fromAnsi(dialogs::kindCaption(static_cast<int>(dialogs::Language::Hungarian),
                                                     dialogs::MsgDlgType::mtInformation)));
    EXPECT_EQ(message, widgets::fromAnsi(certificate::kWrongPassMessage));
}

// A pass phrase typed into the real prompt with characters that Windows-1250
// lacks would become "?"s: it is refused with its message, nothing is written.
TEST_F(Form1SavedForm, PassPhraseOutsideTheCodePageIsRefused) {
    forms->Form1().SavedForm.user = nullptr;
    onModal([](QWidget* prompt) {
        auto* edit = prompt->findChild<QLineEdit*>(QStringLiteral("Edit"));
        edit->setText(QString::fromUtf8("\xE5\xAF\x86\xE7\xA0\x81"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    try {
        forms->Form1().Kitltsmentse1Click();
        ADD_FAILURE() << "no failure";
    } catch (const rq::base::Exception& e) {
        EXPECT_EQ(e.what(), utf8ToCp1250("A jelszóban olyan karakter van, amelyet a program "
                                         "nem tud kezelni: U+5BC6 U+7801"));
    }
    EXPECT_FALSE(std::filesystem::exists(path()));
}

// Text put into a field past its guard (here by the program itself) that the
// file cannot hold refuses the save with the characters named.
TEST_F(Form1SavedForm, FieldTextOutsideTheCodePageRefusesTheSave) {
    save("k");
    const std::string previous = readFile(path());
    set("Edit4", "Espa\xC3\xB1"
                 "a \xF0\x9F\x98\x80");
    try {
        save("k");
        ADD_FAILURE() << "no failure";
    } catch (const rq::base::Exception& e) {
        EXPECT_EQ(e.what(), utf8ToCp1250("Az űrlap mezőjében (Edit4) olyan karakter van, amelyet "
                                         "a mentés nem tud tárolni: U+00F1 U+1F600"));
    }
    EXPECT_EQ(readFile(path()), previous);
}

// Without a directory of its own the window saves beside the program while
// that folder is writable, and in the user's data folder ($XDG_DATA_HOME/
// rq0612, created) when it is not; loading reads from the same place.
TEST(Form1SavedFormPlace, ReadOnlyProgramFolderSavesInTheUserDataFolder) {
    const std::string program = QCoreApplication::applicationDirPath().toStdString() + "/";
    const std::string dataHome = "/rq-data-home-" + std::to_string(::getpid());
    const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataHome));
    struct Case {
        const char* name;
        bool programFolderWritable;
        std::string expectedPath;
    };
    const Case cases[] = {
        {"writable program folder", true, program + "RQ0612.txt"},
        {"read-only program folder", false, dataHome + "/rq0612/RQ0612.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rq::certificate::testing::MemoryFileSystem files;
        if (!c.programFolderWritable)
            files.readOnlyDirectories.insert(program);
        ScriptedUser user;
        Forms saving;
        saving.Form1().SavedForm.user = &user;
        saving.Form1().SavedForm.files = &files;
        saving.Form1().FindField(QStringLiteral("Edit3"))->setText(QStringLiteral("Nagy Anna"));
        user.answers.push_back("k");
        saving.Form1().Kitltsmentse1Click();
        EXPECT_EQ(files.files.count(c.expectedPath), 1u);
        EXPECT_EQ(files.files.size(), 1u);
        EXPECT_EQ(files.directories.count(dataHome + "/rq0612"), c.programFolderWritable ? 0u : 1u);

        Forms loading;
        loading.Form1().SavedForm.user = &user;
        loading.Form1().SavedForm.files = &files;
        user.answers.push_back("k");
        loading.Form1().Kitltttrlapbetltse1Click();
        EXPECT_EQ(loading.Form1().FindField(QStringLiteral("Edit3"))->text(),
                  QStringLiteral("Nagy Anna"));
    }
    if (savedDataHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedDataHome);
}

} // namespace
} // namespace rq::app
