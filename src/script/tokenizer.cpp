// Token readers of TfsParser. Each reader either returns the token's text and
// leaves the position after it, or returns an empty string.
#include "script/tokenizer.h"

#include "base/text1250.h"

#include <algorithm>

namespace rq::script {

namespace {

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(unsigned char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

unsigned HexValue(unsigned char c) {
    if (IsDigit(c))
        return c - '0';
    return (c | 0x20u) - 'a' + 10;
}

// "!" to "/", ":" to "@", "[" to "`", "{" to "~".
bool IsPunctuation(unsigned char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
}

} // namespace

void TfsParser::Clear() {
    commentLine1_ = "//";
    commentLine2_.clear();
    SetCommentBlock1("{,}");
    SetCommentBlock2("(*,*)");
    stringQuote_ = '\'';
    hexSequence_ = "$";
    SetIdentChars("0..9,A..Z,_,a..z");
    keywords_.clear();
    skipEOL_ = true;
    skipChar_.clear();
    skipSpace_ = true;
}

namespace {

void SplitPair(std::string_view value, std::string& opener, std::string& closer) {
    const std::size_t comma = value.find(',');
    opener = comma == std::string_view::npos ? std::string() : std::string(value.substr(0, comma));
    closer = comma == std::string_view::npos ? std::string() : std::string(value.substr(comma + 1));
    if (opener.empty() || closer.empty())
        opener.clear(), closer.clear();
}

} // namespace

void TfsParser::SetCommentBlock1(std::string_view value) {
    SplitPair(value, commentBlock1_.opener, commentBlock1_.closer);
}

void TfsParser::SetCommentBlock2(std::string_view value) {
    SplitPair(value, commentBlock2_.opener, commentBlock2_.closer);
}

void TfsParser::SetStringQuotes(std::string_view value) {
    stringQuote_ = value.empty() ? '\'' : value[0];
}

void TfsParser::SetIdentChars(std::string_view value) {
    identChars_.reset();
    std::size_t i = 0;
    while (i < value.size()) {
        const std::size_t comma = value.find(',', i + 1);
        const std::string_view item =
            value.substr(i, comma == std::string_view::npos ? value.npos : comma - i);
        if (item.size() == 4 && item.substr(1, 2) == "..") {
            for (unsigned c = static_cast<unsigned char>(item[0]);
                 c <= static_cast<unsigned char>(item[3]); ++c)
                identChars_.set(c);
        } else {
            for (char c : item)
                identChars_.set(static_cast<unsigned char>(c));
        }
        if (comma == std::string_view::npos)
            break;
        i = comma + 1;
    }
}

void TfsParser::AddKeyword(std::string_view word) {
    std::string key = rq::base::upperCase(word);
    const auto at = std::lower_bound(keywords_.begin(), keywords_.end(), key);
    if (at == keywords_.end() || *at != key)
        keywords_.insert(at, std::move(key));
}

void TfsParser::SetText(std::string_view text) {
    text_.assign(text);
    text_ += '\0';
    length_ = static_cast<int>(text.size());
    position_ = 1;
    tokenStart_ = 1;
    lineStarts_.assign(1, 0);
    for (int i = 1; i <= length_; ++i) {
        if (At(i) == '\n')
            lineStarts_.push_back(i);
    }
}

bool TfsParser::LooksAt(std::string_view what) const {
    if (what.empty() || position_ < 1 || position_ + static_cast<int>(what.size()) - 1 > length_)
        return false;
    return std::string_view(text_).substr(static_cast<std::size_t>(position_ - 1), what.size()) ==
           what;
}

// One comment at the position, skipped; false when there is none.
bool TfsParser::SkipComment() {
    for (const std::string* opener : {&commentLine1_, &commentLine2_}) {
        if (LooksAt(*opener)) {
            const std::size_t lf = text_.find('\n', static_cast<std::size_t>(position_ - 1));
            position_ = lf == std::string::npos || static_cast<int>(lf) >= length_
                            ? length_ + 1
                            : static_cast<int>(lf) + 1;
            return true;
        }
    }
    for (const CommentPair* pair : {&commentBlock1_, &commentBlock2_}) {
        if (LooksAt(pair->opener)) {
            // Blocks do not nest: the first closer after the opener ends it.
            position_ += static_cast<int>(pair->closer.size());
            const std::size_t at =
                text_.find(pair->closer, static_cast<std::size_t>(position_ - 1));
            position_ = at == std::string::npos || static_cast<int>(at) >= length_
                            ? length_ + 1
                            : static_cast<int>(at + pair->closer.size()) + 1;
            return true;
        }
    }
    return false;
}

void TfsParser::SkipBlanks() {
    for (;;) {
        while (position_ <= length_) {
            const unsigned char c = At(position_);
            if (c > ' ' || (c == '\r' && !skipEOL_))
                break;
            ++position_;
        }
        if (LooksAt(skipChar_)) {
            position_ += static_cast<int>(skipChar_.size());
            while (position_ <= length_ && At(position_) <= ' ')
                ++position_;
            continue;
        }
        if (position_ < length_ && SkipComment())
            continue;
        break;
    }
    tokenStart_ = position_;
}

bool TfsParser::SkipLineEnds() {
    SkipBlanks();
    if (At(position_) != '\r' && At(position_) != '\n')
        return false;
    while (At(position_) == '\r' || At(position_) == '\n')
        ++position_;
    return true;
}

std::string TfsParser::ReadIdent() {
    if (skipSpace_)
        SkipBlanks();
    const int start = position_;
    if (InIdent(At(position_)) && !IsDigit(At(position_))) {
        while (InIdent(At(position_)))
            ++position_;
    }
    return text_.substr(static_cast<std::size_t>(start - 1),
                        static_cast<std::size_t>(position_ - start));
}

bool TfsParser::IsKeyword(std::string_view word) const {
    return std::binary_search(keywords_.begin(), keywords_.end(), rq::base::upperCase(word));
}

std::string TfsParser::ReadWord() {
    std::string word = ReadIdent();
    return IsKeyword(word) ? std::string() : word;
}

std::string TfsParser::ReadChar() {
    const unsigned char c = At(position_);
    if (position_ > length_ || !IsPunctuation(c))
        return {};
    ++position_;
    return std::string(1, static_cast<char>(c));
}

// A quoted part from the quote at the position; on a control character the
// part fails and the position returns to the quote.
bool TfsParser::ReadQuotedPart(std::string& out) {
    const int start = position_++;
    std::string part;
    for (;;) {
        const unsigned char c = At(position_);
        if (c < ' ') {
            position_ = start;
            return false;
        }
        ++position_;
        if (stringQuote_ == '"' && c == '\\') {
            const unsigned char e = At(position_);
            if (e < ' ')
                continue; // the next round fails the part
            ++position_;
            if (e == 'n') {
                part += '\n';
            } else if (e == 'r') {
                part += '\r';
            } else if (e == 'x') {
                unsigned code = 0;
                while (IsHexDigit(At(position_)))
                    code = (code * 16 + HexValue(At(position_++))) & 0xFFFF;
                part += static_cast<char>(code & 0xFF);
            } else {
                part += static_cast<char>(e);
            }
        } else if (c == static_cast<unsigned char>(stringQuote_)) {
            if (stringQuote_ == '"' || At(position_) != c)
                break;
            part += static_cast<char>(c); // a doubled quote stands for one
            ++position_;
        } else {
            part += static_cast<char>(c);
        }
    }
    out += part;
    return true;
}

bool TfsParser::ReadDigits(bool hex) {
    const int start = position_;
    while (hex ? IsHexDigit(At(position_)) : IsDigit(At(position_)))
        ++position_;
    return position_ > start;
}

// "#" and a decimal or hexadecimal character code.
bool TfsParser::ReadCharCode(std::string& out) {
    const int start = position_++;
    const bool hex =
        LooksAt(hexSequence_) && IsHexDigit(At(position_ + static_cast<int>(hexSequence_.size())));
    if (hex)
        position_ += static_cast<int>(hexSequence_.size());
    const int digits = position_;
    if (!ReadDigits(hex)) {
        position_ = start;
        return false;
    }
    // A code beyond one byte is no character of a Windows-1250 text: it is
    // not read, so the string ends before it and the grammar reports the
    // place, instead of a character of some other code.
    unsigned code = 0;
    for (int i = digits; i < position_ && code <= 0xFF; ++i)
        code = code * (hex ? 16 : 10) + HexValue(At(i));
    if (code > 0xFF) {
        position_ = start;
        return false;
    }
    out += static_cast<char>(code);
    return true;
}

std::string TfsParser::ReadString() {
    if (skipSpace_)
        SkipBlanks();
    const int tokenStart = position_;
    std::string content;
    bool any = false;
    for (;;) {
        const int before = position_;
        if (any && skipSpace_)
            SkipBlanks();
        const unsigned char c = At(position_);
        bool read = false;
        if (position_ <= length_ && c == static_cast<unsigned char>(stringQuote_))
            read = ReadQuotedPart(content);
        else if (position_ <= length_ && c == '#')
            read = ReadCharCode(content);
        if (!read) {
            position_ = before;
            break;
        }
        any = true;
    }
    tokenStart_ = tokenStart;
    return any ? "'" + content + "'" : std::string();
}

std::string TfsParser::ReadNumber() {
    if (skipSpace_)
        SkipBlanks();
    const int start = position_;
    const int hexLength = static_cast<int>(hexSequence_.size());
    if (LooksAt(hexSequence_) && IsHexDigit(At(position_ + hexLength))) {
        position_ += hexLength;
        ReadDigits(true);
    } else if (!ReadDigits(false)) {
        return {};
    }
    if (At(position_) == '.' && IsDigit(At(position_ + 1))) {
        ++position_;
        ReadDigits(false);
    }
    if (At(position_) == 'E' || At(position_) == 'e') {
        int p = position_ + 1;
        if (At(p) == '+' || At(p) == '-')
            ++p;
        if (IsDigit(At(p))) {
            position_ = p;
            ReadDigits(false);
        }
    }
    std::string number = text_.substr(static_cast<std::size_t>(start - 1),
                                      static_cast<std::size_t>(position_ - start));
    if (!hexSequence_.empty() && hexSequence_ != "$") {
        for (std::size_t at = number.find(hexSequence_); at != std::string::npos;
             at = number.find(hexSequence_, at + 1))
            number.replace(at, hexSequence_.size(), "$");
    }
    return number;
}

std::string TfsParser::ReadBracketed() {
    const int start = position_;
    int depth = 1;
    unsigned char quote = 0; // the quote of the open quoted stretch, 0 outside
    for (; position_ <= length_; ++position_) {
        const unsigned char c = At(position_);
        if (c == '\r' || c == '\n')
            break;
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '<') {
            ++depth;
        } else if (c == '>' && --depth == 0) {
            return text_.substr(static_cast<std::size_t>(start - 1),
                                static_cast<std::size_t>(position_ - start));
        }
    }
    position_ = start;
    return {};
}

std::string TfsParser::PositionText(int position) const {
    position = std::max(position, 1);
    const auto line =
        std::lower_bound(lineStarts_.begin(), lineStarts_.end(), position) - lineStarts_.begin();
    const int column = position - lineStarts_[static_cast<std::size_t>(line - 1)];
    return std::to_string(line) + ":" + std::to_string(column);
}

} // namespace rq::script
