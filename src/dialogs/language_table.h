// The dialog unit's built-in language table: for each language a row of
// captions for the input dialog's cancel button, the message kinds and the
// message-box buttons. Texts are Windows-1250.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace rq::dialogs {

// Rows of the table, in their fixed order.
enum class Language {
    English,
    Russian,
    Portuguese,
    Turkish,
    German,
    Dutch,
    French,
    Greek,
    Spanish,
    Italian,
    Hungarian,
    Romanian,
};
inline constexpr std::size_t kLanguageCount = 12;

// Message kinds; the caption of kind k is entry kFirstKindEntry + k.
enum class MsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
inline constexpr std::size_t kMsgDlgTypeCount = 5;

// Message-box buttons in their fixed order; the caption of button b is entry
// kFirstButtonEntry + b.
enum class MsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
};
inline constexpr std::size_t kMsgDlgBtnCount = 11;

// Entries of a row: 0 the input dialog's cancel caption, 1-5 the kind
// captions (5, the custom kind, is empty: it uses the application title),
// 6-16 the button captions.
inline constexpr std::size_t kInputCancelEntry = 0;
inline constexpr std::size_t kFirstKindEntry = 1;
inline constexpr std::size_t kFirstButtonEntry = 6;
inline constexpr std::size_t kLanguageEntryCount = 17;
static_assert(kFirstKindEntry + kMsgDlgTypeCount == kFirstButtonEntry);
static_assert(kFirstButtonEntry + kMsgDlgBtnCount == kLanguageEntryCount);

using LanguageRow = std::array<std::string_view, kLanguageEntryCount>;

// The row of a language index; an index outside the table gives row 0, so a
// stray setting can never read past the table.
const LanguageRow& languageRow(int language);

std::string_view inputCancelCaption(int language);
std::string_view kindCaption(int language, MsgDlgType kind);
std::string_view buttonCaption(int language, MsgDlgBtn button);

} // namespace rq::dialogs
