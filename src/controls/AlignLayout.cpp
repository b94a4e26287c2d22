#include "controls/AlignLayout.h"

#include "controls/GridPanel.h"

#include <QWidget>
#include <algorithm>

AlignLayout::AlignLayout(QWidget* parent) : QLayout(parent), m_designSize(parent->size())
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

AlignLayout::~AlignLayout()
{
    for (const Item& item : m_items)
        delete item.layoutItem;
}

AlignLayout::Item AlignLayout::MakeItem(QLayoutItem* AItem, const QRect& ADesign, const QSize& AParentDesign)
{
    Item item;
    item.layoutItem = AItem;
    item.design = ADesign;
    item.parentDesign = AParentDesign;
    if (const QWidget* control = AItem->widget()) {
        item.align = AlignOf(control);
        item.anchors = AnchorsOf(control);
        item.margins = AlignMarginsOf(control);
        item.autoSize = AutoSizeOf(control);
    }
    return item;
}

void AlignLayout::addControl(QWidget* control)
{
    addChildWidget(control);
    m_items.append(MakeItem(new QWidgetItem(control), control->geometry(), parentWidget()->size()));
    invalidate();
}

void AlignLayout::rebase(QWidget* control)
{
    for (Item& item : m_items) {
        if (item.layoutItem->widget() == control) {
            item.design = control->geometry();
            item.parentDesign = parentWidget()->size();
        }
    }
}

void AlignLayout::addItem(QLayoutItem* item)
{
    m_items.append(MakeItem(item, item->geometry(), parentWidget() ? parentWidget()->size() : QSize()));
}

QLayoutItem* AlignLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index].layoutItem : nullptr;
}

QLayoutItem* AlignLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index).layoutItem;
}

void AlignLayout::arrange()
{
    setGeometry(parentWidget()->rect());
}

void AlignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    QWidget* parent = parentWidget();
    QRect free = parent->contentsRect();

    // Strips are taken in this order, and within one side in the order they stand on that side.
    static constexpr TAlign Order[] = {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client};
    for (TAlign side : Order) {
        QVector<const Item*> strip;
        for (const Item& item : m_items)
            if (item.align == side)
                strip.append(&item);
        std::stable_sort(strip.begin(), strip.end(), [side](const Item* a, const Item* b) {
            switch (side) {
            case TAlign::Bottom: return a->design.bottom() > b->design.bottom();
            case TAlign::Right: return a->design.right() > b->design.right();
            case TAlign::Left: return a->design.left() < b->design.left();
            default: return a->design.top() < b->design.top();
            }
        });
        for (const Item* item : strip)
            placeAligned(free, *item);
    }
    for (const Item& item : m_items)
        if (item.align == TAlign::None)
            placeAnchored(parent->size(), item);
}

void AlignLayout::placeAligned(QRect& free, const Item& item) const
{
    QWidget* control = item.layoutItem->widget();
    const QMargins& margins = item.margins;
    const int width = item.design.width() + margins.left() + margins.right();
    const int height = item.design.height() + margins.top() + margins.bottom();
    QRect strip = free;
    switch (item.align) {
    case TAlign::Top:
        strip.setHeight(height);
        free.setTop(free.top() + height);
        break;
    case TAlign::Bottom:
        strip.setTop(free.bottom() + 1 - height);
        free.setBottom(free.bottom() - height);
        break;
    case TAlign::Left:
        strip.setWidth(width);
        free.setLeft(free.left() + width);
        break;
    case TAlign::Right:
        strip.setLeft(free.right() + 1 - width);
        free.setRight(free.right() - width);
        break;
    default:
        break;
    }
    control->setGeometry(strip.marginsRemoved(margins));
}

namespace {

// One axis of an anchored control: its start and length for the parent's new extent.
std::pair<int, int> AnchorAxis(bool AStart, bool AEnd, int ADesignPos, int ADesignLen, int ALen, int ADesignParent,
                               int AParent)
{
    const int endGap = ADesignParent - (ADesignPos + ADesignLen);
    if (AStart && AEnd)
        return {ADesignPos, std::max(AParent - endGap - ADesignPos, 0)};
    if (AEnd)
        return {AParent - endGap - ALen, ALen};
    if (AStart)
        return {ADesignPos, ALen};
    // Neither edge: the control keeps its place relative to the centre.
    return {ADesignPos + (AParent - ADesignParent) / 2, ALen};
}

} // namespace

void AlignLayout::placeAnchored(const QSize& parentSize, const Item& item) const
{
    QWidget* control = item.layoutItem->widget();
    const TAnchors& anchors = item.anchors;
    const QSize size = item.autoSize ? control->sizeHint() : item.design.size();
    const auto [x, width] = AnchorAxis(anchors.Left, anchors.Right, item.design.x(), item.design.width(),
                                       size.width(), item.parentDesign.width(), parentSize.width());
    const auto [y, height] = AnchorAxis(anchors.Top, anchors.Bottom, item.design.y(), item.design.height(),
                                        size.height(), item.parentDesign.height(), parentSize.height());
    control->setGeometry(x, y, width, height);
}

void InstallAlignLayouts(QWidget* ARoot)
{
    QList<QWidget*> panels = ARoot->findChildren<QWidget*>();
    panels.prepend(ARoot);
    for (QWidget* panel : panels) {
        if (qobject_cast<GridPanel*>(panel) || panel->layout())
            continue;
        AlignLayout* layout = nullptr;
        for (QWidget* child : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!IsPlaced(child) && !AutoSizeOf(child))
                continue;
            if (AutoSizeOf(child))
                child->resize(child->sizeHint());
            if (!layout)
                layout = new AlignLayout(panel);
            layout->addControl(child);
        }
    }
}

void MoveControl(QWidget* AControl, const QPoint& APosition)
{
    auto* layout = AControl->parentWidget() ? qobject_cast<AlignLayout*>(AControl->parentWidget()->layout()) : nullptr;
    // Bring the panel up to date first, so the new reference is taken against its present size.
    if (layout)
        layout->arrange();
    AControl->move(APosition);
    if (layout)
        layout->rebase(AControl);
}

void ArrangeChildren(QWidget* AControl)
{
    if (auto* layout = qobject_cast<AlignLayout*>(AControl->layout()))
        layout->arrange();
    else if (auto* grid = qobject_cast<GridPanel*>(AControl))
        grid->arrange();
}
