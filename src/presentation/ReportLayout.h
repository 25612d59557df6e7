#pragma once

// Where the printed report's texts go, in device units of the printer. Pure arithmetic so that
// any resolution and page size can be checked without a printer.

// What the layout needs to know about the device and the report font.
struct ReportDevice {
    int dpiX = 0;      // horizontal pixels per inch
    int dpiY = 0;      // vertical pixels per inch
    int pageWidth = 0; // printable area
    int pageHeight = 0;
    int lineHeight = 0; // character height plus external leading of the report font
};

struct ReportPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ReportPoint&) const = default;
};

// The title and the rule at the top of every page.
struct PageHeaderGeometry {
    ReportPoint title; // top-left of the title text
    ReportPoint ruleFrom;
    ReportPoint ruleTo;
    int penWidth = 0;
};

enum class ReportColumn {
    Label = 0,
    Value = 1
};

// Where one text of the report goes.
struct LinePlacement {
    bool drawn = false;      // false: a value with no label before it has nowhere to go
    bool startsPage = false; // the page (and its header) begins with this text
    int page = 0;            // 1-based
    ReportPoint at;          // top-left of the text
};

// Lines one under another, labels at the left margin and values in a second column on their
// label's line; a label that would start below the bottom margin starts a new page.
class ReportLayout {
public:
    static constexpr int kExtraTop = 100; // room for the title and the rule

    explicit ReportLayout(const ReportDevice& device);

    int TopMargin() const { return topMargin_; }
    int ValueColumn() const;
    int LineHeight() const { return lineHeight_; }
    int Y() const { return y_; }
    int PageCount() const { return pageCount_; }

    PageHeaderGeometry Header() const;

    // Places the next text and moves on (a label advances one line; a value does not).
    LinePlacement Place(ReportColumn column);
    // The job ends: no page is open any more.
    void ClosePage() { pageOpen_ = false; }

private:
    LinePlacement PlaceLabel();
    LinePlacement PlaceValue() const;
    bool NeedsNewPage() const;

    ReportDevice device_;
    int topMargin_ = 0;
    int leftMargin_ = 0;
    int lineHeight_ = 1;
    int y_ = 0;
    int pageCount_ = 0;
    bool pageOpen_ = false;
};
