// The saved-form algorithms. Both commands work through the two line buffers
// of the buffer window: the gather buffer receives a line per field kind, the
// file buffer the filtered lines behind the marker and then the envelope.
#include "certificate/saved_form.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "certificate/field_kinds.h"
#include "crypto/cipher_exception.h"
#include "crypto/lb_rijndael.h"

namespace rq::certificate {
namespace {

using rq::base::copy1;
using rq::base::pos1;

constexpr std::ptrdiff_t kRest = 0x7FFFFFFF;

AnsiString nameOf(const AnsiString& line, std::size_t underscore) {
    return copy1(line, 1, static_cast<std::ptrdiff_t>(underscore) - 1);
}

AnsiString valueOf(const AnsiString& line, std::size_t underscore) {
    return copy1(line, static_cast<std::ptrdiff_t>(underscore) + 1, kRest);
}

// Keeps field lines with a value and turns lines without an underscore into
// continuation lines of the field named last.
void filterGathered(const LineBuffer& gather, LineBuffer& file) {
    AnsiString current;
    for (int i = 0; i < gather.Count(); ++i) {
        const AnsiString& line = gather.Line(i);
        const auto underscore = pos1("_", line);
        if (underscore != 0) {
            if (!valueOf(line, underscore).empty()) {
                file.Add(line);
                current = nameOf(line, underscore);
            }
        } else if (!line.empty()) {
            file.Add("$" + current + "_" + line);
        }
    }
}

// The buffer's text as its edit control holds it: the lines joined by CR LF,
// without a break after the last one. The envelope travels this way, so a
// file that ends in one line break still loads.
AnsiString controlText(const LineBuffer& buffer) {
    AnsiString text = buffer.Text();
    if (text.ends_with("\r\n"))
        text.resize(text.size() - 2);
    return text;
}

AnsiString withoutDollars(const AnsiString& line) {
    AnsiString result;
    for (char c : line)
        if (c != '$')
            result += c;
    return result;
}

} // namespace

namespace {

// "... olyan karakter van, amelyet ..." followed by the code points.
const AnsiString kPassphraseRefused = "A jelsz\xF3"
                                      "ban olyan karakter van, amelyet a program nem tud kezelni: ";
const AnsiString kFieldRefusedBefore = "Az \xFBrlap mez\xF5j\xE9"
                                       "ben (";
const AnsiString kFieldRefusedAfter =
    ") olyan karakter van, amelyet a ment\xE9s nem tud t\xE1rolni: ";

} // namespace

AnsiString passPhraseFromUtf8(std::string_view utf8) {
    const std::u32string outside = rq::base::charactersOutside1250(utf8);
    if (!outside.empty())
        throw rq::base::Exception(kPassphraseRefused + rq::base::codePointNames(outside));
    return rq::base::utf8ToCp1250(utf8);
}

AnsiString fieldTextFromUtf8(const AnsiString& fieldName, std::string_view utf8) {
    const std::u32string outside = rq::base::charactersOutside1250(utf8);
    if (!outside.empty())
        throw rq::base::Exception(kFieldRefusedBefore + fieldName + kFieldRefusedAfter +
                                  rq::base::codePointNames(outside));
    return rq::base::utf8ToCp1250(utf8);
}

std::string savedFormPath(const SavedFormContext& context) {
    return context.directory + std::string(kSavedFormFileName);
}

void gatherFields(SavedFormContext& context) {
    context.gather.Clear();
    context.file.Clear();
    for (const FormComponent* component : context.components.Items())
        gatherComponent(*component, context.gather);
    context.file.Add(AnsiString(kMarkerLine));
    filterGathered(context.gather, context.file);
}

void saveForm(SavedFormContext& context) {
    gatherFields(context);
    const AnsiString passPhrase =
        context.user.AskPassphrase(AnsiString(kSaveCaption), AnsiString(kSavePrompt));
    if (passPhrase.empty())
        return;
    context.cipher.KeyFromPassphrase(passPhrase);
    context.file.SetText(context.cipher.EncipherText(context.file.Text()));
    writeFileReplacing(context.files, savedFormPath(context), controlText(context.file));
}

// A line that names no component changes nothing and leaves the current name
// as it was.
void refillFields(SavedFormContext& context) {
    AnsiString current;
    for (int i = 1; i < context.file.Count(); ++i) {
        LoadedLine loaded;
        loaded.raw = context.file.Line(i);
        loaded.line = withoutDollars(loaded.raw);
        if (pos1("_", loaded.line) == 0 && i != 1)
            loaded.line = current + "_" + loaded.line;
        const auto underscore = pos1("_", loaded.line);
        const AnsiString name = underscore ? nameOf(loaded.line, underscore) : AnsiString();
        loaded.value = underscore ? valueOf(loaded.line, underscore) : loaded.line;
        FormComponent* component = context.components.FindComponent(name);
        if (!component)
            continue;
        applyLine(*component, loaded);
        current = component->Name();
    }
}

void loadForm(SavedFormContext& context) {
    const AnsiString passPhrase =
        context.user.AskPassphrase(AnsiString(kLoadCaption), AnsiString(kLoadPrompt));
    const std::string path = savedFormPath(context);
    if (!context.files.FileExists(path)) {
        context.user.ShowMessage(AnsiString(kNoSaveMessage));
        return;
    }
    context.file.SetText(readWholeFile(context.files, path));
    context.cipher.KeyFromPassphrase(passPhrase);
    bool closingValid = true;
    const AnsiString plain =
        context.cipher.DecipherStoredText(controlText(context.file), closingValid);
    context.file.SetText(plain);
    if (context.file.Count() == 0 || context.file.Line(0) != kMarkerLine) {
        context.user.ShowMessage(AnsiString(kWrongPassMessage));
        return;
    }
    // The key is right. A closing block that encryption cannot have written,
    // or a last line without its line break (the writer ends every line with
    // one), means the file was cut or damaged: none of it is applied.
    if (!closingValid || !plain.ends_with("\r\n"))
        crypto::raiseInvalidFileFormat();
    refillFields(context);
}

} // namespace rq::certificate
