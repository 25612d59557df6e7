#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QTimer>

#include <optional>

// A label that looks and acts like a link: blue, purple once visited, red and (by default)
// underlined while the pointer is over it, a pointing hand and the address as its tooltip; a
// click opens the address in the browser and tells the user when that fails.
class HyperLinkLabel : public QLabel {
    Q_OBJECT

public:
    // How often the label checks whether the pointer has left it.
    static constexpr int kLeaveCheckMs = 100;

    enum UnderlineRule {
        kNever = 0,
        kAlways = 1,
        kWhileOver = -1
    };

    // Without an address the label opens its caption; without a caption it shows its address.
    explicit HyperLinkLabel(const QString& caption = {}, QWidget* parent = nullptr);

    void SetAddress(const QString& address);
    QString Address() const { return address_; }

    // An invalid hover colour stands for the palette's highlight colour.
    void SetColorSet(const QColor& background, const QColor& normal, const QColor& visited, const QColor& hover);
    QColor BackgroundColor() const { return backgroundColour_; }
    QColor NormalColor() const { return normalColour_; }
    QColor VisitedColor() const { return visitedColour_; }
    QColor HoverColor() const { return hoverColour_; }

    void MarkVisited(bool visited);
    bool IsVisited() const { return visited_; }

    void SetUnderlineRule(int rule);
    int UnderlineRule() const { return underlineRule_; }

    void SetFitToText(bool fit);
    bool FitsToText() const { return fitToText_; }

    // No cursor brings back the pointing hand.
    void SetPointerCursor(const std::optional<QCursor>& cursor);
    QCursor PointerCursor() const { return pointerCursor_; }

    bool IsOver() const { return over_; }
    // What the label paints with now.
    QFont ShownFont() const;
    QColor ShownColor() const;

    void ResizeToText();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The geometry that fits content (the text's extent) plus the frame around the contents:
    // the top edge stays; a centred label keeps its centre, a right-aligned one its right edge,
    // any other its left edge.
    static QRect FittedGeometry(const QRect& current, const QSize& content, const QMargins& frame,
                                Qt::Alignment alignment);

    // The click: open; once the outcome is known, the visited state follows this attempt alone.
    void Activate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PointerOver();
    void ShowOutcome(int result);
    void CheckLeave();
    void MakeFonts();
    QSize TextExtent() const;
    QMargins Frame() const;

    QColor normalColour_{0, 0, 238};
    QColor visitedColour_{85, 26, 139};
    QColor hoverColour_{255, 0, 0};
    QColor backgroundColour_;
    bool over_ = false;
    bool visited_ = false;
    int underlineRule_ = kWhileOver;
    bool fitToText_ = true;
    QString address_;
    QFont normalFont_;
    QFont underlinedFont_;
    QCursor pointerCursor_{Qt::PointingHandCursor};
    QTimer leaveCheck_;
};
