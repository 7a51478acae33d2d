// The report's four option records: engine, preview, print and report
// (descriptive) options, with the defaults of a new report.
#pragma once

#include "report/model/picture.h"
#include "report/model/strings.h"

#include <string>

namespace rq::report::model {

class TfrxEngineOptions : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool ConvertNulls = true;
    bool DoublePass = false;
    std::int32_t MaxMemSize = 10000000; // megabytes of page text before caching to a file
    bool PrintIfEmpty = true;
    bool SilentMode = false;
    std::string TempDir;
    bool UseFileCache = false;
};

class TfrxPreviewOptions : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    static constexpr std::int32_t kAllButtons = 0x7FF;

    bool AllowEdit = true;
    std::int32_t Buttons = kAllButtons; // bit mask of TfrxPreviewButton
    bool DoubleBuffered = true;
    bool Maximized = true;
    bool MDIChild = false;
    bool Modal = true;
    bool OutlineVisible = false;
    std::int32_t OutlineWidth = 120;
    bool ShowCaptions = false;
    Extended Zoom = 1.0;
    TfrxZoomMode ZoomMode = zmDefault;
};

class TfrxPrintOptions : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    std::int32_t Copies = 1;
    bool Collate = true;
    std::string PageNumbers;
    std::string Printer = "Default";
    TfrxPrintPages PrintPages = ppAll;
    bool ShowDialog = true;
};

class TfrxReportOptions : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // CreateDate and LastChange start as the current date and time.
    TfrxReportOptions();

    std::string Author;
    bool Compressed = false;
    double CreateDate = 0; // days since 30 December 1899
    TStrings Description;
    std::string InitString;
    double LastChange = 0;
    std::string Name;
    TPicture Picture;
    std::string VersionBuild;
    std::string VersionMajor;
    std::string VersionMinor;
    std::string VersionRelease;
};

} // namespace rq::report::model
