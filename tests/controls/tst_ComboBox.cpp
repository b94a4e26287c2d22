#include "controls/ComboBox.h"

#include <QAbstractItemView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace
{
const QStringList Frequencies{QStringLiteral("Annually"), QStringLiteral("Semi-annually"),
                              QStringLiteral("Quarterly"), QStringLiteral("Monthly")};

enum class TCodeChange
{
    SelectOther,
    SelectSame,
    Clear,
    ClearAndRefill,
    InsertBeforeCurrent,
    RemoveCurrent,
};

std::unique_ptr<ComboBox> ShownCombo(int ACurrent)
{
    auto combo = std::make_unique<ComboBox>();
    combo->addItems(Frequencies);
    combo->setCurrentIndex(ACurrent);
    combo->show();
    combo->activateWindow();
    combo->setFocus();
    return combo;
}

// Opens the list, moves its highlight to ARow with the arrow keys and confirms with Enter, as a user would.
bool PickFromPopup(ComboBox& ACombo, int ARow)
{
    ACombo.showPopup();
    QAbstractItemView* view = ACombo.view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    if (view->currentIndex().row() != ACombo.currentIndex())
        return false;
    const int steps = ARow - view->currentIndex().row();
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(view, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    if (view->currentIndex().row() != ARow)
        return false;
    QTest::keyClick(view, Qt::Key_Return);
    return !view->window()->isVisible();
}
} // namespace

Q_DECLARE_METATYPE(TCodeChange)

class TestComboBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The offscreen platform reports that popups cannot raise or grab the keyboard; any other warning fails.
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support (raise|grabbing))")));
    }

    void keyboard_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("changes");

        QTest::newRow("down from first") << 0 << QList<int>{Qt::Key_Down} << 1 << 1;
        QTest::newRow("down twice") << 0 << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2 << 2;
        QTest::newRow("down then back up") << 1 << QList<int>{Qt::Key_Down, Qt::Key_Up} << 1 << 2;
        QTest::newRow("up at first item") << 0 << QList<int>{Qt::Key_Up} << 0 << 0;
        QTest::newRow("down at last item") << 3 << QList<int>{Qt::Key_Down} << 3 << 0;
        QTest::newRow("end jumps to last") << 0 << QList<int>{Qt::Key_End} << 3 << 1;
        QTest::newRow("home at first item") << 0 << QList<int>{Qt::Key_Home} << 0 << 0;
        QTest::newRow("letter picks matching item") << 0 << QList<int>{Qt::Key_M} << 3 << 1;
        QTest::newRow("letter of current item") << 3 << QList<int>{Qt::Key_M} << 3 << 0;
    }

    void keyboard()
    {
        QFETCH(int, start);
        QFETCH(QList<int>, keys);
        QFETCH(int, index);
        QFETCH(int, changes);

        const auto combo = ShownCombo(start);
        QSignalSpy spy(combo.get(), &ComboBox::change);
        for (int key : keys) {
            if (key >= Qt::Key_A && key <= Qt::Key_Z)
                QTest::keyClick(combo.get(), char('A' + (key - Qt::Key_A)));
            else
                QTest::keyClick(combo.get(), Qt::Key(key));
        }
        QCOMPARE(combo->currentIndex(), index);
        QCOMPARE(spy.count(), changes);
    }

    void popup_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("picked");
        QTest::addColumn<int>("changes");

        QTest::newRow("next item") << 0 << 1 << 1;
        QTest::newRow("item further down") << 0 << 3 << 1;
        QTest::newRow("first from last") << 3 << 0 << 1;
        QTest::newRow("current item again") << 2 << 2 << 0;
        QTest::newRow("first item again") << 0 << 0 << 0;
    }

    void popup()
    {
        QFETCH(int, start);
        QFETCH(int, picked);
        QFETCH(int, changes);

        const auto combo = ShownCombo(start);
        QSignalSpy spy(combo.get(), &ComboBox::change);
        QVERIFY(PickFromPopup(*combo, picked));
        QCOMPARE(combo->currentIndex(), picked);
        QCOMPARE(spy.count(), changes);
    }

    void codeChangesRunNothing_data()
    {
        QTest::addColumn<TCodeChange>("codeChange");

        QTest::newRow("select another item") << TCodeChange::SelectOther;
        QTest::newRow("select the same item") << TCodeChange::SelectSame;
        QTest::newRow("clear") << TCodeChange::Clear;
        QTest::newRow("clear and refill") << TCodeChange::ClearAndRefill;
        QTest::newRow("insert before current") << TCodeChange::InsertBeforeCurrent;
        QTest::newRow("remove current") << TCodeChange::RemoveCurrent;
    }

    void codeChangesRunNothing()
    {
        QFETCH(TCodeChange, codeChange);

        const auto combo = ShownCombo(1);
        QSignalSpy spy(combo.get(), &ComboBox::change);
        QSignalSpy indexSpy(combo.get(), &QComboBox::currentIndexChanged);
        switch (codeChange) {
        case TCodeChange::SelectOther: combo->setCurrentIndex(3); break;
        case TCodeChange::SelectSame: combo->setCurrentIndex(1); break;
        case TCodeChange::Clear: combo->clear(); break;
        case TCodeChange::ClearAndRefill:
            combo->clear();
            combo->addItems(Frequencies);
            break;
        case TCodeChange::InsertBeforeCurrent: combo->insertItem(0, QStringLiteral("Daily")); break;
        case TCodeChange::RemoveCurrent: combo->removeItem(1); break;
        }
        QCoreApplication::processEvents();
        // Every case but re-selecting the same item moves the current index, which must not count as a pick.
        QCOMPARE(indexSpy.isEmpty(), codeChange == TCodeChange::SelectSame);
        QCOMPARE(spy.count(), 0);
    }

    // The form resets the choice from code (loading settings, say); the user's next pick is judged against
    // that choice, not against what the user picked before.
    void pickAfterCodeChange_data()
    {
        QTest::addColumn<int>("firstPick");
        QTest::addColumn<int>("fromCode");
        QTest::addColumn<int>("secondPick");
        QTest::addColumn<int>("changes");

        QTest::newRow("code moved away, user picks the old item back") << 2 << 0 << 2 << 2;
        QTest::newRow("code moved to an item, user picks it") << 2 << 1 << 1 << 1;
        QTest::newRow("code re-selected the pick, user picks it again") << 2 << 2 << 2 << 1;
        QTest::newRow("code moved away, user picks a third item") << 2 << 0 << 3 << 2;
    }

    void pickAfterCodeChange()
    {
        QFETCH(int, firstPick);
        QFETCH(int, fromCode);
        QFETCH(int, secondPick);
        QFETCH(int, changes);

        const auto combo = ShownCombo(0);
        QSignalSpy spy(combo.get(), &ComboBox::change);
        QVERIFY(PickFromPopup(*combo, firstPick));
        combo->setCurrentIndex(fromCode);
        QVERIFY(PickFromPopup(*combo, secondPick));
        QCOMPARE(combo->currentIndex(), secondPick);
        QCOMPARE(spy.count(), changes);
    }

    void keyAfterCodeChange()
    {
        const auto combo = ShownCombo(0);
        QSignalSpy spy(combo.get(), &ComboBox::change);
        QTest::keyClick(combo.get(), Qt::Key_Down);
        QCOMPARE(spy.count(), 1);
        // Back to the first item from code: the next Down leads to item 1 again, a real change for the user.
        combo->setCurrentIndex(0);
        QTest::keyClick(combo.get(), Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(spy.count(), 2);
    }

    // The form connects its handler to change() and reads currentIndex() there.
    void changeSeesNewIndex()
    {
        const auto combo = ShownCombo(0);
        QList<int> seen;
        connect(combo.get(), &ComboBox::change, this, [&] { seen.append(combo->currentIndex()); });
        QTest::keyClick(combo.get(), Qt::Key_Down);
        QVERIFY(PickFromPopup(*combo, 3));
        QCOMPARE(seen, (QList<int>{1, 3}));
    }
};

QTEST_MAIN(TestComboBox)
#include "tst_ComboBox.moc"
