#include "numbers/text/TextFunctions.h"

int CompareText(const QString& A, const QString& B)
{
    return QString::compare(A, B, Qt::CaseInsensitive);
}

QString StringReplace(const QString& AText, const QString& AOld, const QString& ANew)
{
    // An empty pattern would match before every character; treat it as "nothing to replace".
    if (AOld.isEmpty())
        return AText;
    const qsizetype Pos = AText.indexOf(AOld, 0, Qt::CaseSensitive);
    if (Pos < 0)
        return AText;
    QString Result = AText;
    Result.replace(Pos, AOld.size(), ANew);
    return Result;
}
