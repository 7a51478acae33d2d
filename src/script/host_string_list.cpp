// StringList: the list operations; a bad index raises "List index out of
// bounds (N)" and changing a sorted list by position "Operation not allowed on
// sorted list".
#include "script/host_string_list.h"
#include "script/file_read.h"

#include "base/letter_case.h"
#include "script/errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace rq::script {

namespace {

using rq::base::EListError;

// Put and Insert would break the order of a sorted list.
[[noreturn]] void RaiseSorted() {
    throw EListError("Operation not allowed on sorted list");
}

[[noreturn]] void RaiseIndex(int index) {
    raiseListIndexOutOfBounds(index);
}

bool NeedsQuotes(std::string_view text) {
    if (text.empty())
        return true;
    return std::any_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"';
    });
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

// One item of a comma text starting at i; i ends after it.
std::string ReadCommaItem(std::string_view text, std::size_t& i) {
    std::string item;
    if (text[i] == '"') {
        for (++i; i < text.size(); ++i) {
            if (text[i] == '"' && (i + 1 >= text.size() || text[i + 1] != '"')) {
                ++i;
                break;
            }
            if (text[i] == '"')
                ++i;
            item += text[i];
        }
        return item;
    }
    while (i < text.size() && text[i] != ',' && static_cast<unsigned char>(text[i]) > ' ')
        item += text[i++];
    return item;
}

void SkipSeparators(std::string_view text, std::size_t& i) {
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    if (i < text.size() && text[i] == ',')
        ++i;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
}

} // namespace

void StringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        RaiseIndex(index);
}

const std::string& StringList::Get(int index) const {
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)].text;
}

void StringList::Put(int index, std::string text) {
    if (sorted_)
        RaiseSorted();
    CheckIndex(index);
    items_[static_cast<std::size_t>(index)].text = std::move(text);
}

rq::base::Object* StringList::GetObject(int index) const {
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)].object;
}

void StringList::PutObject(int index, rq::base::Object* object) {
    CheckIndex(index);
    items_[static_cast<std::size_t>(index)].object = object;
}

int StringList::AddObject(std::string text, rq::base::Object* object) {
    int index = Count();
    if (sorted_ && Find(text, index)) {
        if (duplicates_ == TDuplicates::dupIgnore)
            return index;
        if (duplicates_ == TDuplicates::dupError)
            throw EListError("String list does not allow duplicates");
    }
    items_.insert(items_.begin() + index, Item{std::move(text), object});
    return index;
}

void StringList::Insert(int index, std::string text, rq::base::Object* object) {
    if (sorted_)
        RaiseSorted();
    if (index < 0 || index > Count())
        RaiseIndex(index);
    items_.insert(items_.begin() + index, Item{std::move(text), object});
}

void StringList::Delete(int index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
}

int StringList::IndexOf(std::string_view text) const {
    if (int index = 0; sorted_)
        return Find(text, index) ? index : -1;
    for (int i = 0; i < Count(); ++i)
        if (base::AnsiCompareText(items_[static_cast<std::size_t>(i)].text, text) == 0)
            return i;
    return -1;
}

int StringList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i)
        if (base::AnsiCompareText(Name(i), name) == 0 &&
            items_[static_cast<std::size_t>(i)].text.find('=') != std::string::npos)
            return i;
    return -1;
}

int StringList::IndexOfObject(const rq::base::Object* object) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<std::size_t>(i)].object == object)
            return i;
    return -1;
}

std::string StringList::Name(int index) const {
    const std::string& text = Get(index);
    const std::size_t eq = text.find('=');
    return eq == std::string::npos ? std::string() : text.substr(0, eq);
}

std::string StringList::Value(std::string_view name) const {
    const int index = IndexOfName(name);
    if (index < 0)
        return {};
    const std::string& text = items_[static_cast<std::size_t>(index)].text;
    return text.substr(text.find('=') + 1);
}

void StringList::SetValue(std::string_view name, std::string_view value) {
    const int index = IndexOfName(name);
    const std::string line = std::string(name) + "=" + std::string(value);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
    } else if (index >= 0) {
        items_[static_cast<std::size_t>(index)].text = line;
    } else {
        Add(line);
    }
}

std::string StringList::Text() const {
    std::string text;
    for (const Item& item : items_)
        text += item.text + "\r\n";
    return text;
}

void StringList::SetText(std::string_view text) {
    items_.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", i);
        items_.push_back(Item{std::string(text.substr(i, end - i)), nullptr});
        if (end == std::string_view::npos)
            break;
        i = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    if (sorted_)
        Sort();
}

std::string StringList::CommaText() const {
    std::string text;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i > 0)
            text += ',';
        text += NeedsQuotes(items_[i].text) ? Quoted(items_[i].text) : items_[i].text;
    }
    return text;
}

void StringList::SetCommaText(std::string_view text) {
    items_.clear();
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    while (i < text.size()) {
        Add(ReadCommaItem(text, i));
        SkipSeparators(text, i);
    }
}

bool StringList::Find(std::string_view text, int& index) const {
    int low = 0;
    int high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int c = base::AnsiCompareText(items_[static_cast<std::size_t>(mid)].text, text);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != TDuplicates::dupAccept)
                    low = mid;
            }
        }
    }
    index = low;
    return found;
}

void StringList::Sort() {
    std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
        return base::AnsiCompareText(a.text, b.text) < 0;
    });
}

void StringList::SetSorted(bool value) {
    if (value && !sorted_)
        Sort();
    sorted_ = value;
}

void StringList::LoadFromFile(const std::string& fileName) {
    SetText(ReadWholeFile(fileName, kMaxLoadedFileSize));
}

void StringList::SaveToFile(const std::string& fileName) const {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file)
        rq::base::raiseCannotCreateFile(fileName, std::strerror(errno));
    file << Text();
}

void StringList::Free() {
    items_.clear();
    ScriptObject::Free();
}

} // namespace rq::script
