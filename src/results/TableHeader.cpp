#include "results/TableHeader.h"

namespace {

struct TCaption
{
    const char* First;
    const char* Second; // nullptr for a one-line caption
};

const TCaption Captions[] = {
    {"Year", nullptr},     {"Initial", "deposit"}, {"Regular", "deposits"},
    {"Total", "interest"}, {"Total", nullptr},
};

} // namespace

QVector<THeaderLine> HeaderCaptionLines(int ACol, const QRect& ARect,
                                        const std::function<int(const QString&)>& ATextWidth, int ATextHeight)
{
    if (ACol < 0 || ACol >= int(std::size(Captions)))
        return {};
    const TCaption& caption = Captions[ACol];
    const int w = ARect.width();
    const int h = ARect.height();
    const QString first = QString::fromLatin1(caption.First);
    if (!caption.Second) {
        const int x = ARect.left() + (w - ATextWidth(first)) / 2 - (ACol == 0 ? 1 : 0);
        return {{first, {x, ARect.top() + (h - ATextHeight) / 2}}};
    }
    const QString second = QString::fromLatin1(caption.Second);
    const int y1 = ARect.top() + (h - 2 * ATextHeight) / 2;
    return {{first, {ARect.left() + (w - ATextWidth(first)) / 2, y1}},
            {second, {ARect.left() + (w - ATextWidth(second)) / 2, y1 + ATextHeight}}};
}

QStringList YearTableCaptions()
{
    QStringList captions;
    for (const TCaption& caption : Captions)
        captions.append(caption.Second
                            ? QString::fromLatin1(caption.First) + u' ' + QString::fromLatin1(caption.Second)
                            : QString::fromLatin1(caption.First));
    return captions;
}
