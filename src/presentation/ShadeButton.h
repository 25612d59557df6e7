#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>

#include <array>

class TipWindow;

// A push button with a generated face (a two-ramp palette between dark, middle and light), a
// 3-D edge, a caption shifted by a pixel while pressed, and its own tooltip.
class ShadeButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr int kFocusInset = 4;
    static constexpr int kTooltipWidth = 300;
    enum Face {
        Normal,
        Hover,
        Pressed,
        Disabled
    };

    explicit ShadeButton(const QString& caption, QWidget* parent = nullptr);
    ~ShadeButton() override;

    // The second text is for check-style buttons in their on state; push buttons never show it.
    void SetTooltipText(const QString& text, const QString& onText = {});
    void SetFont(const QString& face, int cellHeight, int weight);
    // The width that holds the caption, with a margin each side, and at least `least`.
    int FittingWidth(int least) const;
    QColor SetTextColour(const QColor& colour); // returns the previous colour
    // Style 3 is the horizontal ramp, the only one the program uses; granularity, highlight and
    // colouring are in per cent.
    void SetShade(int style, int granularity, int highlight, int colouring, const QColor& tint, const QColor& light,
                  const QColor& middle, const QColor& dark);

    bool IsTracking() const { return tracking_; }
    Face CurrentFace() const;
    const TipWindow* Tooltip() const { return tip_; }
    // The face colour at a column, as the generated palette gives it.
    QColor FaceColour(Face face, int x) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    using Ramp = std::array<QRgb, 256>;
    void DrawFace(QPainter& painter, Face face) const;
    void DrawEdge(QPainter& painter, Face face) const;
    void DrawFocusLines(QPainter& painter) const;
    void DrawCaption(QPainter& painter, Face face) const;
    int RampIndex(int x) const;

    QColor textColour_;
    QString tooltipText_;
    QString tooltipOnText_;
    TipWindow* tip_ = nullptr;
    Ramp normal_{};
    Ramp hover_{};
    int granularity_ = 0;
    bool hovering_ = false;
    bool tracking_ = false;
};
