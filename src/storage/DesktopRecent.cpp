#include "storage/DesktopRecent.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString kBookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

struct Entry {
    QString href;
    QString mimeType;
    QString application;
    QString command;
    QString now;
};

void WriteBookmark(QXmlStreamWriter& out, const Entry& e)
{
    out.writeStartElement(QStringLiteral("bookmark"));
    out.writeAttribute(QStringLiteral("href"), e.href);
    for (const char* stamp : {"added", "modified", "visited"})
        out.writeAttribute(QString::fromLatin1(stamp), e.now);
    out.writeStartElement(QStringLiteral("info"));
    out.writeStartElement(QStringLiteral("metadata"));
    out.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    out.writeEmptyElement(kMimeNs, QStringLiteral("mime-type"));
    out.writeAttribute(QStringLiteral("type"), e.mimeType);
    out.writeStartElement(kBookmarkNs, QStringLiteral("applications"));
    out.writeEmptyElement(kBookmarkNs, QStringLiteral("application"));
    out.writeAttribute(QStringLiteral("name"), e.application);
    out.writeAttribute(QStringLiteral("exec"), QLatin1Char('\'') + e.command + QLatin1Char('\''));
    out.writeAttribute(QStringLiteral("modified"), e.now);
    out.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    out.writeEndElement(); // applications
    out.writeEndElement(); // metadata
    out.writeEndElement(); // info
    out.writeEndElement(); // bookmark
}

// Copies the list with the file's old bookmark left out and the new one last; false when the
// list is no XBEL document.
bool Rewrite(const QByteArray& old, const Entry& entry, QXmlStreamWriter& out)
{
    QXmlStreamReader in(old);
    bool inRoot = false;
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement() && in.name() == QLatin1String("bookmark") &&
            in.attributes().value(QLatin1String("href")) == entry.href) {
            in.skipCurrentElement();
            continue;
        }
        if (in.isStartElement() && !inRoot) {
            if (in.name() != QLatin1String("xbel"))
                return false;
            inRoot = true;
        }
        if (in.isEndElement() && in.name() == QLatin1String("xbel"))
            WriteBookmark(out, entry);
        if (!in.isStartDocument() && !in.isEndDocument() && in.tokenType() != QXmlStreamReader::Invalid)
            out.writeCurrentToken(in);
    }
    return inRoot && !in.hasError();
}

QByteArray EmptyList()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\" xmlns:bookmark=\"" +
           kBookmarkNs.toUtf8() + "\" xmlns:mime=\"" + kMimeNs.toUtf8() + "\"></xbel>\n";
}

} // namespace

QString DesktopRecent::ListPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/recently-used.xbel");
}

bool DesktopRecent::Add(const QString& filePath, const QString& mimeType, const QString& applicationName,
                        const QString& command)
{
    const QString list = ListPath();
    QByteArray old = EmptyList();
    if (QFile file(list); file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        old = file.readAll();
    }
    const Entry entry{QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded), mimeType, applicationName, command,
                      QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz000Z"))};
    QBuffer text;
    text.open(QIODevice::WriteOnly);
    QXmlStreamWriter out(&text);
    out.writeStartDocument();
    if (!Rewrite(old, entry, out))
        return false;
    out.writeEndDocument();
    if (!QDir().mkpath(QFileInfo(list).absolutePath()))
        return false;
    QSaveFile file(list);
    return file.open(QIODevice::WriteOnly) && file.write(text.data()) == text.data().size() && file.commit();
}
