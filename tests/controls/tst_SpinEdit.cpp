#include "controls/SpinEdit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace
{
// Replaces the whole text the way a user does: select everything, then type (or delete when ATyped is empty).
void TypeOver(SpinEdit& ABox, const QString& ATyped)
{
    ABox.selectAll();
    if (ATyped.isEmpty())
        QTest::keyClick(&ABox, Qt::Key_Delete);
    else
        QTest::keyClicks(&ABox, ATyped);
}

QLineEdit* EditOf(SpinEdit& ABox)
{
    return ABox.findChild<QLineEdit*>();
}
} // namespace

class TestSpinEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void valueReadsText_data()
    {
        QTest::addColumn<int>("minValue");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("inRange");

        QTest::newRow("zero below the minimum") << 1 << 50 << QStringLiteral("0") << 0 << 1;
        QTest::newRow("one above the maximum") << 1 << 50 << QStringLiteral("51") << 51 << 50;
        QTest::newRow("negative") << 1 << 50 << QStringLiteral("-3") << -3 << 1;
        QTest::newRow("inside the limits") << 1 << 50 << QStringLiteral("25") << 25 << 25;
        QTest::newRow("at the maximum") << 1 << 50 << QStringLiteral("50") << 50 << 50;
        QTest::newRow("at the minimum") << 1 << 50 << QStringLiteral("1") << 1 << 1;
        QTest::newRow("far above the maximum") << 1 << 50 << QStringLiteral("999999") << 999999 << 50;
        QTest::newRow("emptied box reads the minimum") << 1 << 50 << QString() << 1 << 1;
        QTest::newRow("lone minus reads the minimum") << 1 << 50 << QStringLiteral("-") << 1 << 1;
        QTest::newRow("emptied box, minimum zero") << 0 << 100 << QString() << 0 << 0;
        QTest::newRow("lone minus, negative minimum") << -5 << 5 << QStringLiteral("-") << -5 << -5;
        QTest::newRow("negative inside negative limits") << -5 << 5 << QStringLiteral("-4") << -4 << -4;
        // Limits crossed while the form adjusts them: the minimum wins.
        QTest::newRow("maximum below minimum") << 5 << 3 << QStringLiteral("4") << 4 << 5;
        QTest::newRow("maximum below minimum, value above both") << 5 << 3 << QStringLiteral("9") << 9 << 5;
    }

    void valueReadsText()
    {
        QFETCH(int, minValue);
        QFETCH(int, maxValue);
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(int, inRange);

        SpinEdit box;
        box.setMinValue(minValue);
        box.setMaxValue(maxValue);
        box.setValue(7);
        TypeOver(box, typed);
        QCOMPARE(box.text(), typed);
        QCOMPARE(box.Value(), value);
        QCOMPARE(box.property("value").toInt(), value);
        QCOMPARE(box.ValueInRange(), inRange);
    }

    // Typing cannot get past the box's own range, but a text written into it directly must not wrap around.
    void valueBeyondIntReadsMinimum_data()
    {
        QTest::addColumn<QString>("text");

        QTest::newRow("one above int") << QStringLiteral("2147483648");
        QTest::newRow("one below int") << QStringLiteral("-2147483649");
        QTest::newRow("beyond 64 bits") << QStringLiteral("99999999999999999999");
    }

    void valueBeyondIntReadsMinimum()
    {
        QFETCH(QString, text);

        SpinEdit box;
        box.setMinValue(2);
        EditOf(box)->setText(text);
        QCOMPARE(box.text(), text);
        QCOMPARE(box.Value(), 2);
        QCOMPARE(box.ValueInRange(), 2);
    }

    void setValueFromCode_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("emptiedByUser");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("changes");

        QTest::newRow("new value") << 5 << false << 7 << 1;
        QTest::newRow("same value") << 5 << false << 5 << 0;
        QTest::newRow("to zero") << 5 << false << 0 << 1;
        QTest::newRow("to negative") << 5 << false << -3 << 1;
        // The box still holds 5 behind the empty text; writing 5 puts the text back, which is a change.
        QTest::newRow("same value after the box was emptied") << 5 << true << 5 << 1;
        QTest::newRow("other value after the box was emptied") << 5 << true << 9 << 1;
    }

    void setValueFromCode()
    {
        QFETCH(int, before);
        QFETCH(bool, emptiedByUser);
        QFETCH(int, written);
        QFETCH(int, changes);

        SpinEdit box;
        box.setValue(before);
        if (emptiedByUser)
            TypeOver(box, QString());
        QSignalSpy spy(&box, &SpinEdit::change);
        box.setValue(written);
        QCOMPARE(spy.count(), changes);
        QCOMPARE(box.Value(), written);
    }

    void typing_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("changes");

        QTest::newRow("two digits over a selection") << 5 << QList<int>{} << QStringLiteral("12")
                                                     << QStringLiteral("12") << 2;
        QTest::newRow("digit appended") << 5 << QList<int>{Qt::Key_End} << QStringLiteral("1")
                                        << QStringLiteral("51") << 1;
        QTest::newRow("backspace to empty") << 5 << QList<int>{Qt::Key_End, Qt::Key_Backspace} << QString()
                                            << QString() << 1;
        QTest::newRow("minus then digits") << 5 << QList<int>{} << QStringLiteral("-12") << QStringLiteral("-12")
                                           << 3;
        QTest::newRow("same digit over the selection") << 5 << QList<int>{} << QStringLiteral("5")
                                                       << QStringLiteral("5") << 0;
        QTest::newRow("letter refused") << 5 << QList<int>{Qt::Key_End} << QStringLiteral("x") << QStringLiteral("5")
                                        << 0;
        QTest::newRow("arrow up steps") << 5 << QList<int>{Qt::Key_Up} << QString() << QStringLiteral("6") << 1;
        QTest::newRow("arrow down steps") << 5 << QList<int>{Qt::Key_Down} << QString() << QStringLiteral("4")
                                          << 1;
    }

    void typing()
    {
        QFETCH(int, before);
        QFETCH(QList<int>, keys);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(int, changes);

        SpinEdit box;
        box.setValue(before);
        box.selectAll();
        QSignalSpy spy(&box, &SpinEdit::change);
        for (int key : keys)
            QTest::keyClick(&box, Qt::Key(key));
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.text(), after);
        QCOMPARE(spy.count(), changes);
    }

    // The handler reads Value() as each digit arrives, so the text must be in place when change() runs.
    void changeSeesTypedText()
    {
        SpinEdit box;
        box.setValue(5);
        box.selectAll();
        QList<int> seen;
        connect(&box, &SpinEdit::change, this, [&] { seen.append(box.Value()); });
        QTest::keyClicks(&box, QStringLiteral("37"));
        box.setValue(12);
        QCOMPARE(seen, (QList<int>{3, 37, 12}));
    }
};

QTEST_MAIN(TestSpinEdit)
#include "tst_SpinEdit.moc"
