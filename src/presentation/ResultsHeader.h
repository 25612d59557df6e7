#pragma once

#include <QHeaderView>
#include <QPixmap>

// The results list's heading: a blue band with light and dark column edges and white centred
// titles, painted by the program rather than the platform.
class ResultsHeader : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int kHeight = 24;

    explicit ResultsHeader(QWidget* parent = nullptr);

    // Where the title of a column is drawn: its section shrunk by 2 pixels on each side.
    static QRect TitleRect(const QRect& section);

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override;

private:
    void PaintSection(QPainter& painter, int logical, const QRect& rect) const;

    QPixmap band_;  // 1 x 20
    QPixmap left_;  // 2 x 20
    QPixmap right_; // 2 x 20
    QFont titleFont_;
};
