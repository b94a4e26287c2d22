#include "MarkedText.h"
#include "WindowDriver.h"

#include "controls/BalloonNotice.h"

#include <QClipboard>
#include <QMenu>
#include <QPointer>
#include <QSlider>
#include <QTimer>

namespace {

Edit* FieldWith(WindowDriver& ADriver, const QString& AField, const QString& AMarked)
{
    auto* field = ADriver.control<Edit>(qPrintable(AField));
    if (AField == u"TInflation")
        ADriver.check("chInflation", true);
    const TMarkedText start = TMarkedText::Read(AMarked);
    field->setFocus();
    field->setText(start.Text);
    field->setSelection(start.SelStart + start.SelLength, -start.SelLength);
    return field;
}

void Click(WindowDriver& ADriver, const QString& ABox)
{
    QTest::mouseClick(ADriver.control<QCheckBox>(qPrintable(ABox)), Qt::LeftButton);
}

} // namespace

// The input controls driven through the real window, as a user drives them.
class TestInputHandlers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }

    // Keys as a key sequence ("Ctrl+V", "1, Tab"): characters outside the rules, clipboard and undo keys do
    // nothing, but the Insert keys paste and copy as in any edit; the clipboard holds "99" until copied to.
    void keys_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("total"); // the total savings shown

        // clang-format off
        QTest::newRow("digit recalculates") << "TIntDep" << "$1,000|" << "0" << "$1,0000|" << "$17,547";
        QTest::newRow("in the middle") << "TIntDep" << "$|1,000" << "2, 5" << "$25|1,000" << "$410,110";
        QTest::newRow("leaving regroups") << "TIntDep" << "$1,000|" << "0, Tab" << "$10,000|" << "$17,547";
        QTest::newRow("letter") << "TIntDep" << "$1,[0]00" << "A" << "$1,[0]00" << "$2,887";
        QTest::newRow("ctrl+v") << "TIntDep" << "$1,[0]00" << "Ctrl+V" << "$1,[0]00" << "$2,887";
        QTest::newRow("shift+insert pastes") << "TIntDep" << "$1,[0]00" << "Shift+Ins" << "$1,99|00" << "$33,673";
        QTest::newRow("ctrl+insert copies") << "TIntDep" << "$[1],000" << "Ctrl+Ins, End, Shift+Ins" << "$1,0001|" << "$17,548";
        QTest::newRow("insert alone") << "TIntDep" << "$1,[0]00" << "Ins" << "$1,[0]00" << "$2,887";
        QTest::newRow("cut, undo") << "TIntDep" << "$1,[0]00" << "Ctrl+X, Ctrl+Z" << "$1,[0]00" << "$2,887";
        QTest::newRow("shift+delete") << "TIntDep" << "$1,[0]00" << "Shift+Del" << "$1,|00" << "$1,421";
        QTest::newRow("ctrl+backspace") << "TRegDep" << "$100|" << "Ctrl+Backspace" << "$100|" << "$2,887";
        QTest::newRow("backspace") << "TRegDep" << "$100|" << "Backspace" << "$10|" << "$1,755";
        QTest::newRow("arrows, select") << "TRegDep" << "$10|0" << "Left, Shift+End" << "$1[00]" << "$2,887";
        QTest::newRow("second point refused") << "TIntRate" << "[5.00]" << "1, ., ., 5" << "1.5|" << "$2,231";
        QTest::newRow("sixth character refused") << "TInflation" << "1.23|" << "4, 5" << "1.234|" << "$2,627";
        // clang-format on
    }

    void keys()
    {
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        QFETCH(QString, total);
        WindowDriver d;
        QGuiApplication::clipboard()->setText(QStringLiteral("99"));
        Edit* edit = FieldWith(d, field, before);
        QTest::keySequence(edit, QKeySequence(keys));
        QCOMPARE((TMarkedText{edit->text(), edit->SelStart(), edit->SelLength()}.Written()), after);
        QCOMPARE(d.text("lTotal1val"), total);
        if (!keys.contains(QStringLiteral("Ctrl+Ins")))
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("99"));
    }

    // Pasted text is not filtered while the field has the focus, yet the figures stay readable and leaving
    // brings it back to a value typing could give.
    void pasteFromTheContextMenu_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown"); // "label=how its text begins"
        QTest::addColumn<QString>("left");

        // clang-format off
        QTest::newRow("too large") << "TRegDep" << "5000000" << "lRegularDep1val=$50,000,0" << "$999,999";
        QTest::newRow("letters, blanks") << "TIntDep" << "1 0a\u0661" << "lInitialDep1val=$0" << "$0";
        QTest::newRow("huge exponent") << "TIntRate" << "9e9999" << "lTotal1val=INF" << "99.99";
        QTest::newRow("4000 digits") << "TInflation" << QString(4000, u'7') << "lTotal1val=$" << "99.99";
        // clang-format on
    }

    void pasteFromTheContextMenu()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(QString, left);
        WindowDriver d;
        Edit* edit = FieldWith(d, field, QStringLiteral("[$1]"));
        QGuiApplication::clipboard()->setText(pasted);
        // The menu runs its own loop: its "Paste" is picked from inside it. Checked inside the paste, after
        // its recalculation: the menu must still be there, as its action is still running.
        QPointer<QMenu> menu;
        bool menuAlive = false;
        connect(edit, &QLineEdit::textChanged, this, [&] { menuAlive = !menu.isNull(); });
        QTimer::singleShot(0, this, [&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions()) {
                // The field discards Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+Z and Ctrl+A: the menu names none of them.
                QVERIFY2(!action->text().contains(u'\t'), qPrintable(action->text()));
                if (action->text().remove(u'&').startsWith(QStringLiteral("Paste")))
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(edit, &event);
        QVERIFY(menuAlive);
        QCOMPARE(edit->text(), pasted.left(edit->maxLength()));
        const QString figure = d.text(qPrintable(shown.section(u'=', 0, 0)));
        QVERIFY2(figure.startsWith(shown.section(u'=', 1)), qPrintable(figure));
        // The menu had the focus for a moment; the window has it back when the user returns to it.
        d.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.window));
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->text(), left);
    }

    void continuousRoundTrip_data()
    {
        QTest::addColumn<QString>("typed"); // at the end of the regular deposit, before the field is left
        QTest::addColumn<QString>("picks"); // compounding frequencies, in order
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<QString>("deposits"); // over the ten years

        // clang-format off
        QTest::newRow("continuous forces $0") << "" << "Continuous" << "$0" << "$0";
        QTest::newRow("and back restores $100") << "" << "Continuous, Monthly" << "$100" << "$1,000";
        QTest::newRow("left $1,005, typed $1005 back") << "5" << "Quarterly" << "$1005" << "$10,050";
        QTest::newRow("via continuous, $1,005 back") << "5" << "Continuous, Monthly" << "$1,005" << "$10,050";
        QTest::newRow("continuous twice") << "" << "Continuous, Continuous, Daily" << "$100" << "$1,000";
        // clang-format on
    }

    void continuousRoundTrip()
    {
        QFETCH(QString, typed);
        QFETCH(QString, picks);
        QFETCH(QString, deposit);
        QFETCH(QString, deposits);
        WindowDriver d;
        Edit* regular = FieldWith(d, QStringLiteral("TRegDep"), QStringLiteral("$100|"));
        QTest::keyClicks(regular, typed);
        QTest::keyClick(regular, Qt::Key_Tab);
        for (const QString& pick : picks.split(QStringLiteral(", ")))
            d.pick("CcompFreq", pick);
        QCOMPARE(regular->text(), deposit);
        QCOMPARE(d.text("lRegularDep1val"), deposits);
        const bool continuous = picks.endsWith(QStringLiteral("Continuous"));
        QCOMPARE(regular->isEnabled(), !continuous);
        QCOMPARE(d.control<QWidget>("CDefFreq")->isEnabled(), !continuous);
        QWidget* list = d.control<QWidget>("CcompFreq");
        const QString notice = QStringLiteral("No deposits for continuous compounding.\n"
                                              "Use daily compounding for similar results.");
        QCOMPARE(list->toolTip(), continuous ? notice : QString());
        auto* balloon = d.window.findChild<BalloonNotice*>(QStringLiteral("BalloonHint"));
        QCOMPARE(balloon->isVisible(), continuous);
        if (continuous) {
            QCOMPARE(balloon->text(), notice);
            QCOMPARE(balloon->pos(), list->mapToGlobal(QPoint(0, list->height())));
        }
    }

    void compoundingOffer_data()
    {
        QTest::addColumn<QString>("picks"); // "list=item", in order
        QTest::addColumn<QString>("offer"); // the chosen item in brackets
        QTest::addColumn<qint64>("periods");

        // clang-format off
        QTest::newRow("daily compounding, yearly deposits, at start") << "CcompFreq=Daily"
            << "Annually Quarterly Monthly Weekly [Daily] Continuous" << qint64(365);
        QTest::newRow("daily both, deposits to yearly: continuous, unhandled")
            << "CDefFreq=Daily, CcompFreq=Daily, CDefFreq=Annually"
            << "Annually [Continuous]" << qint64(3650);
        QTest::newRow("quarterly kept, deposits monthly to weekly")
            << "CDefFreq=Monthly, CcompFreq=Quarterly, CDefFreq=Weekly"
            << "Annually [Quarterly] Monthly Weekly Continuous" << qint64(4);
        // clang-format on
    }

    void compoundingOffer()
    {
        QFETCH(QString, picks);
        QFETCH(QString, offer);
        QFETCH(qint64, periods);
        WindowDriver d;
        for (const QString& pick : picks.split(QStringLiteral(", ")))
            d.pick(qPrintable(pick.section(u'=', 0, 0)), pick.section(u'=', 1));
        auto* list = d.control<QComboBox>("CcompFreq");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(i == list->currentIndex() ? u'[' + list->itemText(i) + u']' : list->itemText(i));
        QCOMPARE(items.join(u' '), offer);
        QCOMPARE(qint64(d.window.f), periods);
        QCOMPARE(d.control<QLineEdit>("TRegDep")->text(), QStringLiteral("$100"));
        QVERIFY(d.control<QWidget>("TRegDep")->isEnabled() && d.control<QWidget>("CDefFreq")->isEnabled());
    }

    void years_data()
    {
        QTest::addColumn<int>("startLater"); // before the years change
        QTest::addColumn<QString>("keys");   // over the whole years text
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("caption");

        // clang-format off
        QTest::newRow("0 corrected to 1")                     << 0 << "0"        << "1"  << 0  << "0 Years";
        QTest::newRow("51 corrected to 50")                   << 0 << "5, 1"     << "50" << 49 << "0 Years";
        QTest::newRow("up arrow at 50 stays")                 << 0 << "5, 0, Up" << "50" << 49 << "0 Years";
        QTest::newRow("emptied box counts as 1, stays empty") << 0 << "Del"      << ""   << 0  << "0 Years";
        QTest::newRow("emptied, then left: stays empty")      << 0 << "7, Backspace, Tab"  << ""  << 0 << "0 Years";
        QTest::newRow("emptied, up arrow steps from 1")       << 0 << "7, Backspace, Up"   << "2" << 1 << "0 Years";
        QTest::newRow("emptied, down arrow corrected to 1")   << 0 << "7, Backspace, Down" << "1" << 0 << "0 Years";
        QTest::newRow("9 of 10 falls to 4 at 5 years")        << 9 << "5"        << "5"  << 4  << "4 years";
        // clang-format on
    }

    void years()
    {
        QFETCH(int, startLater);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, maximum);
        QFETCH(QString, caption);
        WindowDriver d;
        auto* track = d.control<QSlider>("TB");
        track->setValue(startLater);
        auto* years = d.control<QAbstractSpinBox>("seYears");
        years->setFocus();
        years->selectAll();
        QTest::keySequence(years, QKeySequence(keys));
        QCOMPARE(years->text(), text);
        QCOMPARE(track->maximum(), maximum);
        QCOMPARE(track->value(), std::min(startLater, maximum));
        QCOMPARE(d.text("lStartLater"), caption);
        QCOMPARE(d.grid("StrGridFirst")->rowCount(), maximum + 2);
        // The figures shown are those of the number the box shows: computing anew changes nothing.
        const QString total = d.text("lTotal1val");
        d.window.Recalculate();
        QCOMPARE(d.text("lTotal1val"), total);
    }

    void optionBoxes_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("to");

        // clang-format off
        QTest::newRow("tick inflation") << "single" << "chInflation" << "single+inf";
        QTest::newRow("tick alternative") << "single" << "chAlternative" << "alt";
        QTest::newRow("untick inflation") << "single+inf" << "chInflation" << "single";
        QTest::newRow("tick alternative, inflation") << "single+inf" << "chAlternative" << "alt+inf";
        QTest::newRow("tick inflation comparison") << "single+inf" << "chInflationCompare" << "comparison";
        QTest::newRow("tick inflation, alternative") << "alt" << "chInflation" << "alt+inf";
        QTest::newRow("untick alternative") << "alt" << "chAlternative" << "single";
        QTest::newRow("untick inflation, alternative") << "alt+inf" << "chInflation" << "alt";
        QTest::newRow("untick alternative, inflation") << "alt+inf" << "chAlternative" << "single+inf";
        QTest::newRow("compare unticks alternative") << "alt+inf" << "chInflationCompare" << "comparison";
        QTest::newRow("untick inflation ends comparison") << "comparison" << "chInflation" << "single";
        QTest::newRow("alternative unticks compare") << "comparison" << "chAlternative" << "alt+inf";
        QTest::newRow("untick comparison") << "comparison" << "chInflationCompare" << "single+inf";
        QTest::newRow("disabled comparison, no click") << "single" << "chInflationCompare" << "single";
        // clang-format on
    }

    void optionBoxes()
    {
        QFETCH(QString, from);
        QFETCH(QString, clicked);
        QFETCH(QString, to);
        // Each state: the clicks that reach it from the start, then its three boxes.
        const QMap<QString, std::pair<QStringList, QList<bool>>> states{
            {"single", {{}, {false, false, false}}},
            {"single+inf", {{"chInflation"}, {true, false, false}}},
            {"alt", {{"chAlternative"}, {false, true, false}}},
            {"alt+inf", {{"chInflation", "chAlternative"}, {true, true, false}}},
            {"comparison", {{"chInflation", "chInflationCompare"}, {true, false, true}}},
        };
        WindowDriver d;
        for (const QString& box : states[from].first)
            Click(d, box);
        Click(d, clicked);

        const QList<bool> boxes = states[to].second;
        const bool inflation = boxes[0], alternative = boxes[1], comparison = boxes[1] || boxes[2];
        QCOMPARE((QList<bool>{d.control<QCheckBox>("chInflation")->isChecked(),
                              d.control<QCheckBox>("chAlternative")->isChecked(),
                              d.control<QCheckBox>("chInflationCompare")->isChecked()}),
                 boxes);
        for (const char* input : {"chInflationCompare", "pInflation", "Label5", "TInflation", "Label10"})
            QCOMPARE(d.control<QWidget>(input)->isEnabled(), inflation);
        for (const char* input : {"APanel", "TAltdep", "CAltFreq", "TB", "lStartLater"})
            QCOMPARE(d.control<QWidget>(input)->isEnabled(), alternative);
        QCOMPARE(!d.control<QWidget>("PieChartAlt")->isHidden(), comparison);
        QCOMPARE(d.bars(5)->count(), comparison ? 10 : 0);
        QCOMPARE(d.text("lStats1").contains(QStringLiteral("inf. 3.00 %")), inflation);
        if (comparison)
            QCOMPARE(d.text("lStats2").startsWith(QStringLiteral("Alternative")), alternative);
    }
};

QTEST_MAIN(TestInputHandlers)
#include "tst_InputHandlers.moc"
