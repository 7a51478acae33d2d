// TLabel: a one-line caption drawn left and top aligned in its font. With
// AutoSize (the default) the label's width and height are those of its text
// in the font it actually draws with, so that a substituted face that runs
// wider than the designed one still shows the whole caption; the left and
// top edges stay where they were placed.
#pragma once

#include <QLabel>

namespace rq::widgets {

class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(const QString& caption = {}, QWidget* parent = nullptr);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Sets the text; an auto-sized label follows it.
    void SetCaption(const QString& caption);

    // The size (pixels at 96 per inch) the text needs in the label's font:
    // its advance width rounded up and the font's line height.
    QSize TextExtent() const;
    // Resizes an auto-sized label to TextExtent, keeping its top-left corner;
    // placing the label calls this again after setting its bounds.
    void AdjustBounds();

protected:
    void changeEvent(QEvent* event) override;

private:
    bool autoSize_ = true;
};

} // namespace rq::widgets
