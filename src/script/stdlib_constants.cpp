// Constants of the standard library: variant type codes, file and stream
// modes, report units and cursors, and the window constants (message box
// results, virtual key codes, cursors) with the values host programs pass.
#include "script/stdlib.h"

namespace rq::script {

namespace {

struct IntConst {
    const char* name;
    int value;
};

constexpr IntConst kVarTypes[] = {
    {"varEmpty", 0},     {"varNull", 1},      {"varSmallint", 2},    {"varInteger", 3},
    {"varSingle", 4},    {"varDouble", 5},    {"varCurrency", 6},    {"varDate", 7},
    {"varOleStr", 8},    {"varDispatch", 9},  {"varError", 10},      {"varBoolean", 11},
    {"varVariant", 12},  {"varUnknown", 13},  {"varShortInt", 16},   {"varByte", 17},
    {"varWord", 18},     {"varLongWord", 19}, {"varInt64", 20},      {"varStrArg", 72},
    {"varString", 256},  {"varAny", 257},     {"varTypeMask", 4095}, {"varArray", 8192},
    {"varByRef", 16384},
};

constexpr IntConst kFileModes[] = {
    {"fmCreate", 65535},
    {"fmOpenRead", 0},
    {"fmOpenWrite", 1},
    {"fmOpenReadWrite", 2},
    {"fmShareExclusive", 16},
    {"fmShareDenyWrite", 32},
    {"fmShareDenyNone", 64},
    {"soFromBeginning", 0},
    {"soFromCurrent", 1},
    {"soFromEnd", 2},
    {"clTransparent", 0x1FFFFFFF},
    {"crHand", 50},
    {"crZoom", 51},
    {"crFormat", 52},
};

struct FloatConst {
    const char* name;
    double value;
};

// Report pixels (96 per inch) per unit; a character cell is 9.6 x 17.
constexpr FloatConst kReportUnits[] = {
    {"fr01cm", 3.77953}, {"fr1cm", 37.7953}, {"fr01in", 9.6},
    {"fr1in", 96},       {"fr1CharX", 9.6},  {"fr1CharY", 17},
};

constexpr IntConst kWindowConstants[] = {
    {"mrNone", 0},        {"mrOk", 1},          {"mrCancel", 2},      {"mrAbort", 3},
    {"mrRetry", 4},       {"mrIgnore", 5},      {"mrYes", 6},         {"mrNo", 7},
    {"mrAll", 8},         {"mrNoToAll", 9},     {"mrYesToAll", 10},   {"crDefault", 0},
    {"crNone", -1},       {"crArrow", -2},      {"crCross", -3},      {"crIBeam", -4},
    {"crSize", -22},      {"crSizeNESW", -6},   {"crSizeNS", -7},     {"crSizeNWSE", -8},
    {"crSizeWE", -9},     {"crUpArrow", -10},   {"crHourGlass", -11}, {"crDrag", -12},
    {"crNoDrop", -13},    {"crHSplit", -14},    {"crVSplit", -15},    {"crMultiDrag", -16},
    {"crSQLWait", -17},   {"crNo", -18},        {"crAppStart", -19},  {"crHelp", -20},
    {"crHandPoint", -21}, {"crSizeAll", -22},   {"bsNone", 0},        {"bsSingle", 1},
    {"bsSizeable", 2},    {"bsDialog", 3},      {"bsToolWindow", 4},  {"bsSizeToolWin", 5},
    {"VK_RBUTTON", 2},    {"VK_CANCEL", 3},     {"VK_MBUTTON", 4},    {"VK_BACK", 8},
    {"VK_TAB", 9},        {"VK_RETURN", 13},    {"VK_SHIFT", 16},     {"VK_CONTROL", 17},
    {"VK_MENU", 18},      {"VK_PAUSE", 19},     {"VK_CAPITAL", 20},   {"VK_ESCAPE", 27},
    {"VK_SPACE", 32},     {"VK_PRIOR", 33},     {"VK_NEXT", 34},      {"VK_END", 35},
    {"VK_HOME", 36},      {"VK_LEFT", 37},      {"VK_UP", 38},        {"VK_RIGHT", 39},
    {"VK_DOWN", 40},      {"VK_INSERT", 45},    {"VK_DELETE", 46},    {"VK_HELP", 47},
    {"VK_LWIN", 91},      {"VK_RWIN", 92},      {"VK_APPS", 93},      {"VK_NUMPAD0", 96},
    {"VK_NUMPAD1", 97},   {"VK_NUMPAD2", 98},   {"VK_NUMPAD3", 99},   {"VK_NUMPAD4", 100},
    {"VK_NUMPAD5", 101},  {"VK_NUMPAD6", 102},  {"VK_NUMPAD7", 103},  {"VK_NUMPAD8", 104},
    {"VK_NUMPAD9", 105},  {"VK_MULTIPLY", 106}, {"VK_ADD", 107},      {"VK_SEPARATOR", 108},
    {"VK_SUBTRACT", 109}, {"VK_DECIMAL", 110},  {"VK_DIVIDE", 111},   {"VK_F1", 112},
    {"VK_F3", 114},       {"VK_F4", 115},       {"VK_F5", 116},       {"VK_F6", 117},
    {"VK_F7", 118},       {"VK_F8", 119},       {"VK_F9", 120},       {"VK_F10", 121},
    {"VK_F11", 122},      {"VK_F12", 123},      {"VK_NUMLOCK", 144},  {"VK_SCROLL", 145},
};

void AddIntegers(TfsScript& script, std::span<const IntConst> constants) {
    for (const IntConst& c : constants)
        script.AddConst(c.name, "Integer", Variant(c.value));
}

} // namespace

void AddLibraryConstants(TfsScript& script) {
    AddIntegers(script, kVarTypes);
    AddIntegers(script, kFileModes);
    for (const FloatConst& c : kReportUnits)
        script.AddConst(c.name, "Extended", Variant(c.value));
    AddIntegers(script, kWindowConstants);
}

} // namespace rq::script
