// TfrxCustomPrinter: one printer as the print job and the print dialog see
// it: name and port, the papers and bins it offers, its resolution and
// unprintable margins, the drawing surface of the page being printed, and
// the calls that bracket a print job. Sizes and margins are millimetres.
#pragma once

#include "report/model/types.h"
#include "report/render/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rq::report::printing {

using model::Extended;

// A paper the printer offers: display name and Windows paper code (256 is
// a custom size given in millimetres).
struct TfrxPaperItem {
    std::string name;
    std::int32_t code = 0;
    bool operator==(const TfrxPaperItem&) const = default;
};

// A paper bin (input slot): display name and Windows bin number (7 is the
// printer's automatic choice).
struct TfrxBinItem {
    std::string name;
    std::int32_t number = 0;
    bool operator==(const TfrxBinItem&) const = default;
};

struct TfrxDPI {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const TfrxDPI&) const = default;
};

// Where the origin of a printer's drawing surface lies on the sheet: at the
// corner of the printable area (a device that cannot address its unprintable
// margins, whose coordinates start inside them), or at the paper's corner (a
// surface of the whole sheet, such as a document the print service places
// on the paper itself).
enum class TfrxCanvasOrigin { PrintableArea, PaperCorner };

inline constexpr std::int32_t kDefaultBin = 7;
inline constexpr std::int32_t kCustomPaperCode = 256;

class TfrxCustomPrinter {
public:
    // Papers start as ["Custom" -> 256], Bins as ["Default" -> 7].
    TfrxCustomPrinter(std::string name, std::string port);
    virtual ~TfrxCustomPrinter() = default;
    TfrxCustomPrinter(const TfrxCustomPrinter&) = delete;
    TfrxCustomPrinter& operator=(const TfrxCustomPrinter&) = delete;

    // Reads the printer's defaults, papers and bins; does nothing once
    // Initialized. A printer that cannot be reached stays uninitialized and
    // the next selection tries again.
    virtual void Init() = 0;
    // Document bracketing: BeginDoc starts a spooler job named Title (or
    // output to FileName when set), BeginPage/EndPage bracket one page drawn
    // on Canvas, EndDoc hands the job over, Abort discards it.
    virtual void BeginDoc() = 0;
    virtual void BeginPage() = 0;
    virtual void EndPage() = 0;
    virtual void EndDoc() = 0;
    virtual void Abort() = 0;
    // Sets the device up for a preview of that paper (no copies, bin, duplex).
    virtual void SetViewParams(std::int32_t paper, Extended width, Extended height,
                               model::TPrinterOrientation orientation) = 0;
    // Prepares the device for the next page: paper code (width and height in
    // millimetres count only for 256), orientation, bin (-1 = default),
    // duplex (1 simplex, 2 vertical, 3 horizontal) and copies made by the
    // driver; then re-reads DPI, paper size and margins.
    virtual void SetPrintParams(std::int32_t paper, Extended width, Extended height,
                                model::TPrinterOrientation orientation, std::int32_t bin,
                                std::int32_t duplex, std::int32_t copies) = 0;
    // Shows the driver's settings for this printer; only the settings that a
    // page does not set itself (quality, colour and the like) reach the job.
    virtual void PropertiesDialog() = 0;
    // The surface of the page between BeginPage and EndPage; nullptr where
    // the printer has no device to draw on.
    virtual render::Canvas* Canvas() = 0;
    // Where Canvas's origin lies: the job subtracts the unprintable margins
    // only when it is the printable area's corner.
    virtual TfrxCanvasOrigin CanvasOrigin() const { return TfrxCanvasOrigin::PrintableArea; }

    const std::string& Name() const { return name_; }
    const std::string& Port() const { return port_; }
    std::string Title;
    std::string FileName;

    const std::vector<TfrxBinItem>& Bins() const { return bins_; }
    const std::vector<TfrxPaperItem>& Papers() const { return papers_; }
    std::int32_t Bin() const { return bin_; }
    std::int32_t Paper() const { return paper_; }
    model::TPrinterOrientation Orientation() const { return orientation_; }
    Extended PaperWidth() const { return paperWidth_; }
    Extended PaperHeight() const { return paperHeight_; }
    Extended LeftMargin() const { return leftMargin_; }
    Extended TopMargin() const { return topMargin_; }
    Extended RightMargin() const { return rightMargin_; }
    Extended BottomMargin() const { return bottomMargin_; }
    std::int32_t DefPaper() const { return defPaper_; }
    model::TPrinterOrientation DefOrientation() const { return defOrientation_; }
    Extended DefPaperWidth() const { return defPaperWidth_; }
    Extended DefPaperHeight() const { return defPaperHeight_; }
    TfrxDPI DPI() const { return dpi_; }
    bool Initialized() const { return initialized_; }
    bool Printing() const { return printing_; }

protected:
    std::vector<TfrxBinItem> bins_;
    std::vector<TfrxPaperItem> papers_;
    std::int32_t bin_ = kDefaultBin;
    std::int32_t paper_ = 0;
    model::TPrinterOrientation orientation_ = model::poPortrait;
    Extended paperWidth_ = 0, paperHeight_ = 0;
    Extended leftMargin_ = 0, topMargin_ = 0, rightMargin_ = 0, bottomMargin_ = 0;
    std::int32_t defPaper_ = 0;
    model::TPrinterOrientation defOrientation_ = model::poPortrait;
    Extended defPaperWidth_ = 0, defPaperHeight_ = 0;
    TfrxDPI dpi_;
    bool initialized_ = false;
    bool printing_ = false;

private:
    std::string name_;
    std::string port_;
};

} // namespace rq::report::printing
