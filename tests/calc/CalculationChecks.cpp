// The worked examples and the decimal conversion without Qt, so that they run on every CPU the program is
// built for (under an emulator when cross-compiled) and with the software extended type forced on x86.
// Prints what it checked and exits non-zero on any failure. With --figures N it prints instead the figures
// of N random strategies, which another CPU's or system's build must print to the letter.
#include "calc/WorkedExamples.h"
#include "numbers/DecimalToExtended.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {
int Checks = 0;
int Failures = 0;

void Check(bool AOk, const std::string& AWhat)
{
    ++Checks;
    if (!AOk && ++Failures <= 20)
        std::printf("FAIL %s\n", AWhat.c_str());
}

std::string Digits(TUInt128 AValue)
{
    std::string Text;
    do {
        Text.insert(Text.begin(), char('0' + int(AValue % 10)));
        AValue /= 10;
    } while (AValue != 0);
    return Text;
}

bool SameBits(SoftExtended A, SoftExtended B)
{
    return A.SignExponent() == B.SignExponent() && A.Significand() == B.Significand();
}

void CheckWorkedExamples()
{
    for (const WorkedExamples::TYear& row : WorkedExamples::Years()) {
        const TYearParts parts = AccumulateStrategy(row.Inputs).Years.at(std::size_t(row.Year - 1));
        const double got[] = {double(parts.Initial), double(parts.Regular), double(parts.Interest)};
        char text[160];
        std::snprintf(text, sizeof text, "%s: got %.17g %.17g %.17g, expected %.17g %.17g %.17g",
                      row.Name.c_str(), got[0], got[1], got[2], row.Initial, row.Regular, row.Interest);
        Check(got[0] == row.Initial && got[1] == row.Regular && got[2] == row.Interest, text);
    }
}

// Whole numbers of up to 100 bits written out in full, many of them exactly halfway between two extended
// values, and quotients a / 10^k whose correctly rounded division is the nearest value to the text.
void CheckDecimals(int ACount)
{
    std::mt19937_64 random(20240509);
    for (int i = 0; i < ACount; ++i) {
        const int shift = 1 + int(random() % 36);
        const TUInt128 halfway =
            (TUInt128(random() | SoftExtended::IntegerBit) << shift) | TUInt128(1) << (shift - 1);
        for (const TUInt128 whole : {halfway - 1, halfway, halfway + 1}) {
            const std::string text = Digits(whole);
            Check(SameBits(NearestToDecimal(false, text, long(text.size())),
                           SoftExtended::Rounded(false, 0, whole, false)),
                  "whole number " + text);
        }
        const auto numerator = std::int64_t(random() >> (1 + random() % 63));
        const int k = int(random() % 28);
        const std::string text = Digits(TUInt128(numerator));
        std::int64_t fiveToK = 1;
        for (int j = 0; j < k; ++j)
            fiveToK *= 5;
        // 10^k = 5^k · 2^k is exact up to 10^27, so this is one rounding of the exact quotient.
        const SoftExtended expected =
            SoftExtended(numerator) / (SoftExtended(fiveToK) * SoftExtended(std::int64_t(1) << k));
        Check(SameBits(NearestToDecimal(true, text, long(text.size()) - k), -expected),
              "-" + text + "e-" + std::to_string(k));
    }
}
// A value's exact bits, after a blank: sign and exponent, then the significand.
void PrintBits(Extended AValue)
{
    const SoftExtended value(AValue);
    std::printf(" %04x:%016llx", unsigned(value.SignExponent()), static_cast<unsigned long long>(value.Significand()));
}

// A decimal of two places, as typed: the nearest extended value to AHundredths / 100.
Extended Hundredths(std::int64_t AHundredths)
{
    const std::string digits = Digits(TUInt128(AHundredths < 0 ? -AHundredths : AHundredths));
    return Extended(NearestToDecimal(AHundredths < 0, digits, static_cast<long long>(digits.size()) - 2));
}

// One line per strategy: its inputs, then every year's three rounded parts and the final split unrounded.
void PrintFigures(int ACount)
{
    std::mt19937_64 random(20261210);
    const auto pick = [&random](std::uint64_t AChoices) { return std::int64_t(random() % AChoices); };
    const std::int64_t periods[] = {1, 4, 12, 52, 365, 3650};
    const std::int64_t deposits[] = {1, 4, 12, 52, 365};
    for (int i = 0; i < ACount; ++i) {
        TStrategyInputs in;
        in.Rate = Hundredths(pick(3001));
        in.Inflation = pick(2) ? Hundredths(pick(1201) - 200) : Extended(0);
        in.DepositsPerYear = deposits[pick(5)];
        in.Periods = periods[pick(6)];
        in.SubAnnual = in.Periods != 1;
        in.Continuous = in.Periods == 3650 && pick(2);
        in.Years = 1 + int(pick(50));
        in.StartLater = pick(std::uint64_t(in.Years));
        in.Initial = pick(1000001);
        in.Regular = pick(100001);
        const TStrategyResult result = AccumulateStrategy(in);
        std::printf("%d rate", i);
        PrintBits(in.Rate);
        std::printf(" inflation");
        PrintBits(in.Inflation);
        std::printf(" %lld/%lld%s %dy+%lld %lld %lld:", static_cast<long long>(in.DepositsPerYear),
                    static_cast<long long>(in.Periods), in.Continuous ? "c" : "", in.Years,
                    static_cast<long long>(in.StartLater), static_cast<long long>(in.Initial),
                    static_cast<long long>(in.Regular));
        for (const TYearParts& year : result.Years) {
            PrintBits(year.Initial);
            PrintBits(year.Regular);
            PrintBits(year.Interest);
        }
        std::printf(" final");
        PrintBits(result.Final.Initial);
        PrintBits(result.Final.Regular);
        PrintBits(result.Final.Interest);
        std::printf("\n");
    }
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--figures") == 0) {
        PrintFigures(std::atoi(argv[2]));
        return 0;
    }
    CheckWorkedExamples();
    CheckDecimals(20000);
    std::printf("%s extended type: %d checks, %d failures\n",
                PELVANTOR_HARDWARE_EXTENDED ? "hardware" : "software", Checks, Failures);
    return Failures == 0 ? 0 : 1;
}
