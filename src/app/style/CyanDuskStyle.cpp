#include "app/style/CyanDuskStyle.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTabBar>

CyanDuskStyle::CyanDuskStyle(QStyle* base) : QProxyStyle(base)
{
    setObjectName(QStringLiteral("CyanDusk"));
}

// Qt repaints on the mouse entering and leaving only widgets that ask for it; these are washed under the
// mouse here but not by the base style.
void CyanDuskStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QTabBar*>(widget)) {
        widget->setAttribute(Qt::WA_Hover);
    } else if (auto* Header = qobject_cast<QHeaderView*>(widget)) {
        Header->setAttribute(Qt::WA_Hover);
        // The sections are painted on the viewport, which receives the mouse.
        Header->viewport()->setAttribute(Qt::WA_Hover);
    }
}

void CyanDuskStyle::unpolish(QWidget* widget)
{
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QTabBar*>(widget)) {
        widget->setAttribute(Qt::WA_Hover, false);
    } else if (auto* Header = qobject_cast<QHeaderView*>(widget)) {
        Header->setAttribute(Qt::WA_Hover, false);
        Header->viewport()->setAttribute(Qt::WA_Hover, false);
    }
    QProxyStyle::unpolish(widget);
}

void CyanDuskStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    switch (element) {
    case PE_FrameTabWidget:
        drawTabPageFrame(option, painter);
        return;
    case PE_PanelLineEdit:
        if (drawFieldPanel(option, painter, widget))
            return;
        break;
    case PE_IndicatorCheckBox:
    case PE_PanelButtonCommand:
    case PE_FrameDefaultButton:
        if (drawButtonPrimitive(element, option, painter, widget))
            return;
        break;
    case PE_PanelStatusBar:
        drawStatusBarPanel(option, painter);
        return;
    case PE_PanelTipLabel:
        drawToolTipPanel(option, painter);
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void CyanDuskStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    switch (element) {
    case CE_TabBarTabShape:
    case CE_TabBarTabLabel:
        if (drawTab(element, option, painter, widget))
            return;
        break;
    case CE_HeaderSection:
        drawHeaderSection(option, painter);
        return;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void CyanDuskStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const
{
    switch (control) {
    case CC_Slider:
        if (drawSlider(option, painter, widget))
            return;
        break;
    case CC_ComboBox:
        if (drawComboBox(option, painter, widget))
            return;
        break;
    case CC_SpinBox:
        if (drawSpinBox(option, painter, widget))
            return;
        break;
    default:
        break;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}
