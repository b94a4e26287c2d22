#include "WindowDriver.h"

#include "goal/TFGoal.h"
#include "rules/MoneyText.h"

#include <QApplication>
#include <QTimer>

// "Reach a goal" driven through the real window, as a user does: Ctrl+G, a target typed over the figure
// the dialog opens with, a choice of what to change, Enter or Escape.
class TestGoalDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }

    void appliedAnswerGivesThePromisedTotal_data()
    {
        QTest::addColumn<QString>("depositFrequency");
        QTest::addColumn<QString>("compounding");
        QTest::addColumn<bool>("inflation");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("apply");    // Enter, or else Escape
        QTest::addColumn<QString>("keyIn"); // the control that has the focus for Enter or Escape

        // clang-format off
        QTest::newRow("regular deposit, monthly") << "Monthly" << "Monthly" << false << "Regular deposit" << "50000" << true << "TTarget";
        QTest::newRow("interest rate, inflation") << "Annually" << "Quarterly" << true << "Interest rate" << "5000" << true << "CChange";
        QTest::newRow("number of years") << "Weekly" << "Weekly" << false << "Number of years" << "4000" << true << "seAfter";
        QTest::newRow("initial deposit, continuous") << "Annually" << "Continuous" << false << "Initial deposit" << "100000" << true << "CChange";
        QTest::newRow("escape changes nothing") << "Annually" << "Annually" << false << "Initial deposit" << "50000" << false << "TTarget";
        // clang-format on
    }

    void appliedAnswerGivesThePromisedTotal()
    {
        QFETCH(QString, depositFrequency);
        QFETCH(QString, compounding);
        QFETCH(bool, inflation);
        QFETCH(QString, change);
        QFETCH(QString, target);
        QFETCH(bool, apply);
        QFETCH(QString, keyIn);

        WindowDriver d;
        d.pick("CDefFreq", depositFrequency);
        d.pick("CcompFreq", compounding);
        d.check("chInflation", inflation);
        const QString before = d.text("lTotal1val");
        // The lists' popups are gone once the window is active again: the shortcut is the window's.
        d.window.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &d.window);

        TGoalAnswer promised;
        bool offersRegular = true;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TFGoal*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto* list = dialog->findChild<ComboBox*>(QStringLiteral("CChange"));
            offersRegular = list->findText(QStringLiteral("Regular deposit")) >= 0;
            QTest::keyClicks(dialog->findChild<Edit*>(QStringLiteral("TTarget")), target);
            list->setFocus();
            while (list->currentText() != change && list->currentIndex() < list->count() - 1)
                QTest::keyClick(list, Qt::Key_Down);
            promised = dialog->Answer();
            QTest::keyClick(dialog->findChild<QWidget*>(keyIn), apply ? Qt::Key_Return : Qt::Key_Escape);
        });
        QTest::keyClick(&d.window, Qt::Key_G, Qt::ControlModifier);

        QVERIFY2(!QApplication::activeModalWidget(), "the dialog is closed");
        QCOMPARE(offersRegular, compounding != u"Continuous");
        if (!apply) {
            QCOMPARE(d.text("lTotal1val"), before);
            return;
        }
        QVERIFY(promised.Reached);
        QVERIFY(promised.Total >= Extended(target.toLongLong()));
        QCOMPARE(d.text("lTotal1val"),
                 CurrencyText(static_cast<long double>(promised.Total)));
    }
};

QTEST_MAIN(TestGoalDialog)
#include "tst_GoalDialog.moc"
