#include "calc/MoneyText.h"
#include "input/EditRules.h"
#include "platform/TextToNumber.h"

#include <QTest>

#include <random>

namespace {

enum class TGroup
{
    Money,
    Rate,
};

// A key as a table writes it: one character, "BS" for Backspace, "DEL" for the Delete key.
TEditKey KeyOf(const QString& AKey)
{
    if (AKey == u"DEL")
        return TEditKey::DeleteKey();
    if (AKey == u"BS")
        return TEditKey::Backspace();
    return TEditKey::Typed(AKey.at(0));
}

std::optional<TEditResult> EditOf(TGroup AGroup, const TEditState& AState, TEditKey AKey)
{
    return AGroup == TGroup::Money ? MoneyEdit(AState, AKey) : RateEdit(AState, AKey);
}

} // namespace

Q_DECLARE_METATYPE(TGroup)

class TestEditRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keystroke_data();
    void keystroke();
    void leaveText_data();
    void leaveText();
    void randomKeystrokesStayInRange();
};

void TestEditRules::keystroke_data()
{
    QTest::addColumn<TGroup>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caret");

    const TGroup money = TGroup::Money, rate = TGroup::Rate;
    QTest::newRow("0 at the end of $1,000, not regrouped")
        << money << "$1,000" << 6 << 0 << "0" << true << "$1,0000" << 7;
    QTest::newRow("$999,999 refuses a digit at the end")
        << money << "$999,999" << 8 << 0 << "1" << false << "" << 0;
    QTest::newRow("$999,999 refuses a digit in front")
        << money << "$999,999" << 1 << 0 << "1" << false << "" << 0;
    QTest::newRow("$999,999 takes a leading 0")
        << money << "$999,999" << 1 << 0 << "0" << true << "$0999,999" << 2;
    QTest::newRow("$100,000 refuses a digit at the end")
        << money << "$100,000" << 8 << 0 << "0" << false << "" << 0;
    QTest::newRow("select all then 7") << money << "$1,000" << 0 << 6 << "7" << true << "7" << 1;
    QTest::newRow("selection in the middle replaced")
        << money << "$1,000" << 1 << 3 << "5" << true << "$500" << 2;
    QTest::newRow("backspace refused in $5") << money << "$5" << 2 << 0 << "BS" << false << "" << 0;
    QTest::newRow("select all then backspace empties")
        << money << "$1,000" << 0 << 6 << "BS" << true << "" << 0;
    QTest::newRow("select all then delete empties")
        << money << "$1,000" << 0 << 6 << "DEL" << true << "" << 0;
    QTest::newRow("delete the 1 of $1,000") << money << "$1,000" << 1 << 0 << "DEL" << true << "$,000" << 1;
    QTest::newRow("backspace the 1 of $1,000") << money << "$1,000" << 2 << 0 << "BS" << true << "$,000" << 1;
    QTest::newRow("delete at the end changes nothing")
        << money << "$1,000" << 6 << 0 << "DEL" << true << "$1,000" << 6;
    QTest::newRow("backspace at the start changes nothing")
        << money << "$1,000" << 0 << 0 << "BS" << true << "$1,000" << 0;
    QTest::newRow("letter discarded") << money << "$1,000" << 6 << 0 << "a" << false << "" << 0;
    QTest::newRow("minus discarded") << money << "$1,000" << 0 << 0 << "-" << false << "" << 0;
    QTest::newRow("separator discarded") << money << "$1000" << 2 << 0 << "," << false << "" << 0;
    QTest::newRow("ctrl+v character discarded") << money << "$1" << 2 << 0 << "\x16" << false << "" << 0;
    QTest::newRow("non-Latin digit discarded") << money << "$1" << 2 << 0 << "\u0665" << false << "" << 0;
    QTest::newRow("stale caret past the end") << money << "$1" << 99 << 5 << "5" << true << "$15" << 3;
    QTest::newRow("digit into a pasted unreadable text refused")
        << money << "$1a" << 3 << 0 << "5" << false << "" << 0;

    QTest::newRow("point into an empty rate") << rate << "" << 0 << 0 << "." << true << "." << 1;
    QTest::newRow("second point refused") << rate << "." << 1 << 0 << "." << false << "" << 0;
    QTest::newRow("100 refused") << rate << "10" << 2 << 0 << "0" << false << "" << 0;
    QTest::newRow("99.99 accepted") << rate << "99.9" << 4 << 0 << "9" << true << "99.99" << 5;
    QTest::newRow("sixth character refused") << rate << "1.234" << 5 << 0 << "5" << false << "" << 0;
    QTest::newRow("deleting the point of 5.00 refused")
        << rate << "5.00" << 1 << 0 << "DEL" << false << "" << 0;
    QTest::newRow("deleting the 5 of 5.00") << rate << "5.00" << 0 << 0 << "DEL" << true << ".00" << 0;
    QTest::newRow("exponent letter discarded") << rate << "5" << 1 << 0 << "e" << false << "" << 0;
    QTest::newRow("comma discarded") << rate << "5" << 1 << 0 << "," << false << "" << 0;
    QTest::newRow("backspace keeps the length limit")
        << rate << "3.00000" << 7 << 0 << "BS" << false << "" << 0;
    QTest::newRow("delete has no length limit")
        << rate << "3.00000" << 6 << 0 << "DEL" << true << "3.0000" << 6;
}

void TestEditRules::keystroke()
{
    QFETCH(TGroup, group);
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, key);
    QFETCH(bool, accepted);
    QFETCH(QString, after);
    QFETCH(int, caret);

    const std::optional<TEditResult> edit = EditOf(group, {text, selStart, selLength}, KeyOf(key));
    QCOMPARE(edit.has_value(), accepted);
    if (accepted)
        QCOMPARE(*edit, (TEditResult{after, caret}));
}

void TestEditRules::leaveText_data()
{
    QTest::addColumn<TGroup>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");

    const TGroup money = TGroup::Money, rate = TGroup::Rate;
    QTest::newRow("ungrouped amount regrouped") << money << "$1,0000"
                                                << "$10,000";
    QTest::newRow("typed copy $1005") << money << "$1005"
                                      << "$1,005";
    QTest::newRow("bare digit") << money << "7"
                                << "$7";
    QTest::newRow("empty money") << money << ""
                                 << "$0";
    QTest::newRow("separator without its digit") << money << "$,000"
                                                 << "$0";
    QTest::newRow("letters") << money << "$1a"
                             << "$0";
    // Grouped with two separators they would read back as 0: pulled to the largest amount typing gives.
    QTest::newRow("pasted million") << money << "5000000"
                                    << "$999,999";
    QTest::newRow("pasted 64-bit limit") << money << "$9223372036854775807"
                                         << "$999,999";
    QTest::newRow("pasted negative") << money << "-$5"
                                     << "$0";

    QTest::newRow("whole rate") << rate << "5"
                                << "5.00";
    QTest::newRow("lone point") << rate << "."
                                << "0.00";
    QTest::newRow("one decimal") << rate << "12.5"
                                 << "12.50";
    QTest::newRow("three decimals") << rate << "5.001"
                                    << "5.00";
    QTest::newRow("empty rate") << rate << ""
                                << "0.00";
    QTest::newRow("pasted rate above the range") << rate << "1500"
                                                 << "99.99";
    QTest::newRow("pasted huge exponent") << rate << "1e300"
                                          << "99.99";
    QTest::newRow("pasted exponent beyond the range") << rate << "9e99999"
                                                      << "0.00";
    QTest::newRow("pasted negative rate") << rate << "-5"
                                          << "0.00";
    QTest::newRow("pasted with blanks") << rate << " 7 "
                                        << "7.00";
}

void TestEditRules::leaveText()
{
    QFETCH(TGroup, group);
    QFETCH(QString, text);
    QFETCH(QString, left);
    QCOMPARE(group == TGroup::Money ? MoneyLeaveText(text) : RateLeaveText(text), left);
}

// Random keystrokes on random (also pasted-looking) texts, carets and selections: an accepted edit never
// leaves the range, and leaving a field always gives a text that reads back as the amount or rate shown.
void TestEditRules::randomKeystrokesStayInRange()
{
    constexpr int Sequences = 100000;
    const QString alphabet = QStringLiteral("0123456789$,.- ae\u0665\u00e9");
    const QString keys = QStringLiteral("0123456789$,.-ae\u0665\x16\r");
    std::mt19937 random(20240607);
    auto below = [&](int ALimit) { return int(random() % unsigned(ALimit)); };

    int accepted = 0;
    for (int sequence = 0; sequence < Sequences; ++sequence) {
        const TGroup group = sequence % 2 ? TGroup::Rate : TGroup::Money;
        TEditState state;
        for (int i = below(9); i > 0; --i)
            state.Text.append(alphabet.at(below(int(alphabet.size()))));
        for (int stroke = below(8); stroke >= 0; --stroke) {
            state.SelStart = below(int(state.Text.size()) + 4) - 2;
            state.SelLength = below(4) == 0 ? below(int(state.Text.size()) + 3) - 1 : 0;
            const int pick = below(int(keys.size()) + 2);
            const TEditKey key = pick == int(keys.size())  ? TEditKey::DeleteKey()
                                 : pick > int(keys.size()) ? TEditKey::Backspace()
                                                           : TEditKey::Typed(keys.at(pick));
            const std::optional<TEditResult> edit = EditOf(group, state, key);
            if (!edit)
                continue;
            ++accepted;
            QVERIFY(edit->Caret >= 0 && edit->Caret <= edit->Text.size());
            if (!edit->Text.isEmpty() && group == TGroup::Money)
                QVERIFY2(ParseMoneyText(edit->Text, 1000000) <= 999999, qPrintable(edit->Text));
            if (!edit->Text.isEmpty() && group == TGroup::Rate) {
                const long double rate = StrToFloatDef(edit->Text, -1);
                QVERIFY2(rate >= 0 && rate <= 99.99L, qPrintable(edit->Text));
                QVERIFY2(key.Kind == TEditKeyKind::Delete || edit->Text.size() <= 5, qPrintable(edit->Text));
            }
            state.Text = edit->Text;
        }
        if (group == TGroup::Money) {
            const QString left = MoneyLeaveText(state.Text);
            QCOMPARE(MoneyLeaveText(left), left);
            const std::int64_t amount = ParseMoneyText(left, -1);
            QVERIFY2(amount >= 0 && amount <= 999999, qPrintable(left));
        } else {
            const QString left = RateLeaveText(state.Text);
            QCOMPARE(RateLeaveText(left), left);
            const long double rate = StrToFloatDef(left, -1);
            QVERIFY2(rate >= 0 && rate <= 99.99L, qPrintable(left));
        }
    }
    // The rules must have let a fair share through, or the checks above proved nothing.
    QVERIFY2(accepted > Sequences / 2, qPrintable(QString::number(accepted)));
}

QTEST_GUILESS_MAIN(TestEditRules)
#include "tst_EditRules.moc"
