// Event adapters: a script procedure handles a host event, var arguments
// come back to the host, and only procedures may be attached.
#include "script/host_events.h"
#include "script/runtime.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

using rq::base::Variant;

class EventTest : public testing::Test {
protected:
    EventTest() : script_(&runtime_.Global()) {
        script_.Lines = {"var clicks: Integer;",
                         "procedure Click(Sender: Variant); begin clicks := clicks + 1 end;",
                         "procedure KeyDown(Sender: Variant; var Key: Integer; Shift: Integer);",
                         "begin if Key = VK_ESCAPE then Key := 0 else Key := Key + Shift end;",
                         "procedure CanResize(Sender: Variant; var NewWidth, NewHeight: Integer; "
                         "var Resize: Boolean);",
                         "begin NewWidth := 100; Resize := NewHeight < 50 end;",
                         "function NotAProcedure(Sender: Variant): Integer; begin Result := 1 end;",
                         "begin end."};
        EXPECT_TRUE(script_.Compile()) << script_.ErrorPos() << ": " << script_.ErrorMsg();
    }

    ScriptRuntime runtime_;
    TfsScript script_;
};

TEST_F(EventTest, NotifyEventCallsTheProcedure) {
    TfsCustomEvent& event = runtime_.AttachEvent("TfsNotifyEvent", script_, "Click");
    VariantArray args{Variant(0)};
    event.Invoke(args);
    event.Invoke(args);
    Variant clicks;
    script_.Find("clicks")->Read(Variant(), clicks);
    EXPECT_EQ(clicks.toInteger(), 2);
    runtime_.DetachEvent(event);
}

TEST_F(EventTest, KeyEventWritesTheKeyBack) {
    TfsCustomEvent& event = runtime_.AttachEvent("TfsKeyEvent", script_, "KeyDown");
    VariantArray escape{Variant(0), Variant(27), Variant(0)};
    event.Invoke(escape);
    EXPECT_EQ(escape[1].toInteger(), 0);
    VariantArray other{Variant(0), Variant(65), Variant(4)};
    event.Invoke(other);
    EXPECT_EQ(other[1].toInteger(), 69);
    runtime_.DetachEvent(event);
}

TEST_F(EventTest, CanResizeWritesAllVarArgumentsBack) {
    TfsCustomEvent& event = runtime_.AttachEvent("TfsCanResizeEvent", script_, "CanResize");
    VariantArray args{Variant(0), Variant(10), Variant(40), Variant(false)};
    event.Invoke(args);
    EXPECT_EQ(args[1].toInteger(), 100);
    EXPECT_EQ(args[2].toInteger(), 40);
    EXPECT_TRUE(args[3].toBoolean());
    runtime_.DetachEvent(event);
}

TEST_F(EventTest, OnlyProceduresMayHandleEvents) {
    for (const char* name : {"NotAProcedure", "clicks", "Missing"}) {
        try {
            runtime_.AttachEvent("TfsNotifyEvent", script_, name);
            ADD_FAILURE() << name;
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), "Event handler must be a procedure") << name;
        }
    }
}

TEST(EventAdapterTest, ListsTheArgumentsOfEveryAdapter) {
    EXPECT_EQ(EventArguments("TfsMouseEvent"), "Sender, Button, Shift, X, Y");
    EXPECT_EQ(EventArguments("TfsKeyPressEvent"), "Sender, var Key");
    EXPECT_EQ(EventArguments("TfsCloseQueryEvent"), "Sender, var CanClose");
    EXPECT_EQ(EventArguments("TfsNoSuchEvent"), "");
}

} // namespace
} // namespace rq::script
