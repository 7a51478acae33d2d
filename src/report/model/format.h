// Value records of text views: the display format of expression results
// and the conditional highlight.
#pragma once

#include "report/model/font.h"
#include "report/model/persistent.h"

#include <string>

namespace rq::report::model {

class TfrxFormat : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    const std::string& DecimalSeparator() const { return decimalSeparator_; }
    void SetDecimalSeparator(const std::string& v) { decimalSeparator_ = v; }
    const std::string& FormatStr() const { return formatStr_; }
    void SetFormatStr(const std::string& v) { formatStr_ = v; }
    TfrxFormatKind Kind() const { return kind_; }
    void SetKind(TfrxFormatKind v) { kind_ = v; }

private:
    std::string decimalSeparator_;
    std::string formatStr_;
    TfrxFormatKind kind_ = fkText;
};

class TfrxHighlight : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    const std::string& Condition() const { return condition_; }
    void SetCondition(const std::string& v) { condition_ = v; }
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& v) { font_ = v; }

private:
    bool active_ = false;
    TColor color_ = clNone;
    std::string condition_;
    TFont font_;
};

} // namespace rq::report::model
