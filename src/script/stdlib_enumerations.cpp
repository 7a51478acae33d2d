// Enumerations (constants 0, 1, 2 ...) and flag sets (constants 1, 2, 4 ...)
// of the standard library.
#include "script/stdlib.h"

namespace rq::script {

namespace {

struct EnumText {
    const char* typeName;
    const char* names;
    bool isSet;
};

constexpr EnumText kEnums[] = {
    {"TDuplicates", "dupIgnore, dupAccept, dupError", false},
    {"TPenStyle", "psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame", false},
    {"TPenMode",
     "pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, "
     "pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor",
     false},
    {"TAlignment", "taLeftJustify, taRightJustify, taCenter", false},
    {"TAlign", "alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom", false},
    {"TMouseButton", "mbLeft, mbRight, mbMiddle", false},
    {"TBevelCut", "bvNone, bvLowered, bvRaised, bvSpace", false},
    {"TTextLayout", "tlTop, tlCenter, tlBottom", false},
    {"TEditCharCase", "ecNormal, ecUpperCase, ecLowerCase", false},
    {"TScrollStyle", "ssNone, ssHorizontal, ssVertical, ssBoth", false},
    {"TComboBoxStyle",
     "csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable", false},
    {"TCheckBoxState", "cbUnchecked, cbChecked, cbGrayed", false},
    {"TListBoxStyle",
     "lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw", false},
    {"TWindowState", "wsNormal, wsMinimized, wsMaximized", false},
    {"TFormStyle", "fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop", false},
    {"TPosition",
     "poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, "
     "poDesktopCenter, poMainFormCenter, poOwnerFormCenter",
     false},
    {"TCloseAction", "caNone, caHide, caFree, caMinimize", false},
    {"TShiftState", "ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble", true},
    {"TAnchors", "akLeft, akTop, akRight, akBottom", true},
    {"TBorderIcons", "biSystemMenu, biMinimize, biMaximize, biHelp", true},
    {"TfrxShapeKind",
     "skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiagonal1, skDiagonal2", false},
    {"TfrxRangeBegin", "rbFirst, rbCurrent", false},
    {"TfrxRangeEnd", "reLast, reCurrent, reCount", false},
    {"TfrxFieldType", "fftNumeric, fftString, fftBoolean", false},
    {"TfrxDMPFontStyles",
     "fsxBold, fsxItalic, fsxUnderline, fsxSuperScript, fsxSubScript, fsxCondensed, fsxWide, "
     "fsx12cpi, fsx15cpi",
     true},
    {"TFileEditStyle", "fsEdit, fsComboBox", false},
    {"TFontDialogDevice", "fdScreen, fdPrinter, fdBoth", false},
    {"TPrintRange", "prAllPages, prSelection, prPageNums", false},
    {"TMsgDlgType", "mtWarning, mtError, mtInformation, mtConfirmation, mtCustom", false},
    {"TOpenOptions",
     "ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, "
     "ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, "
     "ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, "
     "ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, "
     "ofEnableSizing, ofDontAddToRecent, ofForceShowHidden",
     true},
    {"TColorDialogOptions", "cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor",
     true},
    {"TFontDialogOptions",
     "fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist, fdNoFaceSel, "
     "fdNoOEMFonts, fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp, "
     "fdWysiwyg, fdLimitSize, fdScalableOnly, fdApplyButton",
     true},
    {"TPrintDialogOptions",
     "poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile", true},
    {"TMsgDlgButtons",
     "mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, "
     "mbHelp",
     true},
};

} // namespace

void AddLibraryEnumerations(TfsScript& script) {
    for (const EnumText& e : kEnums) {
        if (e.isSet)
            script.AddEnumSet(e.typeName, e.names);
        else
            script.AddEnum(e.typeName, e.names);
    }
}

} // namespace rq::script
