// Designators: a chain of items, each with its argument expressions, read or
// written as one value ("a", "f(x)", "obj.Prop", "s[i]", "a[i, j]").
// Specialised forms serve the common cases without walking a chain: a plain
// variable, an index into a variable's array, an index into a variable's
// string.
#pragma once

#include "script/expression.h"
#include "script/items.h"

#include <memory>
#include <vector>

namespace rq::script {

class TfsProcVariable;
class TfsScript;

struct TfsDesignatorItem {
    TfsCustomVariable* ref = nullptr;                 // the item selected at this step
    TfsProcVariable* proc = nullptr;                  // ref when it is a script routine
    std::vector<std::unique_ptr<TfsExpression>> args; // one per parameter, defaults filled in
    // By-ref parameters: the argument's designator, written back after a call.
    std::vector<TfsDesignator*> writeBack;
    // For an item that uses files: the script the call was compiled in, whose
    // file access is asked at every call; null for other items.
    const TfsScript* fileScope = nullptr;
};

class TfsDesignator {
public:
    virtual ~TfsDesignator();
    virtual void Read(Variant& out);
    // Writes the value through the last item; read-only items ignore it.
    virtual void Write(Variant&& value);
    // The stored value when the designator is a plain variable, else null.
    virtual Variant* Slot() { return nullptr; }

    std::vector<TfsDesignatorItem> items; // at least one
    TfsTypeInfo type;                     // static type of the value
    bool readOnly = false;
    std::string pos; // "LINE:COL" of the dsgn element

protected:
    // Runs steps [0, count) and leaves the value of the last in out.
    void ReadSteps(std::size_t count, Variant& out);
    static void Step(TfsDesignatorItem& item, const Variant& instance, Variant& out);
};

// A plain variable: reads and writes its slot or its Read/Write.
class TfsVariableDesignator : public TfsDesignator {
public:
    void Read(Variant& out) override;
    void Write(Variant&& value) override;
    Variant* Slot() override;

private:
    // The variable's stored value, looked up once: items never move.
    Variant* slot_ = nullptr;
    bool bound_ = false;
};

// A variable's array indexed one or more times: a[i], a[i, j], a[i][j].
class TfsArrayDesignator : public TfsDesignator {
public:
    void Read(Variant& out) override;
    void Write(Variant&& value) override;

private:
    Variant* Element(bool forWrite);
};

// A variable's string indexed by one 1-based position.
class TfsStringDesignator : public TfsDesignator {
public:
    void Write(Variant&& value) override;
};

// Calls a routine: fills parameters from the evaluated arguments, runs it,
// writes by-ref parameters back. Shared by designators and CallFunction.
void CallItem(TfsDesignatorItem& item, const Variant& instance, Variant& out);

} // namespace rq::script
