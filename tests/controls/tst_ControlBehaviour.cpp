#include "controls/CommandLink.h"

#include <QApplication>
#include <QCheckBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

// The main window leans on these plain Qt controls reporting changes made from code at once and only when
// something really changed; these tests pin that down, with the keys the window's links answer to.
class TestControlBehaviour : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void checkBoxSetChecked_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QList<bool>>("toggles");

        QTest::newRow("unchecked to checked") << false << true << QList<bool>{true};
        QTest::newRow("checked to unchecked") << true << false << QList<bool>{false};
        QTest::newRow("checked again") << true << true << QList<bool>{};
        QTest::newRow("unchecked again") << false << false << QList<bool>{};
    }

    void checkBoxSetChecked()
    {
        QFETCH(bool, before);
        QFETCH(bool, written);
        QFETCH(QList<bool>, toggles);

        QCheckBox box;
        box.setChecked(before);
        QList<bool> seen;
        // Records what a handler reading the box would see, and proves the signal came before setChecked
        // returned.
        connect(&box, &QCheckBox::toggled, this, [&](bool checked) {
            QCOMPARE(box.isChecked(), checked);
            seen.append(checked);
        });
        box.setChecked(written);
        QCOMPARE(seen, toggles);
    }

    void sliderSetMaximum_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("valueAfter");
        QTest::addColumn<QList<int>>("emitted");

        QTest::newRow("value above new maximum") << 7 << 4 << 4 << QList<int>{4};
        QTest::newRow("value at old maximum, lowered") << 9 << 0 << 0 << QList<int>{0};
        QTest::newRow("value below new maximum") << 3 << 8 << 3 << QList<int>{};
        QTest::newRow("value equals new maximum") << 7 << 7 << 7 << QList<int>{};
        QTest::newRow("maximum raised") << 7 << 20 << 7 << QList<int>{};
    }

    void sliderSetMaximum()
    {
        QFETCH(int, value);
        QFETCH(int, maximum);
        QFETCH(int, valueAfter);
        QFETCH(QList<int>, emitted);

        QSlider slider(Qt::Horizontal);
        slider.setRange(0, 9);
        slider.setValue(value);
        QList<int> seen;
        // A handler reacting to the clamp reads the slider's new limit while setMaximum is still running.
        connect(&slider, &QSlider::valueChanged, this, [&](int newValue) {
            QCOMPARE(slider.maximum(), maximum);
            QCOMPARE(slider.value(), newValue);
            seen.append(newValue);
        });
        slider.setMaximum(maximum);
        QCOMPARE(seen, emitted);
        QCOMPARE(slider.value(), valueAfter);
    }

    void linkKeys_data()
    {
        QTest::addColumn<bool>("command");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("activated");

        QTest::newRow("Enter opens a web link")
            << false << int(Qt::Key_Return) << Qt::KeyboardModifiers() << 1;
        QTest::newRow("Space leaves a web link")
            << false << int(Qt::Key_Space) << Qt::KeyboardModifiers() << 0;
        QTest::newRow("Enter runs a command link")
            << true << int(Qt::Key_Return) << Qt::KeyboardModifiers() << 1;
        QTest::newRow("Space runs a command link, as a button")
            << true << int(Qt::Key_Space) << Qt::KeyboardModifiers() << 1;
        QTest::newRow("Shift+Space is not Space")
            << true << int(Qt::Key_Space) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0;
    }

    void linkKeys()
    {
        QFETCH(bool, command);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, activated);

        QWidget window;
        WebLink* link = command ? new CommandLink(&window) : new WebLink(&window);
        link->setText(QStringLiteral("<a href=\"go\">Go</a>"));
        link->setTextInteractionFlags(Qt::LinksAccessibleByKeyboard | Qt::LinksAccessibleByMouse);
        link->setFocusPolicy(Qt::StrongFocus);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Tabbed to, as a keyboard user comes to it: the label hands the focus on to its link.
        link->clearFocus();
        link->setFocus(Qt::TabFocusReason);
        QSignalSpy spy(link, &QLabel::linkActivated);
        QTest::keyClick(link, Qt::Key(key), modifiers);
        QCOMPARE(spy.count(), activated);
    }
};

QTEST_MAIN(TestControlBehaviour)
#include "tst_ControlBehaviour.moc"
