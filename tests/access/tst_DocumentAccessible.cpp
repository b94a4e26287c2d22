#include "access/DocumentAccessible.h"

#include <QTest>
#include <QTextBrowser>

// A document's headings and links as a screen reader finds them among its children, in reading order.
class TestDocumentAccessible : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headingsAndLinksInOrder_data();
    void headingsAndLinksInOrder();
};

void TestDocumentAccessible::headingsAndLinksInOrder_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("a heading, then a link inside a sentence")
        << "<h2>Title</h2><p>See <a href=\"#x\">the rest</a> below.</p>"
        << QStringList{"heading: Title", "link: the rest"};
    QTest::newRow("a link with a bold word is one link")
        << "<p><a href=\"#x\">one <b>two</b></a></p>" << QStringList{"link: one two"};
    QTest::newRow("two links side by side stay two")
        << "<p><a href=\"#x\">a</a><a href=\"#y\">b</a></p>" << QStringList{"link: a", "link: b"};
    QTest::newRow("a named anchor is no link")
        << "<h3 id=\"s\">Section</h3><p><a name=\"n\">named</a></p>" << QStringList{"heading: Section"};
    QTest::newRow("a link in a table cell")
        << "<table><tr><td>x</td><td><a href=\"#x\">cell</a></td></tr></table>" << QStringList{"link: cell"};
}

void TestDocumentAccessible::headingsAndLinksInOrder()
{
    QFETCH(QString, html);
    QFETCH(QStringList, parts);
    QTextBrowser view;
    view.setHtml(html);
    DocumentAccessible document(&view);
    QStringList found;
    for (int index = 0; index < document.childCount(); ++index) {
        const QAccessibleInterface* part = document.child(index);
        QCOMPARE(document.indexOfChild(part), index);
        const QString role =
            part->role() == QAccessible::Heading ? QStringLiteral("heading") : QStringLiteral("link");
        found << role + QStringLiteral(": ") + part->text(QAccessible::Name);
    }
    QCOMPARE(found, parts);
}

QTEST_MAIN(TestDocumentAccessible)
#include "tst_DocumentAccessible.moc"
