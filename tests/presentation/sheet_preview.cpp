// Renders the window surface and the owner-drawn controls into PNG files, to look at them
// without the window:  sheet_preview OUT_DIR   (also writes OUT_DIR/icon-256.png from the SVG)
#include "model/ResultRows.h"
#include "presentation/Artwork.h"
#include "presentation/ContextHelp.h"
#include "presentation/Palette.h"
#include "presentation/ResultsList.h"
#include "presentation/ShadeButton.h"
#include "presentation/SheetPainter.h"
#include "presentation/SkinCombo.h"
#include "presentation/TipWindow.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace {

struct Screen {
    const char* name;
    int clientWidth;
    int clientHeight;
    int screenHeight;
};

struct Case {
    const char* name;
    SheetOptions options;
    std::string warning;
};

int FormLeft(int w)
{
    return w > 1600 ? w - 880 : w - 780;
}

LoadResults SampleResults()
{
    LoadResults r;
    r.netVolume = 166;
    r.cabinetLoad = 38;
    r.doorLoad = 9;
    r.additionalLoad = 12;
    r.coolDownLoad = 54;
    r.requestedCapacity = 151;
    r.tEvaporator = -7;
    r.tCondenser = 42;
    r.subcooling = 1;
    return r;
}

void RenderSheet(const QString& out, const Screen& screen, const Case& c, const Tables& tables, const QPoint& hover)
{
    SheetState s;
    s.clientWidth = screen.clientWidth;
    s.clientHeight = screen.clientHeight;
    s.screenHeight = screen.screenHeight;
    s.formLeft = FormLeft(screen.clientWidth);
    s.rowPitch = screen.screenHeight >= 1024 ? 27 : 26;
    s.wideLayout = screen.clientWidth > 800;
    s.options = c.options;
    s.results = SampleResults();
    s.warningText = c.warning;
    s.productName = "Nordavik Kaldora";
    s.versionText = "1.0";
    s.tables = &tables;
    QImage image(s.clientWidth, s.clientHeight, QImage::Format_RGB32);
    SheetPainter painter;
    HotSpotList spots;
    {
        QPainter p(&image);
        painter.Paint(p, s, spots);
        // Stand-ins for the results list, so the markers can be judged beside it.
        ResultsList list;
        list.resize(410, 115);
        list.FillResultsList(FormatResultRows(s.results, s.units));
        if (c.name == std::string("error"))
            list.ShowErrorRow(QStringLiteral("Width is out of range"), QStringLiteral("100 - 5000 mm"));
        p.drawPixmap(s.formLeft + 371, s.clientHeight - 200, list.grab());
        if (!hover.isNull()) {
            if (const HotSpot* hit = spots.HitTestHotSpots(hover.x(), hover.y())) {
                TipWindow tip(nullptr, 520, Palette::kBlue, Palette::kWhite);
                tip.SetTipText(QString::fromStdString(hit->text));
                const SheetPoint at = TipAnchor(*hit);
                p.drawPixmap(at.x, at.y, tip.grab());
            }
        }
    }
    image.save(QStringLiteral("%1/sheet-%2-%3.png").arg(out, screen.name, c.name));
}

void RenderControls(const QString& out)
{
    QWidget host;
    host.setAutoFillBackground(true);
    host.setPalette(QPalette(Qt::white));
    auto* row = new QHBoxLayout(&host);
    auto* combo = new SkinCombo;
    combo->addItems({QStringLiteral("Polyurethane foam"), QStringLiteral("Rockwool")});
    combo->setFixedSize(160, 23);
    auto* focused = new SkinCombo;
    focused->addItems({QStringLiteral("Cyclopentane")});
    focused->setFixedSize(160, 23);
    row->addWidget(combo);
    row->addWidget(focused);
    const char* captions[] = {"Help", "Print", "Units", "Product Selection"};
    for (const char* caption : captions) {
        auto* b = new ShadeButton(QString::fromLatin1(caption));
        b->SetFont(QStringLiteral("Arial"), 16, 400);
        b->SetTextColour(Palette::kWhite);
        b->SetShade(3, 0, 0, 0, Palette::kDarkBlue, Palette::kBlue, Palette::kBlue, Palette::kBlue);
        b->setFixedSize(caption[0] == 'P' && caption[1] == 'r' && caption[2] == 'o' ? 150 : 80, 25);
        row->addWidget(b);
    }
    auto* disabled = new ShadeButton(QStringLiteral("Units"));
    disabled->SetFont(QStringLiteral("Arial"), 16, 400);
    disabled->SetTextColour(Palette::kWhite);
    disabled->SetShade(3, 0, 0, 0, Palette::kDarkBlue, Palette::kBlue, Palette::kBlue, Palette::kBlue);
    disabled->setFixedSize(80, 25);
    disabled->setEnabled(false);
    row->addWidget(disabled);
    host.resize(900, 40);
    host.show();
    focused->setFocus();
    QApplication::processEvents();
    host.grab().save(out + QStringLiteral("/controls.png"));
    combo->showPopup();
    QApplication::processEvents();
    combo->grab().save(out + QStringLiteral("/combo-dropped-face.png"));
    combo->view()->window()->grab().save(out + QStringLiteral("/combo-list.png"));
    combo->hidePopup();
}

void RenderIcon(const QString& out)
{
    QImage icon(256, 256, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QSvgRenderer svg(Artwork::ApplicationIconPath());
    QPainter p(&icon);
    svg.render(&p);
    p.end();
    icon.save(out + QStringLiteral("/icon-256.png"));
    for (int side : {480, 800}) {
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QSvgRenderer cabinet(Artwork::CabinetPicturePath());
        QPainter pp(&picture);
        pp.setRenderHint(QPainter::Antialiasing);
        cabinet.render(&pp);
        pp.end();
        picture.save(QStringLiteral("%1/cabinet-%2.png").arg(out).arg(side));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    Tables tables;
    BuildTables(tables);
    const Screen screens[] = {
        {"1920x1080", 1920, 1040, 1080}, {"1366x768", 1366, 705, 768}, {"800x600", 800, 565, 600}};
    const Case cases[] = {
        {"defaults", {}, {}},
        {"all-on", {true, true, true, true}, {}},
        {"error", {}, {}},
        {"warning", {false, true, false, false}, "Warning: the insulation is thinner than recommended"},
    };
    for (const Screen& screen : screens) {
        for (const Case& c : cases) {
            const int formLeft = FormLeft(screen.clientWidth);
            // Hover the capacity result marker in the warning case, the first label otherwise.
            const QPoint hover = c.name == std::string("warning")
                                     ? QPoint(formLeft + 360, screen.clientHeight - 170)
                                     : QPoint(formLeft + 30, 80 + (screen.screenHeight >= 1024 ? 27 : 26) + 4);
            RenderSheet(out, screen, c, tables, c.name == std::string("all-on") ? QPoint() : hover);
        }
    }
    const QFont listFont = ResultsList().font();
    qInfo("list font %dpx, capacity name %d px wide", listFont.pixelSize(),
          QFontMetrics(listFont).horizontalAdvance(QString::fromUtf8(kResultNames[0])));
    RenderControls(out);
    RenderIcon(out);
    return 0;
}
