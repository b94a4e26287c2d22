#include "plan/PlanFile.h"

#include "files/WholeFile.h"
#include "plan/PlanWriter.h"

#include <QFile>
#include <QFileInfo>

TPlanReading ReadPlanFile(const QString& APath, const TPlan& AStartUp)
{
    const QFileInfo info(APath);
    if (!info.exists())
        return QStringLiteral("The file does not exist.");
    if (info.isDir())
        return QStringLiteral("It is a folder, not a plan file.");
    QFile file(APath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The file cannot be read: %1.").arg(file.errorString());
    // One byte more than allowed tells a file that is too large, whatever size it reports.
    const QByteArray data = file.read(MaxPlanFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("The file cannot be read: %1.").arg(file.errorString());
    if (data.size() > MaxPlanFileSize)
        return QStringLiteral("The file is larger than 1 MiB, far more than a plan holds.");
    return ReadPlan(data, AStartUp);
}

QString WritePlanFile(const QString& APath, const TPlan& APlan)
{
    const QString problem = WriteWholeFile(APath, WritePlan(APlan));
    return problem.isEmpty() ? QString() : QStringLiteral("The file cannot be written: %1.").arg(problem);
}
