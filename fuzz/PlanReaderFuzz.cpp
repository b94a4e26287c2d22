#include "plan/PlanReader.h"
#include "plan/PlanWriter.h"

#include <cstdint>
#include <cstdlib>

// Any bytes given to the plan reader: no crash, no undefined behaviour, no hang; and whatever it accepts
// is written back and read again to the same plan.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize)
{
    TPlan start;
    start.InitialDeposit = 1000;
    start.RegularDeposit = 100;
    start.DepositFrequency = QStringLiteral("Annually");
    start.Compounding = QStringLiteral("Annually");
    start.RateHundredths = 500;
    start.Years = 10;
    start.InflationHundredths = 300;
    start.AlternativeRegularDeposit = 75;
    start.AlternativeCompounding = QStringLiteral("Annually");
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(AData), qsizetype(ASize));
    const TPlanReading reading = ReadPlan(data, start);
    if (const TPlan* plan = std::get_if<TPlan>(&reading)) {
        const TPlanReading again = ReadPlan(WritePlan(*plan), start);
        if (!std::holds_alternative<TPlan>(again) || std::get<TPlan>(again) != *plan)
            std::abort();
    }
    return 0;
}
