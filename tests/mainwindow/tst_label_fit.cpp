// Every language's labels against the places the window gives them: with every option shown, on a
// large (1920 x 1080) and a small (1366 x 768) screen, each painted text and each control of the
// sheet is measured as the painter draws it, and no two of them may touch (a label keeps a gap
// before what follows it), nor leave the client or run into the picture. The results list, the
// window's command buttons and the Help dialog's buttons hold their texts. English keeps the form
// exactly where it always stood.

#include "dialogs/CHelpDlg.h"
#include "mainwindow/DoraRiveDlg.h"
#include "mainwindow/Layout.h"
#include "model/ResultRows.h"
#include "model/UnitSystem.h"
#include "presentation/FormSheet.h"
#include "presentation/ResultsList.h"
#include "presentation/ShadeButton.h"
#include "presentation/SheetFonts.h"
#include "presentation/SheetPainter.h"
#include "storage/MemoryProfileStore.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// A text or a control on the client, named for the failure message.
struct Box {
    QString what;
    QRect rect;
};

QStringList Languages()
{
    QStringList languages{QStringLiteral("en")};
    for (const QString& name : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("dorarive_*.qm")}))
        languages << name.mid(9).chopped(3);
    return languages;
}

QRect MarkerRect(const SheetRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// The rows' texts and markers as SheetPainter::DrawRows places them, with figures as wide as the
// widest a result shows.
QList<Box> SheetBoxes(const LayoutResult& layout, const SheetMetrics& metrics, SheetFonts& fonts)
{
    const SheetOptions all{true, true, true, true};
    const SheetFrame frame{layout.formLeft, layout.rowPitch, metrics.sheetFontHeight, layout.columns};
    const QFontMetrics measuring(fonts.Measuring(metrics.measuringCharHeight));
    QList<Box> boxes;
    for (const SheetLine& line : FormSheet::VisibleLines(all, frame, LoadResults{}, UnitSystem{})) {
        const QFontMetrics fm(fonts.Arial(line.fontHeight, line.bold));
        const QString label = QCoreApplication::translate(FormSheet::kLabelContext, line.labelText.c_str());
        // The leading spaces indent a label; what they cover is white.
        const int indent = fm.horizontalAdvance(label) - fm.horizontalAdvance(label.trimmed());
        // A label keeps the gap before what follows it on its line; one with an information marker
        // has it close behind, and the marker keeps the gap.
        const int gap = FormSheet::kLabelGap;
        const int labelGap = line.marker == SheetMarker::Info ? 0 : gap;
        boxes << Box{label, QRect(line.label.x + indent, line.label.y, fm.horizontalAdvance(label) - indent + labelGap,
                                  fm.height())};
        const QString unit = QCoreApplication::translate("UnitLabel", line.unitText.c_str());
        if (!unit.trimmed().isEmpty())
            boxes << Box{label + QStringLiteral(" / unit ") + unit,
                         QRect(line.unit.x, line.unit.y, fm.horizontalAdvance(unit), fm.height())};
        if (!line.valueText.empty())
            boxes << Box{
                label + QStringLiteral(" / figure"),
                QRect(line.value.x, line.value.y, fm.horizontalAdvance(QStringLiteral("-88888")), fm.height())};
        using namespace SheetGeometry;
        if (line.marker == SheetMarker::Info)
            boxes << Box{label + QStringLiteral(" / i"),
                         MarkerRect(InfoMarkerBox(RowInfoMarkerPoint(line.label), kInfoMarkerDiameter,
                                                  measuring.horizontalAdvance(label)))
                             .adjusted(0, 0, gap, 0)};
        else if (line.marker == SheetMarker::Letter)
            boxes << Box{label + QStringLiteral(" / letter"),
                         MarkerRect(LetterMarkerBox(RowLetterMarkerPoint(line.label), metrics.letterMarkerDiameter))};
    }
    return boxes;
}

QList<Box> ControlBoxes(const LayoutResult& layout)
{
    QList<Box> boxes;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlPlacement& p = layout.placements[static_cast<std::size_t>(i)];
        if (kControls[static_cast<std::size_t>(i)].sheetRow >= 0 && p.shown)
            boxes << Box{QStringLiteral("control %1").arg(int(kControls[static_cast<std::size_t>(i)].id)),
                         QRect(p.rect.x, p.rect.y, p.rect.width, p.rect.height)};
    }
    return boxes;
}

QStringList Overlaps(const QList<Box>& boxes, const QRect& client)
{
    QStringList faults;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        if (!client.contains(boxes[i].rect))
            faults << QStringLiteral("%1 leaves the client").arg(boxes[i].what);
        for (qsizetype j = i + 1; j < boxes.size(); ++j)
            if (boxes[i].rect.intersects(boxes[j].rect))
                faults << QStringLiteral("%1 runs into %2").arg(boxes[i].what, boxes[j].what);
    }
    return faults;
}

} // namespace

class LabelFitTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTranslator> translator_;

    void Speak(const QString& language)
    {
        translator_.reset();
        if (language == u"en")
            return;
        translator_ = std::make_unique<QTranslator>();
        QVERIFY(translator_->load(QStringLiteral(":/i18n/dorarive_") + language));
        QCoreApplication::installTranslator(translator_.get());
    }

private slots:
    void labels_keep_clear_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("screen");
        for (const QString& language : Languages())
            for (const QSize screen : {QSize(1920, 1080), QSize(1366, 768)})
                QTest::addRow("%s %dx%d", qPrintable(language), screen.width(), screen.height()) << language << screen;
    }

    void labels_keep_clear()
    {
        QFETCH(QString, language);
        QFETCH(QSize, screen);
        Speak(language);
        SheetPainter painter;
        LayoutInput in;
        in.clientWidth = screen.width();
        in.clientHeight = screen.height() - 60; // a maximised window under a panel and a title bar
        in.screenHeight = screen.height();
        in.iCondCheck = in.iDoorCheck = in.iHeatCheck = in.iCoolCheck = true;
        in.columns = painter.FittedColumns(screen.height());
        if (language == u"en")
            QCOMPARE(in.columns, SheetColumns{});
        const LayoutResult layout = ComputeLayout(in);

        SheetFonts fonts;
        const SheetMetrics metrics = SheetMetrics::ForScreen(screen.height());
        QList<Box> boxes = SheetBoxes(layout, metrics, fonts) + ControlBoxes(layout);
        const SheetPoint origin = SheetGeometry::PictureOrigin(layout.wideLayout, layout.formLeft, true);
        const int side = SheetGeometry::ScaledPictureSide(SheetGeometry::PictureScale(
            in.clientWidth - layout.columns.Total(), in.clientHeight, origin, layout.wideLayout));
        boxes << Box{QStringLiteral("the picture"), QRect(origin.x, origin.y, side, side)};
        const QStringList faults = Overlaps(boxes, QRect(0, 0, in.clientWidth - 8, in.clientHeight));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The results list elides what its name column cannot hold; the values keep the rest of the
    // list's 410 pixels.
    void result_names_fit_their_column_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : Languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void result_names_fit_their_column()
    {
        QFETCH(QString, language);
        Speak(language);
        ResultsList list;
        const QFontMetrics fm(list.font());
        const int names = list.horizontalHeader()->sectionSize(0);
        if (language == u"en")
            QCOMPARE(names, ResultsList::kNameWidth);
        for (const char* name : kResultNames) {
            const QString shown = QCoreApplication::translate("ResultRows", name);
            QVERIFY2(fm.horizontalAdvance(shown) <= names - 3, qPrintable(shown));
        }
        QVERIFY(fm.horizontalAdvance(QStringLiteral("-88.8 %1C").arg(QChar(0xba))) + 2 < 410 - names);
    }

    // The Help dialog's fixed places: each button holds its caption, clear of the link.
    void help_buttons_hold_their_captions_data() { result_names_fit_their_column_data(); }

    void help_buttons_hold_their_captions()
    {
        QFETCH(QString, language);
        Speak(language);
        CHelpDlg dialog;
        const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
        QVERIFY(buttons.size() >= 2);
        for (const QPushButton* b : buttons) {
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
            for (const QLabel* link : dialog.findChildren<QLabel*>())
                QVERIFY2(!b->geometry().intersects(link->geometry()), qPrintable(b->text()));
        }
    }

    // The window's command buttons hold their captions, clear of each other and of the results
    // list, on either screen; in English they keep their widths.
    void window_buttons_hold_their_captions_data() { result_names_fit_their_column_data(); }

    void window_buttons_hold_their_captions()
    {
        QFETCH(QString, language);
        Speak(language);
        MemoryProfileStore store;
        DoraRiveDlg window(store);
        window.show();
        for (const QSize client : {QSize(1920, 1020), QSize(1366, 708)}) {
            window.resize(client);
            QTRY_COMPARE(window.Control(ControlId::UnitsButton)->geometry().right(), client.width() - 31);
            QList<Box> boxes{{QStringLiteral("results list"), window.Control(ControlId::ResultsList)->geometry()}};
            for (const ControlId id : {ControlId::HelpButton, ControlId::PrintButton, ControlId::UnitsButton,
                                       ControlId::ProductSelectionButton}) {
                const auto* button = static_cast<const QPushButton*>(window.Control(id));
                const int caption = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
                QVERIFY2(caption + 2 * (ShadeButton::kFocusInset + 2) <= button->width(), qPrintable(button->text()));
                if (language == u"en")
                    QCOMPARE(button->width(), id == ControlId::ProductSelectionButton ? 150 : 80);
                boxes << Box{button->text(), button->geometry()};
            }
            const QStringList faults = Overlaps(boxes, QRect(QPoint(0, 0), client));
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        }
    }
};

QTEST_MAIN(LabelFitTest)
#include "tst_label_fit.moc"
