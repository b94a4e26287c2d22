#include "files/WholeFile.h"

#include <QSaveFile>

QString WriteWholeFile(const QString& APath, const QByteArray& AData)
{
    QSaveFile file(APath);
    // Unbuffered, so that every write reaches the disk here, where its failure is seen: a buffered tail is
    // written inside commit(), which does not tell that it failed, and a cut file would replace the whole
    // one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // A full disk can take part of a write without an error: the rest is written again until the disk
    // refuses it and says why.
    for (qint64 written = 0; written < AData.size();) {
        const qint64 taken = file.write(AData.constData() + written, AData.size() - written);
        if (taken <= 0)
            return file.errorString();
        written += taken;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}
