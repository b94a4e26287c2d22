#include "access/ChartItemAccessible.h"

#include "charts/ChartItems.h"
#include "charts/ChartWidget.h"

#include <QWindow>

ChartItemAccessible::ChartItemAccessible(ChartWidget* AChart, int AIndex) : m_chart(AChart), m_index(AIndex)
{
}

bool ChartItemAccessible::isValid() const
{
    return !m_chart.isNull();
}

QWindow* ChartItemAccessible::window() const
{
    return m_chart ? m_chart->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ChartItemAccessible::parent() const
{
    return m_chart ? QAccessible::queryAccessibleInterface(m_chart.data()) : nullptr;
}

QString ChartItemAccessible::text(QAccessible::Text AText) const
{
    if (!m_chart || AText != QAccessible::Name)
        return QString();
    return ChartItemText(m_chart->description(), m_chart->layout(), m_index);
}

QRect ChartItemAccessible::rect() const
{
    if (!m_chart)
        return QRect();
    const QRect local = ChartItemRect(m_chart->layout(), m_index).toAlignedRect();
    return local.translated(m_chart->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State ChartItemAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !m_chart || !m_chart->isVisible() || m_index >= ChartItemCount(m_chart->layout());
    return state;
}
