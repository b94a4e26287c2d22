#include "WindowDriver.h"

#include "controls/SpinEdit.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <random>

// Plan files as the window meets them: a saved plan opens in a new window exactly as it was, and a file that
// is not a plan the window could hold is refused with a message, the window left as it was.
class TestPlanFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void badFileRefused_data();
    void badFileRefused();
    void savedPlanOpensAsItWas();
};

namespace {

// Whether AControl shows in its window on one of the pages: a control hidden with its panel (the second
// side's while there is none) may still hold figures from before.
bool Shown(const QWidget* AControl)
{
    for (const QWidget* w = AControl; !w->isWindow(); w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget()))
            return false;
    return true;
}

// Everything the window shows that a plan decides: every control's text, choice and enabled state, every
// table cell, bar and slice; sorted, as the order of a window's children follows what was done in it.
QStringList Snapshot(const WindowDriver& ADriver)
{
    QStringList seen;
    for (const QWidget* control : ADriver.window.findChildren<QWidget*>()) {
        // Notices and tool windows come and go with what was done, not with what the window holds.
        if (control->window() != &ADriver.window || !Shown(control))
            continue;
        const QString name = control->objectName() + (control->isEnabled() ? u'=' : u'~');
        if (auto* edit = qobject_cast<const QLineEdit*>(control))
            seen << name + edit->text();
        else if (auto* list = qobject_cast<const QComboBox*>(control)) {
            QStringList items;
            for (int item = 0; item < list->count(); ++item)
                items << list->itemText(item);
            seen << name + items.join(u'|') + u'>' + list->currentText();
        } else if (auto* box = qobject_cast<const QAbstractButton*>(control))
            seen << name + QString::number(box->isChecked());
        else if (auto* slider = qobject_cast<const QSlider*>(control))
            seen << name + QStringLiteral("%1/%2").arg(slider->value()).arg(slider->maximum());
        else if (auto* tabs = qobject_cast<const QTabWidget*>(control))
            seen << name + QString::number(tabs->currentIndex());
        // The track bar's caption reads "0 Years" until the bar first moves, then "0 years": the one
        // difference a plan cannot carry, and only in a capital.
        else if (auto* label = qobject_cast<const QLabel*>(control))
            seen << name +
                        (control->objectName() == u"lStartLater" ? label->text().toLower() : label->text());
        else if (auto* grid = qobject_cast<const StringGrid*>(control))
            for (int row = 0; row < grid->rowCount(); ++row)
                seen << name + ADriver.row(qPrintable(grid->objectName()), row).join(u'|');
        else if (auto* chart = qobject_cast<const ChartWidget*>(control))
            for (int series = 0; series < chart->seriesCount(); ++series)
                for (int point = 0; point < chart->series(series)->count(); ++point)
                    seen << name + QStringLiteral("%1:%2=%3")
                                       .arg(series)
                                       .arg(point)
                                       .arg(chart->series(series)->yValue(point));
    }
    seen.sort();
    return seen;
}

// Runs AAction, answering the message box it brings up with the box's default button; the box's texts.
QStringList AnswerMessage(const std::function<void()>& AAction)
{
    QStringList texts;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&texts] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts = QStringList{box->text(), box->informativeText()};
            box->done(box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::Ok);
        }
    });
    watcher.start(10);
    AAction();
    return texts;
}

QByteArray Plan(const QByteArray& AStrategy, const QByteArray& ARest = {})
{
    return R"({"format": "Pelvantor plan", "version": 1, "yourStrategy": {)" + AStrategy + "}" + ARest + "}";
}

} // namespace

void TestPlanFiles::badFileRefused_data()
{
    QTest::addColumn<QByteArray>("content"); // "<missing>" for no file, "<folder>" for a folder
    QTest::addColumn<QString>("problem");

    const QString notPlan = QStringLiteral("The file is not a Pelvantor plan.");
    const QString notJson = QStringLiteral("The file is not a Pelvantor plan: it is not JSON text.");
    QTest::newRow("missing") << QByteArray("<missing>") << "The file does not exist.";
    QTest::newRow("folder") << QByteArray("<folder>") << "It is a folder, not a plan file.";
    QTest::newRow("empty") << QByteArray() << "The file is empty.";
    QTest::newRow("blank") << QByteArray(" \n\t ") << "The file is empty.";
    QTest::newRow("binary garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff\xfe", 12) << notJson;
    QTest::newRow("not JSON") << QByteArray("initialDeposit = 1000") << notJson;
    QTest::newRow("JSON but a list") << QByteArray("[1, 2, 3]") << notPlan;
    QTest::newRow("another format") << QByteArray(R"({"format": "Something else", "version": 1})") << notPlan;
    QTest::newRow("no version") << QByteArray(R"({"format": "Pelvantor plan"})")
                                << "The plan has no version Pelvantor knows.";
    QTest::newRow("newer version")
        << QByteArray(R"({"format": "Pelvantor plan", "version": 2})")
        << "The plan was saved by a newer Pelvantor (plan version 2); this one reads "
           "version 1.";
    QTest::newRow("over 1 MiB") << Plan(R"("initialDeposit": 5)",
                                        ", \"x\": \"" + QByteArray(1024 * 1024, 'a') + '"')
                                << "The file is larger than 1 MiB, far more than a plan holds.";
    QTest::newRow("nested deeper than JSON allows")
        << Plan("", ", \"x\": " + QByteArray(5000, '[') + QByteArray(5000, ']')) << notJson;
    QTest::newRow("part that is not a group")
        << Plan("", R"(, "inflation": 3)") << "The plan's \"inflation\" is not a group of settings in { }.";
    QTest::newRow("amount as text") << Plan(R"("initialDeposit": "$1,000")")
                                    << "The initial deposit must be a whole amount, such as 1000.";
    QTest::newRow("amount over the field's range")
        << Plan(R"("regularDeposit": 1000000)") << "The regular deposit $1,000,000 is above $999,999.";
    QTest::newRow("huge number") << Plan(R"("initialDeposit": 1e300)")
                                 << "The initial deposit 1e+300 is above $999,999.";
    QTest::newRow("negative amount") << Plan(R"("initialDeposit": -5)")
                                     << "The initial deposit -5 is below 0.";
    QTest::newRow("amount with cents")
        << Plan(R"("initialDeposit": 12.5)") << "The initial deposit 12.5 is not a whole amount.";
    QTest::newRow("rate over 99.99") << Plan(R"("interestRate": "150")")
                                     << "The interest rate 150 is above 99.99.";
    QTest::newRow("rate as a number")
        << Plan(R"("interestRate": 5)") << "The interest rate must be text such as \"5.00\".";
    QTest::newRow("rate not a number") << Plan("", R"(, "inflation": {"rate": "3%"})")
                                       << "The inflation rate \"3%\" is not a number such as \"5.00\".";
    QTest::newRow("rate with three decimals")
        << Plan(R"("interestRate": "5.125")") << "The interest rate \"5.125\" has more than two decimals.";
    QTest::newRow("0 years") << Plan(R"("years": 0)") << "The number of years 0 is below 1.";
    QTest::newRow("51 years") << Plan(R"("years": 51)") << "The number of years 51 is above 50.";
    QTest::newRow("unknown frequency")
        << Plan(R"("depositFrequency": "Fortnightly")")
        << "The deposit frequency \"Fortnightly\" is not one of Annually, Quarterly, Monthly, Weekly, Daily.";
    QTest::newRow("a million characters, shown cut short")
        << Plan(R"("compounding": ")" + QByteArray(1000000, 'M') + '"')
        << "The compound frequency \"MMMMMMMMMMMMMMMMMMMMMMMM…\" is not one of Annually, Quarterly, Monthly, "
           "Weekly, Daily, Continuous.";
    QTest::newRow("compounding finer than the deposits")
        << Plan(R"("depositFrequency": "Monthly", "compounding": "Daily")")
        << "Daily compounding is not offered with Monthly deposits.";
    QTest::newRow("continuous compounding with a regular deposit")
        << Plan(R"("compounding": "Continuous", "regularDeposit": 100)")
        << "Continuous compounding takes no regular deposit, but the plan has $100.";
    QTest::newRow("delay not below the years")
        << Plan(R"("years": 5)", R"(, "alternativeStrategy": {"startLater": 5})")
        << "Start later 5 years is not below the number of years, 5.";
    QTest::newRow("inflation comparison without inflation")
        << Plan("", R"(, "compareWith": "inflation adjusted values")")
        << "Inflation adjusted values can be compared only while adjusting for inflation.";
    QTest::newRow("flag that is not true or false")
        << Plan("", R"(, "view": {"showMarks": "yes"})") << "The plan's \"showMarks\" must be true or false.";
}

void TestPlanFiles::badFileRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("spoilt.pelvantor"));
    if (content == "<folder>")
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("spoilt.pelvantor")));
    else if (content != "<missing>") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    WindowDriver d;
    // A window away from its start, so that anything of the file taken in would show.
    d.setText("TIntRate", QStringLiteral("7.25"));
    d.pick("CDefFreq", QStringLiteral("Monthly"));
    d.check("chAlternative", true);
    const QStringList before = Snapshot(d);
    bool opened = true;
    const QStringList message = AnswerMessage([&] { opened = d.window.OpenPlanFile(path); });
    QVERIFY(!opened);
    QCOMPARE(message, (QStringList{QStringLiteral("“spoilt.pelvantor” cannot be opened."), problem}));
    QCOMPARE(Snapshot(d), before);
    QCOMPARE(d.window.windowTitle(), QStringLiteral("Pelvantor"));
}

void TestPlanFiles::savedPlanOpensAsItWas()
{
    QTemporaryDir folder;
    std::mt19937 random(20261210);
    const auto pickAny = [&random](int ACount) { return int(random() % unsigned(ACount)); };
    const QStringList fields{"TIntDep", "TRegDep", "TAltdep", "TIntRate", "TInflation"};
    const QStringList lists{"CDefFreq", "CcompFreq", "CAltFreq"};
    // Each plan opens in a new window and in the last round's, which the user has already worked in.
    std::unique_ptr<WindowDriver> used;
    for (int round = 0; round < 30; ++round) {
        auto driver = std::make_unique<WindowDriver>();
        WindowDriver& d = *driver;
        // What a user does, in any order: type into a field, pick from a list, set the years or the delay,
        // tick a box, turn a page.
        for (int step = 0; step < 14; ++step) {
            switch (pickAny(6)) {
            case 0: {
                auto* field = d.control<QLineEdit>(qPrintable(fields[pickAny(fields.size())]));
                if (!field->isEnabled())
                    break;
                field->setFocus();
                field->selectAll();
                // A rate with up to two decimals, or an amount; either may be left half typed.
                const bool rate = field->objectName() == u"TIntRate" || field->objectName() == u"TInflation";
                QTest::keyClicks(field, rate ? QString::number(pickAny(2000) / 100.0, 'f', pickAny(3))
                                             : QString::number(pickAny(200000)));
                break;
            }
            case 1: {
                auto* list = d.control<QComboBox>(qPrintable(lists[pickAny(lists.size())]));
                if (list->isEnabled())
                    d.pick(qPrintable(list->objectName()), list->itemText(pickAny(list->count())));
                break;
            }
            case 2:
                d.control<SpinEdit>("seYears")->setValue(1 + pickAny(50));
                break;
            case 3:
                d.control<QSlider>("TB")->setValue(pickAny(d.control<QSlider>("TB")->maximum() + 1));
                break;
            case 4: {
                const char* box =
                    std::array{"chInflation", "chAlternative", "chInflationCompare", "chMarks"}[pickAny(4)];
                if (d.control<QCheckBox>(box)->isEnabled())
                    d.check(box, !d.control<QCheckBox>(box)->isChecked());
                break;
            }
            default:
                d.control<QTabWidget>("PageControl")->setCurrentIndex(pickAny(3));
            }
        }
        const QString path = folder.filePath(QStringLiteral("plan%1.pelvantor").arg(round));
        QVERIFY(d.window.SavePlanFile(path));
        const QStringList saved = Snapshot(d);
        WindowDriver reopened;
        for (WindowDriver* window : {&reopened, used.get()}) {
            if (!window)
                continue;
            QVERIFY(window->window.OpenPlanFile(path));
            QCOMPARE(Snapshot(*window), saved);
            QCOMPARE(window->window.windowTitle(), d.window.windowTitle());
        }
        used = std::move(driver);
    }
}

QTEST_MAIN(TestPlanFiles)
#include "tst_PlanFiles.moc"
