// The desktop's recent list: a calculation goes in once, with its type and command, and every
// other entry stays as it was; a list that is no XBEL document is never written over.

#include "TestEnvironment.h"
#include "storage/DesktopRecent.h"

#include <QDir>
#include <QFile>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QByteArray kOtherApps = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<xbel version=\"1.0\"\n"
                              "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
                              "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
                              ">\n"
                              "  <bookmark href=\"file:///home/u/notes.txt\" added=\"2026-01-02T10:00:00.000000Z\" "
                              "modified=\"2026-01-02T10:00:00.000000Z\" visited=\"2026-01-02T10:00:00.000000Z\">\n"
                              "    <info>\n"
                              "      <metadata owner=\"http://freedesktop.org\">\n"
                              "        <mime:mime-type type=\"text/plain\"/>\n"
                              "        <bookmark:applications>\n"
                              "          <bookmark:application name=\"gedit\" exec=\"&apos;gedit %u&apos;\" "
                              "modified=\"2026-01-02T10:00:00Z\" count=\"3\"/>\n"
                              "        </bookmark:applications>\n"
                              "      </metadata>\n"
                              "    </info>\n"
                              "  </bookmark>\n"
                              "</xbel>\n";

const QString kBookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

// Each bookmark as "href|mime type|application name|exec", read with namespaces resolved.
QStringList Bookmarks(const QByteArray& list)
{
    QStringList found;
    QXmlStreamReader in(list);
    QString current;
    while (!in.atEnd()) {
        if (in.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (in.name() == QLatin1String("bookmark") && in.namespaceUri().isEmpty())
            current = in.attributes().value("href").toString();
        else if (in.name() == QLatin1String("mime-type") && in.namespaceUri() == kMimeNs)
            current += u'|' + in.attributes().value("type").toString();
        else if (in.name() == QLatin1String("application") && in.namespaceUri() == kBookmarkNs)
            found << current + u'|' + in.attributes().value("name").toString() + u'|' +
                         in.attributes().value("exec").toString();
    }
    if (in.hasError())
        found << QStringLiteral("error: ") + in.errorString();
    return found;
}

QByteArray ReadList()
{
    QFile file(DesktopRecent::ListPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteList(const QByteArray& text)
{
    QDir().mkpath(QFileInfo(DesktopRecent::ListPath()).absolutePath());
    QFile file(DesktopRecent::ListPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

const QString kOurs = QStringLiteral("file:///tmp/a%20cabinet.kaldora|application/x-nordavik-kaldora|Nordavik "
                                     "Kaldora|'dorarive %f'");

bool AddOurs()
{
    return DesktopRecent::Add(QStringLiteral("/tmp/a cabinet.kaldora"),
                              QStringLiteral("application/x-nordavik-kaldora"), QStringLiteral("Nordavik Kaldora"),
                              QStringLiteral("dorarive %f"));
}

} // namespace

class DesktopRecentTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void init() { QFile::remove(DesktopRecent::ListPath()); }

    void a_new_list_holds_the_file()
    {
        QVERIFY(AddOurs());
        QCOMPARE(Bookmarks(ReadList()), QStringList{kOurs});
    }

    void other_entries_stay_and_the_file_goes_in_once()
    {
        WriteList(kOtherApps);
        QVERIFY(AddOurs());
        QVERIFY(AddOurs());
        const QString other = QStringLiteral("file:///home/u/notes.txt|text/plain|gedit|'gedit %u'");
        QCOMPARE(Bookmarks(ReadList()), QStringList({other, kOurs}));
        QVERIFY(ReadList().contains("count=\"3\""));
    }

    void a_list_that_is_no_xbel_is_left_alone()
    {
        const QByteArray broken = "<xbel version=\"1.0\"><bookmark href=\"file:///x\">";
        WriteList(broken);
        QVERIFY(!AddOurs());
        QCOMPARE(ReadList(), broken);
        WriteList("<html></html>");
        QVERIFY(!AddOurs());
        QCOMPARE(ReadList(), QByteArray("<html></html>"));
    }
};

QTEST_MAIN(DesktopRecentTest)
#include "tst_desktoprecent.moc"
