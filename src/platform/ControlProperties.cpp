#include "platform/ControlProperties.h"

#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace {

QStringList ListProperty(const QWidget* AControl, const char* AName)
{
    return AControl->property(AName).toString().split(u',', Qt::SkipEmptyParts);
}

} // namespace

TAlign AlignOf(const QWidget* AControl)
{
    const QString align = AControl->property("align").toString();
    if (align == u"top")
        return TAlign::Top;
    if (align == u"bottom")
        return TAlign::Bottom;
    if (align == u"left")
        return TAlign::Left;
    if (align == u"right")
        return TAlign::Right;
    if (align == u"client")
        return TAlign::Client;
    return TAlign::None;
}

TAnchors AnchorsOf(const QWidget* AControl)
{
    if (!AControl->property("anchors").isValid())
        return {};
    const QStringList anchors = ListProperty(AControl, "anchors");
    return {anchors.contains(u"left"), anchors.contains(u"top"), anchors.contains(u"right"),
            anchors.contains(u"bottom")};
}

QMargins AlignMarginsOf(const QWidget* AControl)
{
    const QStringList parts = ListProperty(AControl, "alignMargins");
    if (parts.size() != 4)
        return {};
    return {parts[0].toInt(), parts[1].toInt(), parts[2].toInt(), parts[3].toInt()};
}

QPoint CellOf(const QWidget* AControl)
{
    const QStringList parts = ListProperty(AControl, "cell");
    if (parts.size() != 2)
        return {-1, -1};
    return {parts[0].toInt(), parts[1].toInt()};
}

bool AutoSizeOf(const QWidget* AControl)
{
    return AControl->property("autoSize").toBool();
}

bool IsPlaced(const QWidget* AControl)
{
    return AControl->property("align").isValid() || AControl->property("anchors").isValid();
}
