// The save and load commands over stand-in fields, user and files, with the
// real cipher: the saved plaintext, round trips, and every failure path.
#include "certificate/saved_form.h"

#include "base/exceptions.h"
#include "crypto/aes.h"
#include "crypto/base64.h"
#include "crypto/cipher_exception.h"
#include "crypto/lb_rijndael.h"
#include "crypto/passphrase_digest.h"
#include "saved_form_doubles.h"

#include <gtest/gtest.h>

#include <memory>

namespace rq::certificate {
namespace {

using rq::base::utf8ToCp1250;
using namespace rq::certificate::testing;

const std::string kDir = "/prog/";
const std::string kPath = "/prog/RQ0612.txt";

// The envelope made without the cipher component: digest key, AES blocks and
// the closing block laid out here, Base64 of the lot.
std::string independentEnvelope(std::string_view plaintext, std::string_view passPhrase) {
    const auto digest = rq::crypto::PassphraseDigest(passPhrase, 16);
    const rq::crypto::AesContext aes(digest, true);
    rq::crypto::Bytes data(plaintext.begin(), plaintext.end());
    const std::size_t whole = data.size() / 16 * 16;
    const auto rest = static_cast<std::uint8_t>(data.size() - whole);
    data.resize(whole + 16, 0);
    data.back() = rest;
    for (std::size_t i = 0; i < data.size(); i += 16)
        aes.processBlock(&data[i]);
    return rq::crypto::base64Encode(data);
}

std::string decipher(std::string_view envelope, std::string_view passPhrase) {
    rq::crypto::TLbRijndael cipher;
    cipher.KeyFromPassphrase(passPhrase);
    return cipher.DecipherText(envelope);
}

// The main window's fields in ownership order, with a panel and a label
// among them as the real list has.
class SavedForm : public ::testing::Test {
protected:
    SavedForm() {
        for (auto* c :
             std::initializer_list<FormComponent*>{&panel, &label, &edit1, &edit2, &edit3, &edit4,
                                                   &edit5, &num1, &edit6, &num2, &edit7})
            components.Add(*c);
    }

    SavedFormContext context() { return {components, gather, file, cipher, user, files, kDir}; }
    void save(AnsiString pass) {
        user.answers.push_back(std::move(pass));
        auto ctx = context();
        saveForm(ctx);
    }
    void load(AnsiString pass) {
        user.answers.push_back(std::move(pass));
        auto ctx = context();
        loadForm(ctx);
    }
    std::vector<AnsiString> values() const {
        std::vector<AnsiString> all;
        for (const FakeText* f :
             {&edit1, &edit2, &edit3, &edit4, &edit5, &num1, &edit6, &num2, &edit7})
            all.push_back(f->Text());
        return all;
    }

    FakeComponent panel{"Panel1", {"TPanel"}};
    FakeComponent label{"Label3", {"TLabel"}};
    FakeText edit1{"Edit1", {"TEdit"}, "-"};
    FakeText edit2{"Edit2", {"TEdit"}, "-"};
    FakeText edit3{"Edit3", {"TEdit"}};
    FakeText edit4{"Edit4", {"TEdit"}, utf8ToCp1250("könyvelő")};
    FakeText edit5{"Edit5", {"TEdit"}, "2001"};
    FakeText num1{"PBNumEdit1", {"TPBNumEdit"}, "0"};
    FakeText edit6{"Edit6", {"TEdit"}};
    FakeText num2{"PBNumEdit2", {"TPBNumEdit"}, "0"};
    FakeText edit7{"Edit7", {"TEdit"}};

    FormComponentList components;
    LineBuffer gather;
    LineBuffer file;
    rq::crypto::TLbRijndael cipher;
    ScriptedUser user;
    MemoryFileSystem files;
};

TEST_F(SavedForm, SaveEnciphersTheFieldLinesBehindTheMarker) {
    save("titok");
    ASSERT_EQ(files.files.count(kPath), 1u);
    const std::string& envelope = files.files[kPath];
    EXPECT_EQ(envelope.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(decipher(envelope, "titok"), utf8ToCp1250("vízimalom\r\n"
                                                        "Edit1_-\r\n"
                                                        "Edit2_-\r\n"
                                                        "Edit4_könyvelő\r\n"
                                                        "Edit5_2001\r\n"
                                                        "PBNumEdit1_0\r\n"
                                                        "PBNumEdit2_0\r\n"));
    EXPECT_EQ(files.files.size(), 1u); // no temporary file left behind
    EXPECT_EQ(files.unlockedSteps, 0); // written and renamed under the replacement lock
    EXPECT_FALSE(files.locked);
    EXPECT_EQ(user.events, std::vector<std::string>{"ask:" + utf8ToCp1250("Kérek egy jelszót!")});
    EXPECT_EQ(file.Text(), envelope + "\r\n"); // the file buffer holds the envelope
}

TEST_F(SavedForm, LoadRestoresSavedFieldsAndKeepsTheOthers) {
    edit3.SetText("a_b_c");
    edit6.SetText("x$y$");
    save("titok");
    for (FakeText* f : {&edit1, &edit3, &edit4, &edit6, &edit7})
        f->SetText("changed");
    load("titok");
    EXPECT_EQ(values(), (std::vector<AnsiString>{"-", "-", "a_b_c", utf8ToCp1250("könyvelő"),
                                                 "2001", "0", "xy", "0", "changed"}));
    EXPECT_EQ(user.events.back(), "ask:" + utf8ToCp1250("Jelszóellenőrzés"));
}

TEST_F(SavedForm, WrongPassPhraseChangesNoField) {
    save("first");
    save("second"); // replaces the first file
    edit1.SetText("kept");
    const auto before = values();
    load("first");
    EXPECT_EQ(values(), before);
    EXPECT_EQ(user.events.back(), "show:" + utf8ToCp1250("Hibás jelszó!           ."));
    load("second");
    EXPECT_EQ(edit1.Text(), "-");
}

TEST_F(SavedForm, MissingFileIsReportedAfterThePrompt) {
    load("any");
    EXPECT_EQ(user.events,
              (std::vector<std::string>{"ask:" + utf8ToCp1250("Jelszóellenőrzés"),
                                        "show:" + utf8ToCp1250("Nincs mentés!           .")}));
}

TEST_F(SavedForm, CancelledOrEmptyPassPhraseOnSavingWritesNothing) {
    save("");
    EXPECT_EQ(files.operations, 0);
    EXPECT_TRUE(files.files.empty());
    EXPECT_EQ(user.events.size(), 1u); // the prompt only, no message
}

TEST_F(SavedForm, EmptyPassPhraseOnLoadingIsUsedAsAKey) {
    files.files[kPath] = independentEnvelope("v\xEDzimalom\r\nEdit3_empty key\r\n", "");
    load("");
    EXPECT_EQ(edit3.Text(), "empty key");
}

TEST_F(SavedForm, IndependentlyEncipheredFileLoadsIntoTheFields) {
    const std::string plaintext = utf8ToCp1250("vízimalom\r\n"
                                               "Edit1_Ezüstliget Kft.\r\n"
                                               "Edit3_Kovács_Anna\r\n"
                                               "PBNumEdit1_123 456\r\n"
                                               "Edit7_Fő utca 1.\r\n");
    files.files[kPath] = independentEnvelope(plaintext, utf8ToCp1250("jelszó"));
    load(utf8ToCp1250("jelszó"));
    EXPECT_EQ(values(),
              (std::vector<AnsiString>{utf8ToCp1250("Ezüstliget Kft."), "-",
                                       utf8ToCp1250("Kovács_Anna"), utf8ToCp1250("könyvelő"),
                                       "2001", "123 456", "", "0", utf8ToCp1250("Fő utca 1.")}));
    EXPECT_EQ(user.events.size(), 1u);
}

TEST_F(SavedForm, SavedFileMatchesTheIndependentEnvelope) {
    save("titok");
    EXPECT_EQ(files.files[kPath],
              independentEnvelope(decipher(files.files[kPath], "titok"), "titok"));
}

struct WriteFailure {
    const char* name;
    MemoryFileSystem::Step step;
};

class SaveFailure : public SavedForm, public ::testing::WithParamInterface<WriteFailure> {};

TEST_P(SaveFailure, KeepsThePreviousFileAndReportsTheSystemReason) {
    save("old");
    const std::string previous = files.files[kPath];
    edit1.SetText("new");
    files.failAt = GetParam().step;
    try {
        save("new");
        FAIL() << "no failure";
    } catch (const rq::base::EFCreateError& e) {
        EXPECT_STREQ(e.what(), "Cannot create file \"/prog/RQ0612.txt\". Disk full");
    }
    EXPECT_EQ(files.files, (std::map<std::string, std::string>{{kPath, previous}}));
    EXPECT_EQ(decipher(file.Text().substr(0, file.Text().size() - 2), "new").substr(0, 22),
              "v\xEDzimalom\r\nEdit1_new\r\n");
}

INSTANTIATE_TEST_SUITE_P(Steps, SaveFailure,
                         ::testing::Values(WriteFailure{"Create", MemoryFileSystem::Step::Create},
                                           WriteFailure{"Write", MemoryFileSystem::Step::Write},
                                           WriteFailure{"Flush", MemoryFileSystem::Step::Flush},
                                           WriteFailure{"Close", MemoryFileSystem::Step::Close},
                                           WriteFailure{"Rename", MemoryFileSystem::Step::Rename}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LoadFailure {
    const char* name;
    std::string content; // file content; empty with failRead: unreadable
    bool failRead;
    const char* message;
};

class LoadFailures : public SavedForm, public ::testing::WithParamInterface<LoadFailure> {};

TEST_P(LoadFailures, RaiseTheirMessageAndChangeNoField) {
    const auto& c = GetParam();
    files.files[kPath] = c.content;
    if (c.failRead)
        files.failAt = MemoryFileSystem::Step::Read;
    const auto before = values();
    try {
        load("titok");
        FAIL() << "no failure";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(values(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadFailures,
    ::testing::Values(LoadFailure{"Unreadable", "", true,
                                  "Cannot open file \"/prog/RQ0612.txt\". Disk full"},
                      LoadFailure{"NotBase64", "AAAA AAAA", false, "Invalid Base64 Character"},
                      LoadFailure{"TwoLines", "AAAAAAAAAAAAAAAAAAAAAA==\r\nAAAA", false,
                                  "Invalid Base64 Character"},
                      LoadFailure{"ShortEnvelope", "AAAA", false, "Invalid file format"},
                      LoadFailure{"EmptyFile", "", false, "Invalid file format"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file cut anywhere (the 100, 64 and 44 characters among them) is
// refused with the cipher's message for a damaged file and changes no field:
// lengths that are not whole Base64 groups or cipher blocks, a closing block
// that encryption cannot have written, a last line without its line break.
TEST_F(SavedForm, CutFileIsRefusedAndChangesNoField) {
    save("titok");
    const std::string envelope = files.files[kPath];
    ASSERT_GT(envelope.size(), 100u);
    for (FakeText* f : {&edit1, &edit4, &edit5, &num1})
        f->SetText("changed");
    const auto before = values();
    for (std::size_t length = 0; length < envelope.size(); ++length) {
        files.files[kPath] = envelope.substr(0, length);
        user.events.clear();
        try {
            load("titok");
            ADD_FAILURE() << "loaded when cut to " << length;
        } catch (const rq::base::Exception& e) {
            EXPECT_STREQ(e.what(), "Invalid file format") << "cut to " << length;
        }
        EXPECT_EQ(values(), before) << "cut to " << length;
        EXPECT_EQ(user.events.size(), 1u) << "cut to " << length; // the prompt, no message
    }
}

TEST_F(SavedForm, PaddingInsideTheEnvelopeIsDamage) {
    save("titok");
    std::string envelope = files.files[kPath];
    envelope.replace(8, 4, "AA==");
    files.files[kPath] = envelope;
    EXPECT_THROW(load("titok"), rq::crypto::ECipherException);
}

TEST_F(SavedForm, UnknownNamesAndAnEmptyFormChangeNothing) {
    const auto before = values();
    files.files[kPath] = independentEnvelope("v\xEDzimalom\r\n", "k");
    load("k");
    EXPECT_EQ(values(), before);
    EXPECT_EQ(user.events.size(), 1u);

    // The first line after the marker is never a continuation; an unknown
    // name changes nothing and the load goes on with the current name kept.
    files.files[kPath] = independentEnvelope("v\xEDzimalom\r\nnoUnderscore\r\nEdit3_a\r\n"
                                             "Nobody_x\r\n$Edit7_b\r\n",
                                             "k");
    load("k");
    EXPECT_EQ(edit3.Text(), "a");
    EXPECT_EQ(edit7.Text(), "b");
}

TEST_F(SavedForm, MultiLineTextComesBackAsItsLastPiece) {
    edit3.SetText("first\r\nsecond");
    save("k");
    EXPECT_EQ(decipher(files.files[kPath], "k").find("Edit3_first\r\n$Edit3_second\r\n") !=
                  std::string::npos,
              true);
    edit3.SetText("");
    load("k");
    EXPECT_EQ(edit3.Text(), "second");
}

TEST_F(SavedForm, FileEndingInOneLineBreakStillLoads) {
    files.files[kPath] = independentEnvelope("v\xEDzimalom\r\nEdit3_z\r\n", "k") + "\r\n";
    load("k");
    EXPECT_EQ(edit3.Text(), "z");
}

} // namespace
} // namespace rq::certificate
