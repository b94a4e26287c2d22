#include "WindowDriver.h"

#include "access/PausedAnnouncement.h"
#include "access/ScreenReaderEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QStatusBar>

// What a screen reader finds in the window: each control's role, name, value, label and state, and the
// totals it is told of after a change.
class TestScreenReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void controlsRead_data();
    void controlsRead();
    void changesAnnounced();
    void textEventsHeldWhileFocusMoves_data();
    void textEventsHeldWhileFocusMoves();
    void rewrittenTextToldAsItsChange_data();
    void rewrittenTextToldAsItsChange();
};

namespace {

// The text as Orca reads it: attribute run after attribute run, each from where the last one ended.
QString TextByRuns(QAccessibleTextInterface* AText)
{
    QString read;
    for (int offset = 0; offset < AText->characterCount();) {
        int start = 0;
        int end = 0;
        AText->attributes(offset, &start, &end);
        read += AText->text(std::max(start, offset), end);
        offset = std::max(end, offset + 1);
    }
    return read;
}

QString FirstLabel(QAccessibleInterface* AControl)
{
    const auto labels = AControl->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

QStringList States(QAccessibleInterface* AControl)
{
    const QAccessible::State state = AControl->state();
    QStringList states;
    for (auto [on, name] : {std::pair{bool(state.active), "active"},
                            {bool(state.checked), "checked"},
                            {bool(state.disabled), "disabled"},
                            {bool(state.editable), "editable"},
                            {bool(state.focused), "focused"}})
        if (on)
            states.append(QLatin1String(name));
    return states;
}

} // namespace

void TestScreenReader::controlsRead_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QStringList>("nameValueLabel");
    QTest::addColumn<QStringList>("states");

    const QString none;
    QTest::newRow("the window is the one frame")
        << "TFMain" << QAccessible::Window << QStringList{"Pelvantor", none, none} << QStringList{"active"};
    QTest::newRow("a framed panel is only a panel")
        << "pTop" << QAccessible::Pane << QStringList{none, none, none} << QStringList{};
    QTest::newRow("field with its whole text")
        << "TIntDep" << QAccessible::EditableText
        << QStringList{"Initial deposit", "$1,000", "Initial deposit:"} << QStringList{"editable", "focused"};
    QTest::newRow("list with its choice")
        << "CcompFreq" << QAccessible::ComboBox << QStringList{"Annually", "Annually", "Compound frequency:"}
        << QStringList{};
    QTest::newRow("years box") << "seYears" << QAccessible::SpinBox
                               << QStringList{"Number of years (max 50)", "10", "Number of years (max 50):"}
                               << QStringList{};
    QTest::newRow("disabled field") << "TInflation" << QAccessible::EditableText
                                    << QStringList{"Inflation Rate", "3.00", "Inflation Rate:"}
                                    << QStringList{"disabled"};
    QTest::newRow("track bar") << "TB" << QAccessible::Slider
                               << QStringList{"Start later", "0", "Start later:"} << QStringList{"disabled"};
    QTest::newRow("check box") << "chMarks" << QAccessible::CheckBox << QStringList{"Show marks", none, none}
                               << QStringList{"checked"};
    QTest::newRow("link") << "LinkLabel" << QAccessible::Link
                          << QStringList{"www.pelvantor.example", none, none} << QStringList{};
    QTest::newRow("command link") << "LinkGoal" << QAccessible::Link
                                  << QStringList{"Reach a goal…", none, none} << QStringList{};
    QTest::newRow("menu link") << "LinkFile" << QAccessible::ButtonMenu
                               << QStringList{"Open, save or print…", none, none} << QStringList{};
    QTest::newRow("figure labelled once by its caption")
        << "lTotal1val" << QAccessible::StaticText << QStringList{"$2,887", none, "Total savings:"}
        << QStringList{};
}

void TestScreenReader::controlsRead()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QStringList, nameValueLabel);
    QFETCH(QStringList, states);
    WindowDriver d;
    QApplication::setActiveWindow(&d.window);
    QWidget* widget = control == u"TFMain" ? &d.window : d.control<QWidget>(qPrintable(control));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(accessible->role(), role);
    const QStringList heard{accessible->text(QAccessible::Name), accessible->text(QAccessible::Value),
                            FirstLabel(accessible)};
    QCOMPARE(heard, nameValueLabel);
    QCOMPARE(States(accessible), states);
    // Fields and lists are read by Orca through their text; the years box through its number.
    if (QAccessibleTextInterface* text = accessible->textInterface(); text && role != QAccessible::SpinBox)
        QCOMPARE(TextByRuns(text), nameValueLabel[1]);
}

void TestScreenReader::changesAnnounced()
{
    WindowDriver d;
    // Offscreen, Qt drops accessibility events before anyone hears them: what the status bar's
    // notification says is what a screen reader is told when it shows.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(d.window.findChild<QStatusBar*>());
    QAccessibleInterface* notice = bar->child(bar->childCount() - 1);
    QCOMPARE(notice->role(), QAccessible::Notification);
    QCOMPARE(bar->indexOfChild(notice), bar->childCount() - 1);
    // A number typed in one go: four keystrokes, four recalculations, nothing told until typing pauses.
    const PausedAnnouncement* totals = d.window.findChild<PausedAnnouncement*>();
    QStringList told;
    for (QChar digit : QStringLiteral("1234")) {
        QTest::keyClick(d.control<QLineEdit>("TRegDep"), digit.toLatin1());
        told.append(notice->text(QAccessible::Name));
        QVERIFY(totals->pending());
    }
    QTRY_VERIFY(!totals->pending());
    told.append(notice->text(QAccessible::Name));
    // Ticking the comparison tells both sides' totals.
    d.check("chAlternative", true);
    QTRY_VERIFY(!totals->pending());
    told.append(notice->text(QAccessible::Name));
    const QString total = QStringLiteral("total savings ");
    const QString yourTotal = "Total savings " + d.text("lTotal1val");
    const QString bothTotals = "Your strategy (no inflation), " + total + d.text("lTotal1val") +
                               "; Alternative strategy (no inflation), " + total + d.text("lTotal2val");
    // The track bar's move is told as the words beside it, not when fewer years pull it back.
    QTest::keyClick(d.control<QSlider>("TB"), Qt::Key_End);
    told.append(notice->text(QAccessible::Name));
    d.control<QSpinBox>("seYears")->setValue(5);
    told.append(notice->text(QAccessible::Name));
    QTRY_VERIFY(!totals->pending());
    // A list's choice made with the list closed is told at once, with the notice it brings.
    QTest::keyClick(d.control<QComboBox>("CcompFreq"), Qt::Key_End);
    told.append(notice->text(QAccessible::Name));
    QCOMPARE(told, (QStringList{"", "", "", "", yourTotal, bothTotals, "9 years", "9 years",
                                "Continuous. No deposits for continuous compounding. Use daily compounding "
                                "for similar results."}));
}

void TestScreenReader::textEventsHeldWhileFocusMoves_data()
{
    QTest::addColumn<QString>("event");              // from the initial deposit field
    QTest::addColumn<QStringList>("announcedFocus"); // the control last announced ("": none yet), the focus
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("passes");

    QTest::newRow("selecting in the announced field")
        << "selection" << QStringList{"TIntDep", "TIntDep"} << true << true;
    QTest::newRow("selected on Tab, not yet announced")
        << "selection" << QStringList{"TRegDep", "TIntDep"} << true << false;
    QTest::newRow("left: selection cleared") << "selection" << QStringList{"TIntDep", "TRegDep"} << true << false;
    QTest::newRow("left: text rewritten") << "update" << QStringList{"TIntDep", "TRegDep"} << true << false;
    QTest::newRow("typing before any focus is told") << "update" << QStringList{"", "TIntDep"} << true << true;
    QTest::newRow("selected before it shows") << "selection" << QStringList{"", "TIntDep"} << false << false;
}

void TestScreenReader::textEventsHeldWhileFocusMoves()
{
    QFETCH(QString, event);
    QFETCH(QStringList, announcedFocus);
    QFETCH(bool, shown);
    QFETCH(bool, passes);
    WindowDriver d;
    auto* field = d.control<QWidget>("TIntDep");
    field->setVisible(shown);
    QAccessibleTextSelectionEvent selection(field, 0, 4);
    QAccessibleTextUpdateEvent update(field, 0, QStringLiteral("$1,000"), QStringLiteral("$1,000"));
    const QAccessibleEvent& sent = event == u"selection" ? static_cast<QAccessibleEvent&>(selection) : update;
    QWidget* announced =
        announcedFocus[0].isEmpty() ? nullptr : d.control<QWidget>(qPrintable(announcedFocus[0]));
    QCOMPARE(PassesFocusTextFilter(sent, announced, d.control<QWidget>(qPrintable(announcedFocus[1]))),
             passes);
}

void TestScreenReader::rewrittenTextToldAsItsChange_data()
{
    QTest::addColumn<QStringList>("beforeAfter");
    QTest::addColumn<QStringList>("told"); // where, removed, inserted

    QTest::newRow("Backspace") << QStringList{"25", "2"} << QStringList{"1", "5", ""};
    QTest::newRow("digit typed, separator kept")
        << QStringList{"$1,000", "$10,000"} << QStringList{"2", "", "0"};
    QTest::newRow("separator gone with a digit")
        << QStringList{"$1,000", "$100"} << QStringList{"2", ",0", ""};
    QTest::newRow("repeated digit") << QStringList{"100", "1000"} << QStringList{"3", "", "0"};
    QTest::newRow("all replaced") << QStringList{"$75", "12"} << QStringList{"0", "$75", "12"};
}

void TestScreenReader::rewrittenTextToldAsItsChange()
{
    QFETCH(QStringList, beforeAfter);
    QFETCH(QStringList, told);
    const TTextChange change = NarrowTextChange({0, beforeAfter[0], beforeAfter[1]});
    QCOMPARE((QStringList{QString::number(change.Position), change.Removed, change.Inserted}), told);
}

QTEST_MAIN(TestScreenReader)
#include "tst_ScreenReader.moc"
