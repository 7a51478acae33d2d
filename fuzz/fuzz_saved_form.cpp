// Fuzz target of loading the saved form without a window: the file's Base64,
// cipher blocks, closing block and field lines under any pass phrase. Either
// the fields are refilled, or the load fails (a message to the user or a
// raised failure) and not one field has changed.
// Input: first byte (bit 0: the rest is the file as it stands; else the rest
// is the plaintext, enciphered here so that the field lines are reached),
// then the pass phrase up to the first NUL, then the rest.
// Run: fuzz_saved_form fuzz/corpus/saved_form
#include "../tests/certificate/saved_form_doubles.h"
#include "base/exceptions.h"
#include "certificate/saved_form.h"
#include "crypto/lb_rijndael.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace rq::certificate;
using namespace rq::certificate::testing;

// The main window's field kinds, with a panel among them.
struct Form {
    FakeComponent panel{"Panel1", {"TPanel"}};
    FakeText edit1{"Edit1", {"TEdit"}, "-"};
    FakeText num1{"PBNumEdit1", {"TPBNumEdit"}, "0"};
    FakeRadioGroup radio{"RadioGroup1", 1};
    FakeCheckBox check{"CheckBox1", true};
    FakeGrid grid{"AdvStringGrid1", 3, 2};
    FakeCheckGroup group{"CheckGroup1", {true, false, true}};
    FormComponentList components;

    Form() {
        for (FormComponent* c : std::initializer_list<FormComponent*>{&panel, &edit1, &num1, &radio,
                                                                      &check, &grid, &group})
            components.Add(*c);
    }

    std::vector<std::string> state() const {
        std::vector<std::string> all{edit1.Text(), num1.Text(), std::to_string(radio.ItemIndex()),
                                     std::to_string(check.Checked())};
        for (int row = 0; row < grid.RowCount(); ++row)
            for (int col = 0; col < grid.ColCount(); ++col)
                all.push_back(grid.Cell(col, row));
        for (int i = 0; i < group.ItemCount(); ++i)
            all.push_back(std::to_string(group.ItemChecked(i)));
        return all;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool raw = (data[0] & 1) != 0;
    const std::size_t nul = input.find('\0');
    const std::string pass = input.substr(0, nul);
    const std::string rest = nul == std::string::npos ? std::string() : input.substr(nul + 1);

    Form form;
    LineBuffer gather;
    LineBuffer file;
    rq::crypto::TLbRijndael cipher;
    ScriptedUser user;
    user.answers.push_back(pass);
    MemoryFileSystem files;
    const std::string directory = "/prog/";
    if (raw) {
        files.files[directory + "RQ0612.txt"] = rest;
    } else {
        rq::crypto::TLbRijndael maker;
        maker.KeyFromPassphrase(pass);
        files.files[directory + "RQ0612.txt"] = maker.EncipherText(rest);
    }
    const std::vector<std::string> before = form.state();
    SavedFormContext context{form.components, gather, file, cipher, user, files, directory};
    bool failed = false;
    try {
        loadForm(context);
    } catch (const std::exception&) {
        failed = true;
    }
    // A message shown after the prompt is a refused load (wrong pass phrase,
    // missing file): no field may have changed then either.
    failed = failed || user.events.size() > 1;
    if (failed && form.state() != before)
        __builtin_trap();
    return 0;
}
