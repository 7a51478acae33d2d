// TfsParser: the configurable tokenizer under the grammar interpreter. It
// reads one token kind per call from a 1-based position; the grammar decides
// which kind to try, and backtracking just restores Position.
#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace rq::script {

class TfsParser {
public:
    TfsParser() { Clear(); }

    // Defaults: "//" line comments, "{,}" and "(*,*)" block comments, "'"
    // strings, "$" hex numbers, identifiers of 0-9 A-Z _ a-z; no keywords.
    void Clear();
    void SetText(std::string_view text);

    // Settings as the grammar's parser element writes them.
    void SetCommentLine1(std::string value) { commentLine1_ = std::move(value); }
    void SetCommentLine2(std::string value) { commentLine2_ = std::move(value); }
    // "opener,closer"; an empty value removes the pair.
    void SetCommentBlock1(std::string_view value);
    void SetCommentBlock2(std::string_view value);
    void SetStringQuotes(std::string_view value);
    void SetHexSequence(std::string value) { hexSequence_ = std::move(value); }
    // A comma list of characters and ranges "a..z".
    void SetIdentChars(std::string_view value);
    void SetSkipEOL(bool value) { skipEOL_ = value; }
    void SetSkipChar(std::string value) { skipChar_ = std::move(value); }
    void SetSkipSpace(bool value) { skipSpace_ = value; }
    void AddKeyword(std::string_view word);

    void SkipBlanks();
    bool SkipLineEnds();
    std::string ReadIdent();
    bool IsKeyword(std::string_view word) const;
    std::string ReadWord();
    std::string ReadChar();
    std::string ReadString();
    std::string ReadNumber();
    std::string ReadBracketed();

    // "LINE:COL" of the current position, both 1-based.
    std::string PositionText() const { return PositionText(position_); }
    std::string PositionText(int position) const;

    int Position() const { return position_; }
    void SetPosition(int position) { position_ = position; }
    int TokenStart() const { return tokenStart_; }
    int Length() const { return length_; }
    const std::string& Text() const { return text_; }

private:
    struct CommentPair {
        std::string opener; // e.g. "(*"
        std::string closer; // e.g. "*)", same length as the opener
    };

    // The character at a 1-based position; NUL past the end.
    unsigned char At(int position) const {
        return position >= 1 && position <= length_ + 1
                   ? static_cast<unsigned char>(text_[static_cast<std::size_t>(position - 1)])
                   : 0;
    }
    bool LooksAt(std::string_view what) const;
    bool InIdent(unsigned char c) const { return identChars_.test(c); }
    bool SkipComment();
    bool ReadQuotedPart(std::string& out);
    bool ReadCharCode(std::string& out);
    bool ReadDigits(bool hex);

    std::string commentLine1_;          // first line-comment opener, "" = none
    std::string commentLine2_;          // second line-comment opener
    CommentPair commentBlock1_;         // block comment tried first
    CommentPair commentBlock2_;         // block comment tried second
    char stringQuote_ = '\'';           // quote character of string parts
    std::string hexSequence_;           // prefix of hexadecimal numbers
    std::bitset<256> identChars_;       // characters allowed in identifiers
    std::vector<std::string> keywords_; // upper-cased, sorted for binary search
    bool skipEOL_ = true;               // line ends count as blanks
    std::string skipChar_;              // line continuation character, "" = none
    bool skipSpace_ = true;             // token readers skip blanks first
    std::string text_;                  // the source with one NUL appended
    int position_ = 1;                  // 1-based reading position
    int tokenStart_ = 1;                // where the last token began
    int length_ = 0;                    // source length without the NUL
    std::vector<int> lineStarts_;       // 0, then the position of every LF
};

} // namespace rq::script
