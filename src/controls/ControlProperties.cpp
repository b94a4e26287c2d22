#include "controls/ControlProperties.h"

#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace {

QStringList ListProperty(const QWidget* AControl, const char* AName)
{
    return DynamicProperty(AControl, AName).toString().split(u',', Qt::SkipEmptyParts);
}

} // namespace

QVariant DynamicProperty(const QObject* AControl, const char* AName)
{
    // Only the few dynamic names are searched: a plain property() lookup first walks every declared
    // property of the class chain, which adds up over the hundreds of widgets of a form.
    for (const QByteArray& name : AControl->dynamicPropertyNames())
        if (name == AName)
            return AControl->property(AName);
    return {};
}

TAlign AlignOf(const QWidget* AControl)
{
    const QString align = DynamicProperty(AControl, "align").toString();
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
    if (!DynamicProperty(AControl, "anchors").isValid())
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
    return DynamicProperty(AControl, "autoSize").toBool();
}

bool IsPlaced(const QWidget* AControl)
{
    return DynamicProperty(AControl, "align").isValid() || DynamicProperty(AControl, "anchors").isValid();
}
