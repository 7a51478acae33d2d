// The save and load commands of the filled form: the fields are gathered into
// lines, enciphered under a pass phrase and kept in "RQ0612.txt" in the
// program's directory; loading deciphers the file, checks its marker line and
// refills the fields by component name.
#pragma once

#include "certificate/file_system.h"
#include "certificate/form_component.h"
#include "certificate/line_buffer.h"

#include <string>

namespace rq::crypto {
class TLbRijndael;
}

namespace rq::certificate {

inline constexpr std::string_view kSavedFormFileName = "RQ0612.txt";
inline constexpr std::string_view kMarkerLine = "v\xEDzimalom";
inline constexpr std::string_view kNoSaveMessage = "Nincs ment\xE9s!           .";
inline constexpr std::string_view kWrongPassMessage = "Hib\xE1s jelsz\xF3!           .";
// The pass-phrase prompts of saving and loading: caption and prompt.
inline constexpr std::string_view kSaveCaption = "K\xE9rek egy jelsz\xF3t!";
inline constexpr std::string_view kSavePrompt = "A jelsz\xF3 a k\xE9s\xF5"
                                                "bbi visszat\xF6lt\xE9sn\xE9l kell majd:";
inline constexpr std::string_view kLoadCaption = "Jelsz\xF3"
                                                 "ellen\xF5rz\xE9s";
inline constexpr std::string_view kLoadPrompt = "K\xE9rem a jelsz\xF3t";

// The person at the keyboard: the pass-phrase prompt and the message box.
class SavedFormUser {
public:
    virtual ~SavedFormUser() = default;
    // Asks with an empty default; a cancelled prompt answers the empty text.
    virtual AnsiString AskPassphrase(const AnsiString& caption, const AnsiString& prompt) = 0;
    virtual void ShowMessage(const AnsiString& text) = 0;
};

struct SavedFormContext {
    const FormComponentList& components; // the main window's, in ownership order
    LineBuffer& gather;                  // collects one line per field
    LineBuffer& file;                    // plaintext, then envelope text
    rq::crypto::TLbRijndael& cipher;
    SavedFormUser& user;
    FileSystem& files;
    std::string directory; // the program's directory, with its trailing separator
};

std::string savedFormPath(const SavedFormContext& context);

// Text typed at the program's edges (UTF-8) as the program's 8-bit text.
// Nothing typed may change silently, so a character that Windows-1250 lacks
// is refused with a Hungarian message naming it as a code point: in a pass
// phrase it would become "?" before the key is made (and open the files of
// other such pass phrases), in a field the file would keep "?".
AnsiString passPhraseFromUtf8(std::string_view utf8);
AnsiString fieldTextFromUtf8(const AnsiString& fieldName, std::string_view utf8);

// Saving: a cancelled or empty pass phrase writes nothing; a file that cannot
// be written raises EFCreateError and leaves the previous file as it was.
void saveForm(SavedFormContext& context);

// Loading: a missing file and a wrong pass phrase are reported to the user;
// unreadable or malformed files raise the failure. No field changes unless
// the whole file deciphered and its first line is the marker.
void loadForm(SavedFormContext& context);

// The steps on their own, for tests: the gather and filter steps of saving
// (file buffer := marker and field lines) and the refill step of loading
// (from the second line of the file buffer on).
void gatherFields(SavedFormContext& context);
void refillFields(SavedFormContext& context);

} // namespace rq::certificate
