#include "access/ChartAccessible.h"

#include "access/ChartItemAccessible.h"
#include "charts/ChartItems.h"
#include "charts/ChartWidget.h"

namespace {

void Send(QAccessibleInterface* AInterface, QAccessible::Event AEvent)
{
    QAccessibleEvent event(AInterface, AEvent);
    QAccessible::updateAccessibility(&event);
}

} // namespace

ChartAccessible::ChartAccessible(ChartWidget* AChart) : QAccessibleWidget(AChart, QAccessible::Chart)
{
    m_announced = itemTexts();
}

ChartAccessible::~ChartAccessible()
{
    for (QAccessible::Id id : std::as_const(m_items))
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* ChartAccessible::create(const QString&, QObject* AObject)
{
    if (auto* chart = qobject_cast<ChartWidget*>(AObject))
        return new ChartAccessible(chart);
    return nullptr;
}

void ChartAccessible::announceChanges(ChartWidget* AChart)
{
    if (!QAccessible::isActive())
        return;
    if (auto* accessible = dynamic_cast<ChartAccessible*>(QAccessible::queryAccessibleInterface(AChart)))
        accessible->announce();
}

ChartWidget* ChartAccessible::chart() const
{
    return static_cast<ChartWidget*>(widget());
}

int ChartAccessible::childCount() const
{
    return ChartItemCount(chart()->layout()) + QAccessibleWidget::childCount();
}

QAccessibleInterface* ChartAccessible::child(int AIndex) const
{
    const int items = ChartItemCount(chart()->layout());
    if (AIndex < 0)
        return nullptr;
    return AIndex < items ? item(AIndex) : QAccessibleWidget::child(AIndex - items);
}

int ChartAccessible::indexOfChild(const QAccessibleInterface* AChild) const
{
    const int items = ChartItemCount(chart()->layout());
    if (const auto* chartItem = dynamic_cast<const ChartItemAccessible*>(AChild)) {
        const bool current = chartItem->chart() == chart() && chartItem->index() < items;
        return current ? chartItem->index() : -1;
    }
    const int widgetIndex = QAccessibleWidget::indexOfChild(AChild);
    return widgetIndex < 0 ? -1 : items + widgetIndex;
}

QAccessibleInterface* ChartAccessible::item(int AIndex) const
{
    if (m_items.size() <= AIndex)
        m_items.resize(AIndex + 1);
    if (!m_items[AIndex])
        m_items[AIndex] = QAccessible::registerAccessibleInterface(new ChartItemAccessible(chart(), AIndex));
    return QAccessible::accessibleInterface(m_items[AIndex]);
}

QStringList ChartAccessible::itemTexts() const
{
    QStringList texts;
    const int items = ChartItemCount(chart()->layout());
    for (int i = 0; i < items; ++i)
        texts.append(ChartItemText(chart()->description(), chart()->layout(), i));
    return texts;
}

void ChartAccessible::announce()
{
    const QStringList texts = itemTexts();
    const int kept = int(std::min(texts.size(), m_announced.size()));
    // Only items a client has asked for can have been heard of, so only they can have changed.
    for (int i = 0; i < kept && i < m_items.size(); ++i)
        if (m_items[i] && texts[i] != m_announced[i])
            Send(item(i), QAccessible::NameChanged);
    for (int i = int(m_items.size()) - 1; i >= texts.size(); --i)
        retire(i);
    for (int i = kept; i < texts.size(); ++i)
        Send(item(i), QAccessible::ObjectCreated);
    m_announced = texts;
}

void ChartAccessible::retire(int AIndex)
{
    if (const QAccessible::Id id = m_items[AIndex]) {
        Send(QAccessible::accessibleInterface(id), QAccessible::ObjectDestroyed);
        QAccessible::deleteAccessibleInterface(id);
    }
    m_items.resize(AIndex);
}
