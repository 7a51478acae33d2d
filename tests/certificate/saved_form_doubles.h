// Light stand-ins for the saved-form commands' surroundings: components of
// every field kind, a scripted user and an in-memory file system whose steps
// can be made to fail.
#pragma once

#include "certificate/file_system.h"
#include "certificate/form_component.h"
#include "certificate/saved_form.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace rq::certificate::testing {

// A component of a class with a list of ancestors (the class itself first).
class FakeComponent : public FormComponent {
public:
    FakeComponent(AnsiString name, std::vector<std::string> classes)
        : name_(std::move(name)), classes_(std::move(classes)) {}
    AnsiString Name() const override { return name_; }
    std::string_view ClassName() const override { return classes_.front(); }
    bool InheritsFrom(std::string_view className) const override {
        for (const auto& c : classes_)
            if (c == className)
                return true;
        return false;
    }

private:
    AnsiString name_;
    std::vector<std::string> classes_;
};

class FakeText : public FakeComponent, public TextValue {
public:
    FakeText(AnsiString name, std::vector<std::string> classes, AnsiString text = {})
        : FakeComponent(std::move(name), std::move(classes)), text_(std::move(text)) {}
    AnsiString Text() const override { return text_; }
    void SetText(const AnsiString& text) override { text_ = text; }

private:
    AnsiString text_;
};

class FakeRadioGroup : public FakeComponent, public ItemIndexValue {
public:
    FakeRadioGroup(AnsiString name, int index)
        : FakeComponent(std::move(name), {"TLMDRadioGroup"}), index_(index) {}
    int ItemIndex() const override { return index_; }
    void SetItemIndex(int index) override { index_ = index; }

private:
    int index_;
};

class FakeCheckBox : public FakeComponent, public CheckedValue {
public:
    FakeCheckBox(AnsiString name, bool checked)
        : FakeComponent(std::move(name), {"TLMDCheckBox"}), checked_(checked) {}
    bool Checked() const override { return checked_; }
    void SetChecked(bool checked) override { checked_ = checked; }

private:
    bool checked_;
};

class FakeGrid : public FakeComponent, public GridValue {
public:
    FakeGrid(AnsiString name, int cols, int rows)
        : FakeComponent(std::move(name), {"TAdvStringGrid"}), cols_(cols), rows_(rows),
          cells_(static_cast<std::size_t>(cols * rows)) {}
    int ColCount() const override { return cols_; }
    int RowCount() const override { return rows_; }
    AnsiString Cell(int col, int row) const override { return cells_.at(index(col, row)); }
    void SetCell(int col, int row, const AnsiString& text) override {
        cells_.at(index(col, row)) = text;
    }

private:
    std::size_t index(int col, int row) const {
        return static_cast<std::size_t>(row * cols_ + col);
    }
    int cols_;
    int rows_;
    std::vector<AnsiString> cells_;
};

class FakeCheckGroup : public FakeComponent, public CheckGroupValue {
public:
    FakeCheckGroup(AnsiString name, std::vector<bool> checks)
        : FakeComponent(std::move(name), {"TLMDCheckGroup"}), checks_(std::move(checks)) {}
    int ItemCount() const override { return static_cast<int>(checks_.size()); }
    bool ItemChecked(int item) const override { return checks_.at(static_cast<std::size_t>(item)); }
    void SetItemChecked(int item, bool checked) override {
        checks_.at(static_cast<std::size_t>(item)) = checked;
    }

private:
    std::vector<bool> checks_;
};

// Answers prompts from a queue (empty answer when it runs dry) and records
// what was asked and shown, in order.
class ScriptedUser : public SavedFormUser {
public:
    std::deque<AnsiString> answers;
    std::vector<std::string> events; // "ask:<caption>" and "show:<text>"

    AnsiString AskPassphrase(const AnsiString& caption, const AnsiString&) override {
        events.push_back("ask:" + caption);
        if (answers.empty())
            return {};
        AnsiString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowMessage(const AnsiString& text) override { events.push_back("show:" + text); }
};

// Files in memory. A step named in failAt fails with the reason "Disk full".
class MemoryFileSystem : public FileSystem {
    class HeldLock : public FileLock {
    public:
        explicit HeldLock(bool& locked) : locked_(locked) { locked_ = true; }
        ~HeldLock() override { locked_ = false; }

    private:
        bool& locked_;
    };

public:
    enum class Step { None, Create, Write, Flush, Close, Rename, Read };
    std::map<std::string, std::string> files;
    Step failAt = Step::None;
    int operations = 0;    // calls that touch the files
    bool locked = false;   // the replacement lock is held
    int unlockedSteps = 0; // creations and renames made without the lock

    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    std::string ReadFile(const std::string& path) override {
        ++operations;
        check(Step::Read);
        return files.at(path);
    }
    std::unique_ptr<WritableFile> CreateTemporaryFile(const std::string& path,
                                                      std::string& temporaryPath) override;
    std::unique_ptr<FileLock> LockReplacement(const std::string&) override {
        ++operations;
        return std::make_unique<HeldLock>(locked);
    }
    void RenameFile(const std::string& from, const std::string& to) override {
        ++operations;
        unlockedSteps += locked ? 0 : 1;
        check(Step::Rename);
        files[to] = files.at(from);
        files.erase(from);
    }
    void RemoveFile(const std::string& path) noexcept override { files.erase(path); }
    std::set<std::string> readOnlyDirectories;
    std::set<std::string> directories; // created ones
    bool DirectoryWritable(const std::string& path) override {
        return readOnlyDirectories.count(path) == 0;
    }
    void CreatePrivateDirectory(const std::string& path) override { directories.insert(path); }

    void check(Step step) const {
        if (failAt == step)
            throw FileError("Disk full");
    }
};

class MemoryFile : public WritableFile {
public:
    MemoryFile(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    void Write(std::string_view bytes) override {
        fs_.check(MemoryFileSystem::Step::Write);
        fs_.files[path_].append(bytes);
    }
    void Flush() override { fs_.check(MemoryFileSystem::Step::Flush); }
    void Close() override { fs_.check(MemoryFileSystem::Step::Close); }

private:
    MemoryFileSystem& fs_;
    std::string path_;
};

inline std::unique_ptr<WritableFile>
MemoryFileSystem::CreateTemporaryFile(const std::string& path, std::string& temporaryPath) {
    ++operations;
    unlockedSteps += locked ? 0 : 1;
    check(Step::Create);
    temporaryPath = path + ".tmp";
    files[temporaryPath].clear();
    return std::make_unique<MemoryFile>(*this, temporaryPath);
}

} // namespace rq::certificate::testing
