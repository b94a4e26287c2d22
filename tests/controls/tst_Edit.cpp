#include "controls/Edit.h"

#include <QInputMethodEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void setTextFromCode_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("changes");

        QTest::newRow("empty to a number") << QString() << QStringLiteral("500") << 1;
        QTest::newRow("number to another") << QStringLiteral("500") << QStringLiteral("501") << 1;
        QTest::newRow("same number again") << QStringLiteral("500") << QStringLiteral("500") << 0;
        QTest::newRow("number to empty") << QStringLiteral("500") << QString() << 1;
        QTest::newRow("empty again") << QString() << QString() << 0;
        QTest::newRow("only case differs") << QStringLiteral("abc") << QStringLiteral("ABC") << 1;
        QTest::newRow("trailing blank added") << QStringLiteral("5") << QStringLiteral("5 ") << 1;
    }

    void setTextFromCode()
    {
        QFETCH(QString, before);
        QFETCH(QString, written);
        QFETCH(int, changes);

        Edit edit;
        edit.setText(before);
        QSignalSpy spy(&edit, &Edit::change);
        edit.setText(written);
        QCOMPARE(spy.count(), changes);
        QCOMPARE(edit.text(), written);
    }

    // The handlers read the edit's text, so the text must already be in place when change() runs.
    void changeRunsBeforeSetTextReturns()
    {
        Edit edit;
        QStringList seen;
        connect(&edit, &Edit::change, this, [&] { seen.append(edit.text()); });
        edit.setText(QStringLiteral("1200"));
        QCOMPARE(seen, QStringList{QStringLiteral("1200")});
        edit.setText(QStringLiteral("1200"));
        edit.setText(QStringLiteral("12"));
        QCOMPARE(seen, (QStringList{QStringLiteral("1200"), QStringLiteral("12")}));
    }

    void typing_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("changes");

        QTest::newRow("three digits into empty") << QString() << false << QStringLiteral("123") << 0
                                                 << QStringLiteral("123") << 3;
        QTest::newRow("digit appended") << QStringLiteral("12") << false << QStringLiteral("5") << 0
                                        << QStringLiteral("125") << 1;
        QTest::newRow("backspace removes one") << QStringLiteral("12") << false << QString() << 1
                                               << QStringLiteral("1") << 1;
        QTest::newRow("backspace on empty") << QString() << false << QString() << 1 << QString() << 0;
        QTest::newRow("selected text replaced") << QStringLiteral("500") << true << QStringLiteral("7") << 0
                                                << QStringLiteral("7") << 1;
        // The line edit reports a change when a selection is replaced by the same character; nothing changed.
        QTest::newRow("selected text retyped unchanged")
            << QStringLiteral("5") << true << QStringLiteral("5") << 0 << QStringLiteral("5") << 0;
        QTest::newRow("selection deleted") << QStringLiteral("500") << true << QString() << 1 << QString() << 1;
    }

    void typing()
    {
        QFETCH(QString, before);
        QFETCH(bool, selectAll);
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(QString, after);
        QFETCH(int, changes);

        Edit edit;
        // What a plain edit would do with each key, so only the adapter's change() is under test here.
        connect(&edit, &Edit::keyPress, this,
                [](Edit* AEdit, QChar AKey) { AKey == u'\b' ? AEdit->backspace() : AEdit->insert(AKey); });
        edit.setText(before);
        if (selectAll)
            edit.selectAll();
        else
            edit.end(false);
        QSignalSpy spy(&edit, &Edit::change);
        QTest::keyClicks(&edit, typed);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), after);
        QCOMPARE(spy.count(), changes);
    }

    // An input method's commit counts as typed; its preview neither shows nor removes the selection.
    void inputMethod()
    {
        Edit edit;
        edit.setText(QStringLiteral("$1,000"));
        edit.selectAll();
        QString seen;
        connect(&edit, &Edit::keyPress, this, [&](Edit*, QChar AKey) { seen.append(AKey); });
        QInputMethodEvent preview(QStringLiteral("\u00b4"), {});
        QCoreApplication::sendEvent(&edit, &preview);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("7\u00e9"));
        QCoreApplication::sendEvent(&edit, &commit);
        QCOMPARE(seen, QStringLiteral("7\u00e9"));
        QCOMPARE(edit.selectedText(), QStringLiteral("$1,000"));
    }
};

QTEST_MAIN(TestEdit)
#include "tst_Edit.moc"
