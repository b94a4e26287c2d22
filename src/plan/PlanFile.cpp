#include "plan/PlanFile.h"

#include "plan/PlanWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(APath);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("The file cannot be written: %1.").arg(file.errorString());
    const QByteArray data = WritePlan(APlan);
    if (file.write(data) != data.size() || !file.commit())
        return QStringLiteral("The file cannot be written: %1.").arg(file.errorString());
    return QString();
}
