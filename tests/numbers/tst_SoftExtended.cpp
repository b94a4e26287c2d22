#include "numbers/Extended.h"

#include <QTest>

#include <cstdio>
#include <cstring>
#include <random>

namespace {
// One operation on both types: two operands and a whole number for the conversion from integers.
struct TOperation
{
    const char* Name;
    SoftExtended (*Soft)(SoftExtended, SoftExtended, std::int64_t);
    long double (*Hard)(long double, long double, std::int64_t);
};

template <class TFunction> TOperation Operation(const char* AName, TFunction AFunction)
{
    return {AName, AFunction, AFunction};
}

const TOperation Operations[] = {
    Operation("add", [](auto A, auto B, std::int64_t) { return A + B; }),
    Operation("subtract", [](auto A, auto B, std::int64_t) { return A - B; }),
    Operation("multiply", [](auto A, auto B, std::int64_t) { return A * B; }),
    Operation("divide", [](auto A, auto B, std::int64_t) { return A / B; }),
    Operation("compare",
              [](auto A, auto B, std::int64_t) {
                  return decltype(A)((A < B) + 2 * (A <= B) + 4 * (A == B) + 8 * (A > B) + 16 * (A >= B) +
                                     32 * (A != B));
              }),
    Operation("round half to even", [](auto A, auto, std::int64_t) { return RoundHalfEven(A); }),
    Operation("from 64-bit integer", [](auto A, auto, std::int64_t AWhole) { return decltype(A)(AWhole); }),
    Operation("to double",
              [](auto A, auto, std::int64_t) { return decltype(A)(static_cast<long double>(double(A))); }),
    Operation("to long double and back",
              [](auto A, auto, std::int64_t) { return decltype(A)(static_cast<long double>(A)); }),
};

enum class TOperands
{
    Accumulation,  // the magnitudes the savings arithmetic meets, mostly positive, some whole numbers
    Halfway,       // built so that the exact result lies on or next to a halfway point
    SignsAndZeros, // zeros of both signs, equal and opposite operands, near-total cancellation
    FullRange,     // every exponent: subnormals, overflow, underflow, infinities, NaN
};

class TOperandSource
{
public:
    std::pair<SoftExtended, SoftExtended> Pair(const TOperation& AOperation, TOperands AOperands)
    {
        const std::string Name = AOperation.Name;
        if (AOperands == TOperands::FullRange)
            return {Any(), Any()};
        if (AOperands == TOperands::SignsAndZeros) {
            const SoftExtended X = Normal(Bits());
            const SoftExtended Zero = Coin() ? SoftExtended() : -SoftExtended();
            // The negation of a neighbour a few units away: near-total cancellation.
            const SoftExtended Near =
                -SoftExtended::FromBits(X.SignExponent(), (X.Significand() + Random() % 64 - 32) | Top);
            const int Case = int(Random() % 6);
            const SoftExtended Seconds[] = {-X, X, X, Zero, Coin() ? SoftExtended() : -SoftExtended(), Near};
            return {Case == 2 || Case == 4 ? Zero : X, Seconds[Case]};
        }
        if (AOperands == TOperands::Accumulation)
            return {Typical(), Typical()};
        const int Dropped = 1 + int(Random() % 63);
        if (Name == "multiply") { // two 33-bit odd significands: a 65- or 66-bit product, often a tie
            const auto Short = [this] { return ((Bits() >> 31) | 1 | 1ULL << 32) << 31; };
            return {Normal(Short()), Normal(Short())};
        }
        if (Name == "divide") { // A truncates B times a quotient ending in a halfway bit: just below the tie
            const std::uint64_t B = Bits() | Top;
            const TUInt128 Tie = TUInt128(Bits() | Top) << 1 | 1;
            const TUInt128 High = ((Tie & ~0ULL) * B >> 64) + (Tie >> 64) * B;
            return {Normal(static_cast<std::uint64_t>(High >> 64 ? High >> 1 : High)), Normal(B)};
        }
        if (Name == "add" || Name == "subtract") { // B's bits below A's last place are about a half
            const SoftExtended A = Normal(Bits());
            const int Distance = Dropped + int(Random() % 3); // 64 and 65: all of B lies below
            const std::uint64_t B = Distance == 64 ? Top + Random() % 3 - 1 : HalfAt(std::min(Distance, 63));
            return {A, Make(Coin(), A.Parts().Exponent + 63 - Distance, B | Top)};
        }
        if (Name == "round half to even") // about a half after the binary point
            return {Make(Coin(), 63 - Dropped, HalfAt(Dropped) | Top), {}};
        if (Name == "to double") // about a half of the last place a double keeps
            return {Normal(HalfAt(11)), {}};
        return {Typical(), Typical()}; // no rounding to land on
    }

private:
    static constexpr std::uint64_t Top = SoftExtended::IntegerBit;
    std::uint64_t Bits() { return Random(); }
    // Random bits whose lowest ADropped are a half of their weight, or a unit either side of it.
    std::uint64_t HalfAt(int ADropped)
    {
        return ((Bits() >> ADropped << ADropped) | 1ULL << (ADropped - 1)) + Random() % 3 - 1;
    }
    bool Coin() { return Random() % 2 == 0; }
    static SoftExtended Make(bool ANegative, int AExponent, std::uint64_t ASignificand)
    {
        return SoftExtended::FromBits(std::uint16_t((ANegative ? 0x8000 : 0) | (AExponent + 16383)),
                                      ASignificand);
    }
    SoftExtended Normal(std::uint64_t ASignificand)
    {
        return Make(Coin(), int(Random() % 113) - 40, ASignificand | Top);
    }
    SoftExtended Typical()
    {
        if (Random() % 8 == 0)
            return SoftExtended(std::int64_t(Random() % 3651));
        const SoftExtended Value = Normal(Bits());
        return Random() % 4 == 0 ? Value : Abs(Value);
    }
    SoftExtended Any()
    {
        // A quarter of them at either end of the exponent range.
        const int Biased =
            Random() % 4 == 0 ? int(Random() % 64) + (Coin() ? 0 : 0x7FFF - 63) : int(Random() % 0x8000);
        if (Biased == 0)
            return SoftExtended::FromBits(Coin() ? 0x8000 : 0, Bits() >> 1);
        if (Biased == 0x7FFF)
            return Coin() ? SoftExtended::Infinity(Coin())
                          : SoftExtended::FromBits(0xFFFF, Bits() | 3ULL << 62);
        return Make(Coin(), Biased - 16383, Bits() | Top);
    }

    std::mt19937_64 Random{20240509};
};

long double ToHardware(SoftExtended AValue)
{
    long double Value = 0;
    const std::uint64_t Significand = AValue.Significand();
    const std::uint16_t SignExponent = AValue.SignExponent();
    std::memcpy(&Value, &Significand, 8);
    std::memcpy(reinterpret_cast<char*>(&Value) + 8, &SignExponent, 2);
    return Value;
}

// Equal bit for bit; of a NaN only the class counts, its payload being no figure.
bool Same(SoftExtended ASoft, long double AHard)
{
    const long double Soft = ToHardware(ASoft);
    return std::isnan(AHard) ? ASoft.IsNaN() : std::memcmp(&Soft, &AHard, 10) == 0;
}
} // namespace

Q_DECLARE_METATYPE(TOperands)

class TestSoftExtended : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameBitsAsX87_data();
    void sameBitsAsX87();
};

void TestSoftExtended::sameBitsAsX87_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<TOperands>("operands");
    QTest::addColumn<int>("pairs");

    // A million pairs per operation.
    const std::tuple<const char*, TOperands, int> Classes[] = {
        {"accumulation range", TOperands::Accumulation, 400000},
        {"halfway cases", TOperands::Halfway, 300000},
        {"signs and zeros", TOperands::SignsAndZeros, 100000},
        {"full range", TOperands::FullRange, 200000},
    };
    for (int Index = 0; Index < int(std::size(Operations)); ++Index)
        for (const auto& [ClassName, Operands, Pairs] : Classes)
            QTest::addRow("%s, %s", Operations[Index].Name, ClassName) << Index << Operands << Pairs;
}

void TestSoftExtended::sameBitsAsX87()
{
    if (LDBL_MANT_DIG != 64)
        QSKIP("long double is not the x87 format here");
    QFETCH(int, operation);
    QFETCH(TOperands, operands);
    QFETCH(int, pairs);

    const TOperation& Operation = Operations[operation];
    TOperandSource Source;
    int Differences = 0;
    char First[160] = "";
    for (int I = 0; I < pairs; ++I) {
        const auto [A, B] = Source.Pair(Operation, operands);
        const auto Whole =
            static_cast<std::int64_t>(A.Significand() ^ B.Significand()) >> (B.Significand() % 64);
        const SoftExtended Soft = Operation.Soft(A, B, Whole);
        const long double Hard = Operation.Hard(ToHardware(A), ToHardware(B), Whole);
        if (!Same(Soft, Hard) && Differences++ == 0)
            std::snprintf(First, sizeof First, "%.21Lg and %.21Lg: software %.21Lg, x87 %.21Lg",
                          ToHardware(A), ToHardware(B), ToHardware(Soft), Hard);
    }
    qInfo("%d pairs, %d differences", pairs, Differences);
    QVERIFY2(Differences == 0, First);
}

QTEST_GUILESS_MAIN(TestSoftExtended)
#include "tst_SoftExtended.moc"
