// dialog-viewer help|about: shows one dialog on its own, to look at it.

#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDlg.h"
#include "version/VersionTexts.h"

#include <QApplication>
#include <QStyle>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("help");
    if (which == u"about") {
        const VersionTexts texts = ReadVersionTexts();
        CAboutDlg about(texts.productName, texts.versionText, app.style()->standardIcon(QStyle::SP_ComputerIcon));
        return about.exec();
    }
    CHelpDlg help;
    return help.exec();
}
