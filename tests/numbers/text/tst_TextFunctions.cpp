#include "numbers/text/TextFunctions.h"

#include <QRegularExpression>
#include <QTest>

class TestTextFunctions : public QObject
{
    Q_OBJECT

private:
    static int Sign(int AValue) { return (AValue > 0) - (AValue < 0); }

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void compareText_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");

        QTest::newRow("both empty") << QString() << QString() << 0;
        QTest::newRow("null equals empty") << QString() << QStringLiteral("") << 0;
        QTest::newRow("same text") << QStringLiteral("Monthly") << QStringLiteral("Monthly") << 0;
        QTest::newRow("case differs only") << QStringLiteral("monthly") << QStringLiteral("MONTHLY") << 0;
        QTest::newRow("mixed case equal") << QStringLiteral("QuArTeRlY") << QStringLiteral("qUaRtErLy") << 0;
        // A case-sensitive compare would put every capital before every small letter.
        QTest::newRow("small before capital by letter") << QStringLiteral("apple") << QStringLiteral("Banana") << -1;
        QTest::newRow("capital after small by letter") << QStringLiteral("Zebra") << QStringLiteral("apple") << 1;
        QTest::newRow("prefix sorts first") << QStringLiteral("ABC") << QStringLiteral("abcd") << -1;
        QTest::newRow("non-empty after empty") << QStringLiteral("a") << QString() << 1;
        QTest::newRow("difference after equal prefix") << QStringLiteral("Rate A") << QStringLiteral("rate b") << -1;
    }

    void compareText()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);

        QCOMPARE(Sign(CompareText(a, b)), sign);
        QCOMPARE(Sign(CompareText(b, a)), -sign);
    }

    void stringReplace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");

        QTest::newRow("only the first of several") << QStringLiteral("a-b-c") << QStringLiteral("-")
                                                   << QStringLiteral("+") << QStringLiteral("a+b-c");
        QTest::newRow("not found") << QStringLiteral("abc") << QStringLiteral("x") << QStringLiteral("y")
                                   << QStringLiteral("abc");
        QTest::newRow("empty pattern changes nothing") << QStringLiteral("abc") << QString()
                                                       << QStringLiteral("y") << QStringLiteral("abc");
        QTest::newRow("empty text") << QString() << QStringLiteral("a") << QStringLiteral("b") << QString();
        QTest::newRow("case-sensitive skips other case")
            << QStringLiteral("Hello hello") << QStringLiteral("hello") << QStringLiteral("bye")
            << QStringLiteral("Hello bye");
        QTest::newRow("case-sensitive no match") << QStringLiteral("HELLO") << QStringLiteral("hello")
                                                 << QStringLiteral("bye") << QStringLiteral("HELLO");
        QTest::newRow("at the start") << QStringLiteral("%s years") << QStringLiteral("%s")
                                      << QStringLiteral("10") << QStringLiteral("10 years");
        QTest::newRow("at the end") << QStringLiteral("years: %s") << QStringLiteral("%s")
                                    << QStringLiteral("10") << QStringLiteral("years: 10");
        QTest::newRow("whole text") << QStringLiteral("abc") << QStringLiteral("abc") << QStringLiteral("z")
                                    << QStringLiteral("z");
        QTest::newRow("replacement empty") << QStringLiteral("a, b, c") << QStringLiteral(", ") << QString()
                                           << QStringLiteral("ab, c");
        QTest::newRow("replacement contains pattern") << QStringLiteral("aXa") << QStringLiteral("a")
                                                      << QStringLiteral("aa") << QStringLiteral("aaXa");
        QTest::newRow("overlapping candidates take leftmost")
            << QStringLiteral("aaa") << QStringLiteral("aa") << QStringLiteral("b") << QStringLiteral("ba");
        QTest::newRow("pattern longer than text") << QStringLiteral("ab") << QStringLiteral("abc")
                                                  << QStringLiteral("z") << QStringLiteral("ab");
    }

    void stringReplace()
    {
        QFETCH(QString, text);
        QFETCH(QString, old);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);

        QCOMPARE(StringReplace(text, old, replacement), expected);
    }
};

QTEST_GUILESS_MAIN(TestTextFunctions)
#include "tst_TextFunctions.moc"
