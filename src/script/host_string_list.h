// TStringList as the script library's TStrings/TStringList: lines with an
// object each, optional sorting (without regard to case, by the Windows-1250
// letters) and the duplicate rule of sorted lists.
#pragma once

#include "script/host_objects.h"

#include <string>
#include <string_view>
#include <vector>

namespace rq::script {

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class StringList : public ScriptObject {
public:
    StringList() : ScriptObject("TStringList") {}

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Get(int index) const;
    void Put(int index, std::string text);
    rq::base::Object* GetObject(int index) const;
    void PutObject(int index, rq::base::Object* object);

    int Add(std::string text) { return AddObject(std::move(text), nullptr); }
    int AddObject(std::string text, rq::base::Object* object);
    void Insert(int index, std::string text, rq::base::Object* object = nullptr);
    void Delete(int index);
    void Clear() { items_.clear(); }
    int IndexOf(std::string_view text) const;
    int IndexOfName(std::string_view name) const;
    int IndexOfObject(const rq::base::Object* object) const;

    // The name part (before "=") of a line, and the value of a name.
    std::string Name(int index) const;
    std::string Value(std::string_view name) const;
    void SetValue(std::string_view name, std::string_view value);

    // Lines joined with CR LF after each; setting splits at CR LF, CR or LF.
    std::string Text() const;
    void SetText(std::string_view text);
    // Lines separated by commas, quoted when they hold blanks, commas or
    // quotes; reading also splits at blanks outside quotes.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);

    bool Find(std::string_view text, int& index) const; // sorted lists: binary search
    void Sort();
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates value) { duplicates_ = value; }

    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    void Free() override;

private:
    struct Item {
        std::string text;
        rq::base::Object* object = nullptr; // not owned
    };
    void CheckIndex(int index) const;

    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

} // namespace rq::script
