#include "WindowDriver.h"

#include "platform/BalloonNotice.h"
#include "platform/SpinEdit.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <QSlider>
#include <functional>

// The input controls driven through the real window, as a user drives them.
class TestInputHandlers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void typing_data();
    void typing();
    void lengthLimitOnTheInterestRateOnly();
    void pasteFromTheContextMenu_data();
    void pasteFromTheContextMenu();
    void continuousRoundTrip_data();
    void continuousRoundTrip();
    void compoundingOffer_data();
    void compoundingOffer();
    void years_data();
    void years();
    void optionBoxes_data();
    void optionBoxes();
};

namespace {

// Puts the caret where a user would before typing: -1 selects the whole text.
void PlaceCaret(QLineEdit* AField, int ACaret)
{
    AField->setFocus();
    if (ACaret < 0)
        AField->selectAll();
    else
        AField->setCursorPosition(ACaret);
}

// The user's picks, each "list=item", in order.
void PickAll(WindowDriver& ADriver, const QStringList& APicks)
{
    for (const QString& pick : APicks) {
        const QStringList parts = pick.split(u'=');
        ADriver.pick(qPrintable(parts[0]), parts[1]);
    }
}

// A check box clicked with the mouse; a disabled one takes no click.
void Click(WindowDriver& ADriver, const QString& ABox)
{
    QTest::mouseClick(ADriver.control<QCheckBox>(qPrintable(ABox)), Qt::LeftButton);
}

// Opens the field's context menu and picks "Paste" in it, as the user does with the mouse. AWhilePasting
// runs inside the paste, after the recalculation, with the menu as it is then.
void PasteFromContextMenu(QLineEdit* AField, const std::function<void(QMenu*)>& AWhilePasting)
{
    QTimer::singleShot(0, AField, [AField, AWhilePasting] {
        QPointer<QMenu> menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* paste = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().remove(u'&').startsWith(QStringLiteral("Paste")))
                paste = action;
        QVERIFY(paste && paste->isEnabled());
        const QMetaObject::Connection seen =
            QObject::connect(AField, &QLineEdit::textChanged, AField, [&] { AWhilePasting(menu); });
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
        QObject::disconnect(seen);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), AField->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(AField, &event);
}

} // namespace

void TestInputHandlers::typing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // pressed after the typed characters; 0 for none
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("leave");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("figure");

    const int none = Qt::NoModifier;
    QTest::newRow("letter discarded") << "TIntDep" << 6 << "a" << 0 << none << false << "$1,000"
                                      << "lTotal1val"
                                      << "$2,887";
    QTest::newRow("ctrl+v consumed") << "TIntDep" << 6 << "" << int(Qt::Key_V) << int(Qt::ControlModifier)
                                     << false << "$1,000"
                                     << "lTotal1val"
                                     << "$2,887";
    QTest::newRow("shift+insert consumed")
        << "TIntDep" << 6 << "" << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << false << "$1,000"
        << "lTotal1val"
        << "$2,887";
    QTest::newRow("digit recalculates at once") << "TIntDep" << 6 << "0" << 0 << none << false << "$1,0000"
                                                << "lInitialDep1val"
                                                << "$10,000";
    QTest::newRow("digits typed in the middle stay in order")
        << "TIntDep" << 1 << "25" << 0 << none << false << "$251,000"
        << "lInitialDep1val"
        << "$251,000";
    QTest::newRow("leaving regroups") << "TIntDep" << 6 << "0" << 0 << none << true << "$10,000"
                                      << "lInitialDep1val"
                                      << "$10,000";
    QTest::newRow("delete the 1") << "TIntDep" << 1 << "" << int(Qt::Key_Delete) << none << false << "$,000"
                                  << "lInitialDep1val"
                                  << "$0";
    QTest::newRow("select all, 7, leave") << "TRegDep" << -1 << "7" << 0 << none << true << "$7"
                                          << "lRegularDep1val"
                                          << "$70";
    QTest::newRow("a seventh digit refused") << "TRegDep" << -1 << "9999999" << 0 << none << false << "999999"
                                             << "lRegularDep1val"
                                             << "$9,999,990";
    QTest::newRow("backspace removes the digit before the caret")
        << "TRegDep" << 4 << "" << int(Qt::Key_Backspace) << int(Qt::NoModifier) << false << "$10"
        << "lRegularDep1val"
        << "$100";
    QTest::newRow("rate typed over and left") << "TIntRate" << -1 << "12.5" << 0 << none << true << "12.50"
                                              << "lTotalInt1val"
                                              << "$3,045";
    QTest::newRow("a second point refused") << "TIntRate" << -1 << "1..5" << 0 << none << false << "1.5"
                                            << "lTotalInt1val"
                                            << "$231";
}

void TestInputHandlers::typing()
{
    QFETCH(QString, field);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, leave);
    QFETCH(QString, text);
    QFETCH(QString, label);
    QFETCH(QString, figure);
    WindowDriver d;
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    auto* edit = d.control<QLineEdit>(qPrintable(field));
    PlaceCaret(edit, caret);
    QTest::keyClicks(edit, typed);
    if (key)
        QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (leave)
        QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), text);
    QCOMPARE(d.text(qPrintable(label)), figure);
}

void TestInputHandlers::lengthLimitOnTheInterestRateOnly()
{
    WindowDriver d;
    QCOMPARE(d.control<QLineEdit>("TIntRate")->maxLength(), 5);
    QCOMPARE(d.control<QLineEdit>("TInflation")->maxLength(), 32767);
    Click(d, QStringLiteral("chInflation"));
    auto* inflation = d.control<QLineEdit>("TInflation");
    PlaceCaret(inflation, -1);
    QTest::keyClicks(inflation, QStringLiteral("1.2345"));
    QCOMPARE(inflation->text(), QStringLiteral("1.234"));
}

// Pasted text is not filtered while the field has the focus, but the figures stay readable and leaving
// the field brings it back to a value that could have been typed.
void TestInputHandlers::pasteFromTheContextMenu_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("left");

    QTest::newRow("amount above the typing limit") << "TRegDep"
                                                   << "5000000"
                                                   << "5000000"
                                                   << "lRegularDep1val"
                                                   << "$50,000,000"
                                                   << "$999,999";
    QTest::newRow("letters and blanks") << "TIntDep"
                                        << "1 000 abc"
                                        << "1 000 abc"
                                        << "lInitialDep1val"
                                        << "$0"
                                        << "$0";
    QTest::newRow("non-Latin digits") << "TIntDep"
                                      << "\u0661\u0662"
                                      << "\u0661\u0662"
                                      << "lInitialDep1val"
                                      << "$0"
                                      << "$0";
    QTest::newRow("huge exponent in the rate, cut to five characters") << "TIntRate"
                                                                       << "9e9999"
                                                                       << "9e999"
                                                                       << "lTotal1val"
                                                                       << "INF"
                                                                       << "99.99";
    QTest::newRow("rate of any length")
        << "TInflation" << QString(4000, u'7') << QString(4000, u'7') << "lTotal1val"
        << "$"
        << "99.99";
}

void TestInputHandlers::pasteFromTheContextMenu()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    QFETCH(QString, label);
    QFETCH(QString, figure);
    QFETCH(QString, left);
    WindowDriver d;
    auto* edit = d.control<QLineEdit>(qPrintable(field));
    if (field == u"TInflation")
        Click(d, QStringLiteral("chInflation"));
    QGuiApplication::clipboard()->setText(pasted);
    PlaceCaret(edit, -1);
    bool menuAlive = false;
    PasteFromContextMenu(edit, [&](QMenu* AMenu) { menuAlive = AMenu != nullptr; });
    QVERIFY2(menuAlive, "the menu must outlive its own action");
    QCOMPARE(edit->text(), text);
    QVERIFY2(d.text(qPrintable(label)).startsWith(figure), qPrintable(d.text(qPrintable(label))));
    // The menu had the focus for a moment; the window has it back once the user looks at it again.
    d.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d.window));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), left);
}

void TestInputHandlers::continuousRoundTrip_data()
{
    QTest::addColumn<QString>("typed"); // typed at the end of the regular deposit, then the field is left
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<QString>("deposits"); // the regular deposits over the ten years
    QTest::addColumn<bool>("continuous");

    QTest::newRow("continuous forces $0") << "" << QStringList{"CcompFreq=Continuous"} << "$0"
                                          << "$0" << true;
    QTest::newRow("and back restores $100")
        << "" << QStringList{"CcompFreq=Continuous", "CcompFreq=Monthly"} << "$100"
        << "$1,000" << false;
    QTest::newRow("left as $1,005, the typed $1005 comes back")
        << "5" << QStringList{"CcompFreq=Quarterly"} << "$1005"
        << "$10,050" << false;
    QTest::newRow("through continuous, the shown $1,005 comes back")
        << "5" << QStringList{"CcompFreq=Continuous", "CcompFreq=Monthly"} << "$1,005"
        << "$10,050" << false;
    QTest::newRow("continuous picked again keeps the saved deposit")
        << "" << QStringList{"CcompFreq=Continuous", "CcompFreq=Continuous", "CcompFreq=Daily"} << "$100"
        << "$1,000" << false;
}

void TestInputHandlers::continuousRoundTrip()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, picks);
    QFETCH(QString, deposit);
    QFETCH(QString, deposits);
    QFETCH(bool, continuous);
    WindowDriver d;
    auto* regular = d.control<QLineEdit>("TRegDep");
    if (!typed.isEmpty()) {
        PlaceCaret(regular, int(regular->text().size()));
        QTest::keyClicks(regular, typed);
        QTest::keyClick(regular, Qt::Key_Tab);
        QCOMPARE(regular->text(), QStringLiteral("$1,005"));
    }
    PickAll(d, picks);
    QCOMPARE(regular->text(), deposit);
    QCOMPARE(d.text("lRegularDep1val"), deposits);
    QCOMPARE(regular->isEnabled(), !continuous);
    QCOMPARE(d.control<QWidget>("CDefFreq")->isEnabled(), !continuous);
    const QString notice = QStringLiteral("No deposits for continuous compounding.\n"
                                          "Use daily compounding for similar results.");
    QCOMPARE(d.control<QWidget>("CcompFreq")->toolTip(), continuous ? notice : QString());
    auto* balloon = d.window.findChild<BalloonNotice*>(QStringLiteral("BalloonHint"));
    if (continuous) {
        QVERIFY(balloon->isVisible());
        QCOMPARE(balloon->text(), notice);
        QWidget* list = d.control<QWidget>("CcompFreq");
        QCOMPARE(balloon->pos(), list->mapToGlobal(QPoint(0, list->height())));
        QTest::mouseClick(d.control<QWidget>("Chart"), Qt::LeftButton);
        QVERIFY(!balloon->isVisible());
    }
}

void TestInputHandlers::compoundingOffer_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("offer");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<qint64>("periods");

    const QStringList all{"Annually", "Quarterly", "Monthly", "Weekly", "Daily", "Continuous"};
    QTest::newRow("daily compounding with yearly deposits at start")
        << QStringList{"CcompFreq=Daily"} << all << "Daily" << qint64(365);
    QTest::newRow("daily both, deposits to yearly falls to continuous")
        << QStringList{"CDefFreq=Daily", "CcompFreq=Daily", "CDefFreq=Annually"}
        << QStringList{"Annually", "Continuous"} << "Continuous" << qint64(3650);
    QTest::newRow("quarterly kept when deposits go from monthly to weekly")
        << QStringList{"CDefFreq=Monthly", "CcompFreq=Quarterly", "CDefFreq=Weekly"}
        << QStringList{"Annually", "Quarterly", "Monthly", "Weekly", "Continuous"} << "Quarterly"
        << qint64(4);
    QTest::newRow("daily deposits offer everything")
        << QStringList{"CDefFreq=Daily"} << all << "Annually" << qint64(1);
}

void TestInputHandlers::compoundingOffer()
{
    QFETCH(QStringList, picks);
    QFETCH(QStringList, offer);
    QFETCH(QString, chosen);
    QFETCH(qint64, periods);
    WindowDriver d;
    PickAll(d, picks);
    auto* list = d.control<QComboBox>("CcompFreq");
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    QCOMPARE(items, offer);
    QCOMPARE(list->currentText(), chosen);
    QCOMPARE(qint64(d.window.f), periods);
    // A fall to continuous from here is not the continuous state: deposits stay as they were.
    QCOMPARE(d.control<QLineEdit>("TRegDep")->text(), QStringLiteral("$100"));
    QVERIFY(d.control<QWidget>("TRegDep")->isEnabled());
    QVERIFY(d.control<QWidget>("CDefFreq")->isEnabled());
}

void TestInputHandlers::years_data()
{
    QTest::addColumn<int>("startLater"); // track bar position before the years change
    QTest::addColumn<QString>("typed");  // typed over the whole years text
    QTest::addColumn<int>("key");        // pressed afterwards; 0 for none
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("rows");

    QTest::newRow("0 corrected to 1") << 0 << "0" << 0 << "1" << 0 << 0 << "0 Years" << 2;
    QTest::newRow("51 corrected to 50") << 0 << "51" << 0 << "50" << 49 << 0 << "0 Years" << 51;
    QTest::newRow("emptied box counts as 1 and stays empty")
        << 0 << "" << 0 << "" << 0 << 0 << "0 Years" << 2;
    QTest::newRow("9 of 10 falls to 4 at 5 years") << 9 << "5" << 0 << "5" << 4 << 4 << "4 years" << 6;
    QTest::newRow("1 year leaves position 0 only") << 3 << "1" << 0 << "1" << 0 << 0 << "0 years" << 2;
    QTest::newRow("up arrow at 50 stays at 50")
        << 0 << "50" << int(Qt::Key_Up) << "50" << 49 << 0 << "0 Years" << 51;
    QTest::newRow("down arrow at 1 stays at 1")
        << 0 << "1" << int(Qt::Key_Down) << "1" << 0 << 0 << "0 Years" << 2;
    QTest::newRow("up arrow from 10") << 0 << "10" << int(Qt::Key_Up) << "11" << 10 << 0 << "0 Years" << 12;
}

void TestInputHandlers::years()
{
    QFETCH(int, startLater);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, maximum);
    QFETCH(int, position);
    QFETCH(QString, caption);
    QFETCH(int, rows);
    WindowDriver d;
    auto* track = d.control<QSlider>("TB");
    if (startLater)
        track->setValue(startLater);
    auto* years = d.control<SpinEdit>("seYears");
    years->setFocus();
    years->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(years, Qt::Key_Delete);
    QTest::keyClicks(years, typed);
    if (key)
        QTest::keyClick(years, Qt::Key(key));
    QCOMPARE(years->text(), text);
    QCOMPARE(track->maximum(), maximum);
    QCOMPARE(track->value(), position);
    QCOMPARE(d.text("lStartLater"), caption);
    QCOMPARE(d.grid("StrGridFirst")->rowCount(), rows);
}

void TestInputHandlers::optionBoxes_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("to");

    const QString inflation = "chInflation", alternative = "chAlternative", compare = "chInflationCompare";
    const QString none = "single, no inflation", single = "single, with inflation",
                  altNone = "alternative, no inflation", alt = "alternative, with inflation",
                  comparison = "inflation comparison";
    QTest::newRow("tick inflation") << none << inflation << single;
    QTest::newRow("tick alternative") << none << alternative << altNone;
    QTest::newRow("untick inflation") << single << inflation << none;
    QTest::newRow("tick alternative with inflation") << single << alternative << alt;
    QTest::newRow("tick inflation comparison") << single << compare << comparison;
    QTest::newRow("tick inflation with alternative") << altNone << inflation << alt;
    QTest::newRow("untick alternative") << altNone << alternative << none;
    QTest::newRow("untick inflation with alternative") << alt << inflation << altNone;
    QTest::newRow("untick alternative with inflation") << alt << alternative << single;
    QTest::newRow("comparison unticks alternative") << alt << compare << comparison;
    QTest::newRow("untick inflation ends the comparison") << comparison << inflation << none;
    QTest::newRow("alternative unticks comparison") << comparison << alternative << alt;
    QTest::newRow("untick comparison") << comparison << compare << single;
    QTest::newRow("disabled comparison takes no click") << none << compare << none;
}

void TestInputHandlers::optionBoxes()
{
    QFETCH(QString, from);
    QFETCH(QString, clicked);
    QFETCH(QString, to);

    struct TState
    {
        QStringList Clicks; // from the start, to reach the state
        bool Inflation, Alternative, Compare;
    };
    const QMap<QString, TState> states{
        {"single, no inflation", {{}, false, false, false}},
        {"single, with inflation", {{"chInflation"}, true, false, false}},
        {"alternative, no inflation", {{"chAlternative"}, false, true, false}},
        {"alternative, with inflation", {{"chInflation", "chAlternative"}, true, true, false}},
        {"inflation comparison", {{"chInflation", "chInflationCompare"}, true, false, true}},
    };
    WindowDriver d;
    for (const QString& box : states[from].Clicks)
        Click(d, box);
    Click(d, clicked);

    const TState& expected = states[to];
    QCOMPARE(d.control<QCheckBox>("chInflation")->isChecked(), expected.Inflation);
    QCOMPARE(d.control<QCheckBox>("chAlternative")->isChecked(), expected.Alternative);
    QCOMPARE(d.control<QCheckBox>("chInflationCompare")->isChecked(), expected.Compare);
    QCOMPARE(d.control<QWidget>("chInflationCompare")->isEnabled(), expected.Inflation);
    for (const char* input : {"pInflation", "Label5", "TInflation", "Label10"})
        QCOMPARE(d.control<QWidget>(input)->isEnabled(), expected.Inflation);
    for (const char* input : {"APanel", "TAltdep", "CAltFreq", "TB", "lStartLater"})
        QCOMPARE(d.control<QWidget>(input)->isEnabled(), expected.Alternative);
    const bool comparison = expected.Alternative || expected.Compare;
    QCOMPARE(!d.control<QWidget>("PieChartAlt")->isHidden(), comparison);
    QCOMPARE(d.bars(5)->count(), comparison ? 10 : 0);
    if (comparison)
        QCOMPARE(d.text("lStats2"), !expected.Alternative ? QStringLiteral("Your strategy (no inflation)")
                                    : expected.Inflation
                                        ? QStringLiteral("Alternative strategy (inf. 3.00 %)")
                                        : QStringLiteral("Alternative strategy (no inflation)"));
    QCOMPARE(d.text("lStats1"), expected.Inflation ? QStringLiteral("Your strategy (inf. 3.00 %)")
                                                   : QStringLiteral("Your strategy (no inflation)"));
}

QTEST_MAIN(TestInputHandlers)
#include "tst_InputHandlers.moc"
