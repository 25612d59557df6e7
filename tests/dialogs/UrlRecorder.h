#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the browser through Qt's own URL-handler hook: while it lives, openUrl hands
// every address of its scheme to it instead of to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    static constexpr char kScheme[] = "nordavik-test";

    UrlRecorder() { QDesktopServices::setUrlHandler(QString::fromLatin1(kScheme), this, "Open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QString::fromLatin1(kScheme)); }

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};
