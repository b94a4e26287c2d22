#include "MarkedText.h"

#include "numbers/text/TextToNumber.h"
#include "rules/EditRules.h"
#include "rules/MoneyText.h"

#include <QTest>

#include <random>

namespace {

// A key as the table writes it: a character, "\b" for Backspace, "DEL" for the Delete key.
TEditKey KeyOf(const QString& AKey)
{
    return AKey == u"DEL" ? TEditKey::DeleteKey() : TEditKey::Typed(AKey.at(0));
}

std::optional<TEditResult> EditOf(bool ARate, const TEditState& AState, TEditKey AKey)
{
    return ARate ? RateEdit(AState, AKey) : MoneyEdit(AState, AKey);
}

} // namespace

class TestEditRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // "LEAVE" is the field losing the focus; "refused" means the field stays as it was.
    void edit_data()
    {
        QTest::addColumn<bool>("rate");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("after");

        // clang-format off
        QTest::newRow("0 at the end, not regrouped") << false << "$1,000|" << "0" << "$1,0000|";
        QTest::newRow("regrouped when left") << false << "$1,0000" << "LEAVE" << "$10,000";
        QTest::newRow("$999,999 refuses a digit") << false << "$99|9,999" << "1" << "refused";
        QTest::newRow("$999,999 takes a leading 0") << false << "$|999,999" << "0" << "$0|999,999";
        QTest::newRow("$100,000 refuses a digit at the end") << false << "$100,000|" << "0" << "refused";
        QTest::newRow("select all then 7") << false << "[$1,000]" << "7" << "7|";
        QTest::newRow("7 left") << false << "7" << "LEAVE" << "$7";
        QTest::newRow("backspace refused in $5") << false << "$5|" << "\b" << "refused";
        QTest::newRow("select all then delete empties") << false << "[$1,000]" << "DEL" << "|";
        QTest::newRow("empty left") << false << "" << "LEAVE" << "$0";
        QTest::newRow("delete the 1 of $1,000") << false << "$|1,000" << "DEL" << "$|,000";
        QTest::newRow("$,000 left") << false << "$,000" << "LEAVE" << "$0";
        QTest::newRow("delete at the end changes nothing") << false << "$1,000|" << "DEL" << "$1,000|";
        QTest::newRow("letter discarded") << false << "$1,000|" << "a" << "refused";
        QTest::newRow("ctrl+v character discarded") << false << "$1|" << "\x16" << "refused";
        QTest::newRow("non-Latin digit discarded") << false << "$1|" << "\u0665" << "refused";
        QTest::newRow("pasted million left: the typing limit") << false << "5000000" << "LEAVE" << "$999,999";
        QTest::newRow("pasted negative left") << false << "-$5" << "LEAVE" << "$0";
        QTest::newRow("point into an empty rate") << true  << "|" << "." << ".|";
        QTest::newRow("second point refused") << true  << ".|" << "." << "refused";
        QTest::newRow("point left") << true  << "." << "LEAVE" << "0.00";
        QTest::newRow("100 refused") << true  << "10|" << "0" << "refused";
        QTest::newRow("99.99 accepted") << true  << "99.9|" << "9" << "99.99|";
        QTest::newRow("sixth character refused") << true  << "1.234|" << "5" << "refused";
        QTest::newRow("delete has no length limit") << true  << "3.0000|0" << "DEL" << "3.0000|";
        QTest::newRow("deleting the point of 5.00 refused") << true  << "5|.00" << "DEL" << "refused";
        QTest::newRow("deleting the 5 of 5.00") << true  << "|5.00" << "DEL" << "|.00";
        QTest::newRow("12.5 left") << true  << "12.5" << "LEAVE" << "12.50";
        QTest::newRow("5.001 left") << true  << "5.001" << "LEAVE" << "5.00";
        QTest::newRow("pasted rate above the range left") << true  << "1500" << "LEAVE" << "99.99";
        QTest::newRow("pasted exponent beyond any range") << true  << "9e99999" << "LEAVE" << "0.00";
        // clang-format on
    }

    void edit()
    {
        QFETCH(bool, rate);
        QFETCH(QString, before);
        QFETCH(QString, key);
        QFETCH(QString, after);

        QString actual = QStringLiteral("refused");
        if (key == u"LEAVE") {
            actual = rate ? RateLeaveText(before) : MoneyLeaveText(before);
        } else {
            const TMarkedText state = TMarkedText::Read(before);
            if (const auto edit = EditOf(rate, {state.Text, state.SelStart, state.SelLength}, KeyOf(key)))
                actual = TMarkedText{edit->Text, edit->Caret}.Written();
        }
        QCOMPARE(actual, after);
    }

    // Random keys on random (pasted-looking) texts, carets and selections, stale ones included: an accepted
    // edit never leaves the range, and a left field always reads back as the value it shows.
    void randomKeystrokesStayInRange()
    {
        constexpr int Sequences = 100000;
        const QString alphabet = QStringLiteral("0123456789$,.- ae\u0665"), keys = alphabet + u'\b' + u'\x16';
        std::mt19937 random(20240607);
        auto below = [&](qsizetype ALimit) { return int(random() % unsigned(ALimit)); };
        int accepted = 0;
        for (int sequence = 0; sequence < Sequences; ++sequence) {
            const bool rate = sequence % 2;
            TEditState state;
            for (int i = below(9); i > 0; --i)
                state.Text.append(alphabet.at(below(alphabet.size())));
            for (int stroke = below(8); stroke >= 0; --stroke) {
                state.SelStart = below(state.Text.size() + 4) - 2;
                state.SelLength = below(4) ? 0 : below(state.Text.size() + 3) - 1;
                const int pick = below(keys.size() + 1);
                const TEditKey key =
                    pick == keys.size() ? TEditKey::DeleteKey() : TEditKey::Typed(keys.at(pick));
                const std::optional<TEditResult> edit = EditOf(rate, state, key);
                if (!edit)
                    continue;
                ++accepted;
                state.Text = edit->Text;
                QVERIFY(edit->Caret >= 0 && edit->Caret <= state.Text.size());
                if (state.Text.isEmpty())
                    continue;
                const long double value =
                    rate ? StrToFloatDef(state.Text, -1) : ParseMoneyText(state.Text, -1);
                QVERIFY2(value <= (rate ? 99.99L : 999999) && (!rate || value >= 0), qPrintable(state.Text));
                QVERIFY(!rate || key.Kind == TEditKeyKind::Delete || state.Text.size() <= 5);
            }
            const QString left = rate ? RateLeaveText(state.Text) : MoneyLeaveText(state.Text);
            QCOMPARE(rate ? RateLeaveText(left) : MoneyLeaveText(left), left);
        }
        // The rules must have let a fair share through, or the checks above proved nothing.
        QVERIFY2(accepted > Sequences / 2, qPrintable(QString::number(accepted)));
    }
};

QTEST_GUILESS_MAIN(TestEditRules)
#include "tst_EditRules.moc"
