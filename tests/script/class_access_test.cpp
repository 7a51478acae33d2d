// Ways a script reaches host classes beyond plain members: class typecasts
// ("TTestButton(x).Caption"), constructor calls written as a "new" element
// in the IL (the C-like grammars' form), and script procedures attached to
// host events through the event adapters.
#include "../support/script_runner.h"
#include "script/global_library.h"
#include "script/grammar.h"
#include "script/host_events.h"
#include "script/program_builder.h"
#include "script/script.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

using rq::base::Object;

// A host control with a caption and two events; the test fires them.
struct Button : Object {
    std::string caption;
    TfsCustomEvent* onClick = nullptr;
    TfsCustomEvent* onKeyDown = nullptr;
};

struct Panel : Object {};

Button& ButtonOf(Object* o) {
    auto* b = dynamic_cast<Button*>(o);
    if (b == nullptr)
        throw rq::base::Exception("Invalid class typecast");
    return *b;
}

// The event slot of a button as an event access: set returns what it replaced.
TfsEventAccess SlotAccess(TfsCustomEvent* Button::*slot) {
    return {[slot](Object* o) { return ButtonOf(o).*slot; },
            [slot](Object* o, TfsCustomEvent* event) {
                return std::exchange(ButtonOf(o).*slot, event);
            }};
}

// A library with TTestButton (constructor, Caption, OnClick, OnKeyDown) and
// TTestPanel, the objects B (a button), AnyB (the button as a Variant) and
// AnyP (a panel as a Variant).
class ClassAccessTest : public testing::Test {
protected:
    ClassAccessTest() : library_(&fsGlobalUnit()), script_(&library_) {
        TfsClassVariable& button = library_.AddClass("TTestButton", "TObject", [](const Object* o) {
            return dynamic_cast<const Button*>(o);
        });
        button.AddConstructor(
            "constructor Create(ACaption: String)",
            [this](Object*, const TfsClassVariable*, const std::string&, VariantArray& args) {
                made_.push_back(std::make_unique<Button>());
                made_.back()->caption = args[0].toString();
                return Variant(static_cast<Object*>(made_.back().get()));
            });
        button.AddProperty(
            "Caption", "String",
            [](Object* o, const TfsClassVariable*, const std::string&) {
                return Variant(ButtonOf(o).caption);
            },
            [](Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
                ButtonOf(o).caption = v.toString();
            });
        button.AddEvent("OnClick", "TfsNotifyEvent", SlotAccess(&Button::onClick));
        button.AddEvent("OnKeyDown", "TfsKeyEvent", SlotAccess(&Button::onKeyDown));
        library_.AddClass("TTestPanel", "TObject",
                          [](const Object* o) { return dynamic_cast<const Panel*>(o); });
        library_.AddObject("B", "TTestButton", &button_);
        library_.AddVariable("AnyB", "Variant", Variant(static_cast<Object*>(&button_)));
        library_.AddVariable("AnyP", "Variant", Variant(static_cast<Object*>(&panel_)));
    }

    ~ClassAccessTest() override {
        for (TfsCustomEvent* event : {button_.onClick, button_.onKeyDown})
            if (event != nullptr)
                DetachEvent(*event);
    }

    std::string Run(std::vector<std::string> lines) {
        return rq::test::CompileAndRun(script_, std::move(lines));
    }

    Variant ValueOf(const std::string& name) { return rq::test::ValueOf(script_, name); }

    Button button_;
    Panel panel_;
    std::vector<std::unique_ptr<Button>> made_;
    TfsScript library_;
    TfsScript script_;
};

// Typecasts.

TEST_F(ClassAccessTest, TypecastReachesMembersOfAVariant) {
    button_.caption = "OK";
    ASSERT_EQ(Run({"var r: String; begin", "  r := TTestButton(AnyB).Caption;",
                   "  TTestButton(AnyB).Caption := r + '!';",
                   "  if AnyB is TTestButton then r := r + TTestButton(AnyB).Caption", "end."}),
              "");
    EXPECT_EQ(ValueOf("r").toString(), "OKOK!");
    EXPECT_EQ(button_.caption, "OK!");
}

TEST_F(ClassAccessTest, TypecastOfAnotherClassFailsWhenRun) {
    EXPECT_EQ(Run({"var r: String; begin r := TTestButton(AnyP).Caption end."}),
              "error: Invalid class typecast");
    script_.Clear();
    EXPECT_EQ(
        Run({"var r: String; v: Variant; begin v := 'text'; r := TTestButton(v).Caption end."}),
        "error: Invalid class typecast");
}

TEST_F(ClassAccessTest, TypecastGivesAClassTypedValue) {
    ASSERT_EQ(Run({"var t: TTestButton; begin t := TTestButton(AnyB) end."}), "");
    EXPECT_EQ(ValueOf("t").toObject(), &button_);
}

// Constructor calls from IL: "new" names a class and passes the
// constructor's arguments after the class name.
class NewElementTest : public ClassAccessTest {
protected:
    // Builds the IL (a program element) into the script; "" or the error.
    std::string BuildIL(const std::string& il) {
        TfsXMLDocument document;
        document.LoadFromString("<?xml version=\"1.0\"?>" + il);
        ProgramBuilder(script_, true, {}).Build(document.Root());
        if (!script_.ErrorMsg().empty())
            return script_.ErrorPos() + ": " + script_.ErrorMsg();
        script_.Execute();
        return {};
    }

    // "var t: TTestButton; begin t := new NAME(ARG) end" as IL.
    static std::string AssignNew(const std::string& name, const std::string& arg) {
        return "<program><var pos=\"1:5\"><ident text=\"t\" pos=\"1:5\"/>"
               "<type text=\"TTestButton\" pos=\"1:8\"/></var>"
               "<compoundstmt pos=\"2:1\"><assignstmt pos=\"2:7\">"
               "<dsgn pos=\"2:7\"><node text=\"t\" pos=\"2:7\"/></dsgn>"
               "<expr pos=\"2:12\"><new pos=\"2:12\"><dsgn pos=\"2:16\">"
               "<node text=\"" +
               name + "\" pos=\"2:16\"/>" + arg +
               "</dsgn></new></expr></assignstmt></compoundstmt></program>";
    }
};

TEST_F(NewElementTest, CallsTheClassConstructor) {
    ASSERT_EQ(BuildIL(AssignNew("TTestButton", "<expr pos=\"2:28\"><string text=\"'Go'\" "
                                               "pos=\"2:28\"/></expr>")),
              "");
    ASSERT_EQ(made_.size(), 1u);
    EXPECT_EQ(made_[0]->caption, "Go");
    EXPECT_EQ(ValueOf("t").toObject(), made_[0].get());
}

TEST_F(NewElementTest, RejectsWhatIsNoClass) {
    const std::string arg = "<expr pos=\"2:28\"><string text=\"'Go'\" pos=\"2:28\"/></expr>";
    for (const char* name : {"AnyB", "Integer", "IntToStr"}) {
        script_.Clear();
        EXPECT_EQ(BuildIL(AssignNew(name, arg)), "2:12: Class type required") << name;
    }
    script_.Clear();
    EXPECT_EQ(BuildIL(AssignNew("TTestButton", "")), "2:16: Not enough actual parameters");
}

// A grammar that writes "new": PascalScript with a rule "newcall" (node
// new: the keyword NEW and a designator) tried first among the factors.
TEST_F(NewElementTest, GrammarNodeNewBuildsAConstructorCall) {
    std::string grammar(PascalScriptGrammar());
    const std::string factor = "<factor>\n    <switch>\n";
    const std::size_t at = grammar.find(factor);
    ASSERT_NE(at, std::string::npos);
    grammar.insert(at + factor.size(), "<newcall/>\n");
    grammar.insert(grammar.rfind("</language>"), "<newcall node=\"new\"><keyword text=\"NEW\"/>"
                                                 "<designator err=\"err1\"/></newcall>\n");
    grammar.replace(grammar.find("<xor/>"), 6, "<xor/><new/>");
    RegisterLanguage("PascalScriptWithNew", grammar);
    script_.SyntaxType = "PascalScriptWithNew";
    ASSERT_EQ(Run({"var t: TTestButton; begin t := new TTestButton('A' + 'B') end."}), "");
    ASSERT_EQ(made_.size(), 1u);
    EXPECT_EQ(made_[0]->caption, "AB");
    EXPECT_EQ(Run({"var x: Integer; begin x := new x end."}), "compile 1:28: Class type required");
}

// Events.

TEST_F(ClassAccessTest, ScriptProcedureHandlesHostEvents) {
    ASSERT_EQ(Run({"var clicks: Integer; name: String;",
                   "procedure Click(Sender: TObject); begin clicks := clicks + 1 end;",
                   "procedure KeyDown(Sender: TObject; var Key: Integer; Shift: Integer);",
                   "begin Key := Key + Shift end;",
                   "begin B.OnClick := @Click; B.OnKeyDown := 'KeyDown'; name := B.OnClick end."}),
              "");
    EXPECT_EQ(ValueOf("name").toString(), "Click");
    ASSERT_NE(button_.onClick, nullptr);
    VariantArray sender{Variant(static_cast<Object*>(&button_))};
    button_.onClick->Invoke(sender);
    button_.onClick->Invoke(sender);
    EXPECT_EQ(ValueOf("clicks").toInteger(), 2);
    ASSERT_NE(button_.onKeyDown, nullptr);
    VariantArray key{sender[0], Variant(65), Variant(4)};
    button_.onKeyDown->Invoke(key);
    EXPECT_EQ(key[1].toInteger(), 69);
}

TEST_F(ClassAccessTest, ReassigningAndNilReplaceTheHandler) {
    ASSERT_EQ(Run({"var r: String;", "procedure A(Sender: TObject); begin r := r + 'a' end;",
                   "procedure C(Sender: TObject); begin r := r + 'c' end;",
                   "begin B.OnClick := @A; B.OnClick := @C end."}),
              "");
    VariantArray sender{Variant()};
    button_.onClick->Invoke(sender);
    EXPECT_EQ(ValueOf("r").toString(), "c");
    script_.Clear();
    ASSERT_EQ(Run({"begin B.OnClick := nil end."}), "");
    EXPECT_EQ(button_.onClick, nullptr);
}

TEST_F(ClassAccessTest, HandlerOfAFreedScriptIsNotCalled) {
    {
        TfsScript gone(&library_);
        gone.Lines = {"procedure Click(Sender: TObject); begin RaiseException('called') end;",
                      "begin B.OnClick := @Click end."};
        ASSERT_TRUE(gone.Compile()) << gone.ErrorMsg();
        gone.Execute();
    }
    ASSERT_NE(button_.onClick, nullptr);
    VariantArray sender{Variant()};
    EXPECT_NO_THROW(button_.onClick->Invoke(sender));
}

struct EventErrorCase {
    const char* name;
    const char* value; // assigned to B.OnClick
    const char* error;
};

class EventErrorTest : public ClassAccessTest,
                       public testing::WithParamInterface<EventErrorCase> {};

TEST_P(EventErrorTest, OnlyProceduresMayBeAttached) {
    EXPECT_EQ(Run({"var n: Integer;", "function F(Sender: TObject): Integer; begin end;",
                   std::string("begin B.OnClick := ") + GetParam().value + " end."}),
              GetParam().error);
    EXPECT_EQ(button_.onClick, nullptr);
}

const EventErrorCase kEventErrors[] = {
    {"Function", "@F", "compile 3:20: Event handler must be a procedure"},
    {"Variable", "@n", "compile 3:20: Event handler must be a procedure"},
    {"Missing", "'Nothing'", "compile 3:20: Event handler must be a procedure"},
    {"NotAName", "n + 1", "compile 3:20: Event handler must be a procedure"},
};

INSTANTIATE_TEST_SUITE_P(Script, EventErrorTest, testing::ValuesIn(kEventErrors),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace rq::script
