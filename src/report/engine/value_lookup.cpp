// LookupValue and Calc: a name is tried as a data field, a system variable,
// a report variable, an aggregate, a BaseScript variable and finally on the
// host's callback; only a text none of them answers is compiled.
#include "report/engine/engine.h"

#include "base/exceptions.h"
#include "base/letter_case.h"
#include "base/text1250.h"

#include <array>
#include <string_view>

namespace rq::report::engine {
namespace {

// Positions in SystemVariableNames.
enum SystemVariable {
    svDate,
    svTime,
    svPage,
    svPageNo,
    svTotalPages,
    svTotalPagesNo,
    svLine,
    svLineNo,
    svCount
};

int systemVariableIndex(const model::TStrings& names, const std::string& name) {
    for (int i = 0; i < names.Count(); ++i)
        if (base::AnsiCompareText(names[i], name) == 0)
            return i;
    return -1;
}

constexpr std::array<std::string_view, 5> kAggregates{"SUM", "MIN", "MAX", "AVG", "COUNT"};

// SUM(...), MIN(...) and so on answer with the aggregate registered for the
// band being output; without bands there is none, so the value is Null.
bool aggregate(const std::string& name, base::Variant& value) {
    const std::size_t paren = name.find('(');
    if (paren == std::string::npos)
        return false;
    const std::string function = base::AnsiUpperCase(base::trim(name.substr(0, paren)));
    for (std::string_view known : kAggregates) {
        if (function == known) {
            value = base::Variant::null();
            return true;
        }
    }
    return false;
}

} // namespace

bool TfrxEngine::systemVariable(const std::string& name, base::Variant& value) const {
    const int index = systemVariableIndex(report_.SystemVariableNames(), name);
    if (index < 0 || index >= svCount)
        return false;
    const int curPage = store_->CurPage;
    const int first = store_->FirstPageIndex;
    switch (static_cast<SystemVariable>(index)) {
    case svDate:
        value = base::Variant::fromDate(StartDate);
        break;
    case svTime:
        value = base::Variant::fromDate(StartTime);
        break;
    case svPage:
        value = base::Variant(curPage - first + 1);
        break;
    case svPageNo:
        value = base::Variant(curPage + 1);
        break;
    case svTotalPages:
        value = base::Variant(TotalPages - first);
        break;
    case svTotalPagesNo:
        value = base::Variant(TotalPages);
        break;
    case svLine:
        value = base::Variant(RowCounter);
        break;
    case svLineNo:
        value = base::Variant(RowCounterAll);
        break;
    case svCount:
        return false;
    }
    return true;
}

bool TfrxEngine::LookupValue(const std::string& name, base::Variant& value) {
    value = base::Variant::null();
    // First come data-source fields (source."field"); this program has no
    // data source objects, so such a name never finds its source and goes
    // on with the whole name.
    if (systemVariable(name, value))
        return true;
    model::TfrxVariables& variables = report_.Variables();
    if (const int index = variables.IndexOf(name); index >= 0) {
        const base::Variant stored = variables.Items(index).Value;
        if (!stored.isString()) {
            value = stored;
            return true;
        }
        // A string variable holds an expression. One that refers to itself,
        // directly or through others, would recurse without end: while it is
        // being calculated, the variable step does not answer for it.
        const std::string key = base::AnsiUpperCase(name);
        if (evaluatingVariables_.insert(key).second) {
            struct Leave {
                std::set<std::string>& set;
                const std::string& key;
                ~Leave() { set.erase(key); }
            } leave{evaluatingVariables_, key};
            value = Calc(stored.toString());
            return true;
        }
    }
    if (aggregate(name, value))
        return true;
    if (auto* variable = dynamic_cast<script::TfsVariable*>(baseScript_.FindLocal(name))) {
        variable->Read(base::Variant(), value);
        return true;
    }
    if (report_.OnGetValue) {
        base::Variant answer;
        report_.OnGetValue(name, answer);
        if (!answer.isEmpty()) {
            value = answer;
            return true;
        }
    }
    value = base::Variant::null();
    return false;
}

base::Variant TfrxEngine::Calc(const std::string& expression) {
    base::Variant value;
    if (LookupValue(expression, value))
        return value;
    std::string error;
    value = expressionCache_->Calc(expression, error);
    if (!error.empty()) {
        if (!report_.CurrentObjectName.empty())
            error = report_.CurrentObjectName + ": " + error;
        report_.Errors().Add(error);
        throw base::Exception(error);
    }
    return value;
}

} // namespace rq::report::engine
