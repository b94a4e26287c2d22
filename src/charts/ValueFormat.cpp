#include "charts/ValueFormat.h"

#include <algorithm>
#include <cmath>

namespace {

struct TPicture
{
    QString Prefix;
    QString Suffix;
    bool Grouped = false;
    int MinDecimals = 0;
    int MaxDecimals = 0;
};

bool IsSectionChar(QChar AChar)
{
    return AChar == u'#' || AChar == u'0' || AChar == u',' || AChar == u'.';
}

TPicture ParsePicture(const QString& APicture)
{
    TPicture picture;
    qsizetype first = 0;
    while (first < APicture.size() && !IsSectionChar(APicture[first]))
        ++first;
    qsizetype last = first;
    while (last < APicture.size() && IsSectionChar(APicture[last]))
        ++last;
    picture.Prefix = APicture.left(first);
    picture.Suffix = APicture.mid(last);
    const QString section = APicture.mid(first, last - first);
    picture.Grouped = section.contains(u',');
    const qsizetype point = section.indexOf(u'.');
    if (point >= 0) {
        const QString decimals = section.mid(point + 1);
        picture.MinDecimals = int(decimals.count(u'0'));
        picture.MaxDecimals = int(decimals.count(u'0') + decimals.count(u'#'));
    }
    return picture;
}

QString GroupThousands(const QString& ADigits)
{
    QString grouped;
    for (qsizetype i = 0; i < ADigits.size(); ++i) {
        if (i > 0 && (ADigits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += ADigits[i];
    }
    return grouped;
}

// "1.5E+30": 15 significant digits without the trailing zeros.
QString Scientific(double AAbsolute)
{
    QString text = QString::number(AAbsolute, 'E', 14);
    const qsizetype exponent = text.indexOf(u'E');
    qsizetype end = exponent;
    while (text[end - 1] == u'0')
        --end;
    if (text[end - 1] == u'.')
        --end;
    return text.left(end) + text.mid(exponent);
}

bool HasNonZeroDigit(const QString& AText)
{
    return std::any_of(AText.begin(), AText.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
}

QString Magnitude(double AAbsolute, const TPicture& APicture)
{
    if (std::isinf(AAbsolute))
        return QStringLiteral("INF");
    if (AAbsolute >= 1e15)
        return Scientific(AAbsolute);
    QString text = QString::number(AAbsolute, 'f', APicture.MaxDecimals);
    if (APicture.MaxDecimals > APicture.MinDecimals) {
        const qsizetype point = text.indexOf(u'.');
        qsizetype end = text.size();
        while (end > point + 1 + APicture.MinDecimals && text[end - 1] == u'0')
            --end;
        if (end == point + 1)
            end = point;
        text.truncate(end);
    }
    if (!APicture.Grouped)
        return text;
    const qsizetype point = text.indexOf(u'.');
    const QString whole = point < 0 ? text : text.left(point);
    return GroupThousands(whole) + (point < 0 ? QString() : text.mid(point));
}

} // namespace

QString FormatChartValue(double AValue, const QString& APicture)
{
    if (std::isnan(AValue))
        return QStringLiteral("NAN");
    const TPicture picture = ParsePicture(APicture);
    const QString magnitude = Magnitude(std::fabs(AValue), picture);
    QString text = picture.Prefix + magnitude + picture.Suffix;
    // A value that rounds to zero shows no sign.
    const bool negative = AValue < 0 && (std::isinf(AValue) || HasNonZeroDigit(magnitude));
    if (negative) {
        qsizetype blanks = 0;
        while (blanks < picture.Prefix.size() && picture.Prefix[blanks] == u' ')
            ++blanks;
        text.insert(blanks, u'-');
    }
    return text;
}
