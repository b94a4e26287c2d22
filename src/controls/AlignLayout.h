#pragma once

#include "controls/ControlProperties.h"

#include <QLayout>
#include <QVector>

// Places the children of a panel the way a form describes them: aligned children take a strip of the
// free space (top, bottom, left, right, then the client rest, each with its margins); anchored children
// keep their distance to the anchored edges, stretch when anchored to both, and keep their centre when
// anchored to neither; auto-sized children take the size their content asks for.
class AlignLayout : public QLayout
{
    Q_OBJECT

public:
    explicit AlignLayout(QWidget* parent);
    ~AlignLayout() override;

    // Manages a child with its present geometry, taken against the present size of the parent, as reference.
    void addControl(QWidget* control);
    // Takes the control's present geometry as its new reference, after code has moved it on purpose.
    void rebase(QWidget* control);
    // Places the children now, whether or not the parent is visible.
    void arrange();

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return int(m_items.size()); }
    QSize sizeHint() const override { return m_designSize; }
    QSize minimumSize() const override { return {0, 0}; }
    void setGeometry(const QRect& rect) override;

private:
    // A child with its reference geometry and its placement wishes, read once from the form.
    struct Item
    {
        QLayoutItem* layoutItem = nullptr;
        QRect design;
        QSize parentDesign;
        TAlign align = TAlign::None;
        TAnchors anchors;
        QMargins margins;
        bool autoSize = false;
    };
    static Item MakeItem(QLayoutItem* AItem, const QRect& ADesign, const QSize& AParentDesign);
    void placeAligned(QRect& free, const Item& item) const;
    void placeAnchored(const QSize& parentSize, const Item& item) const;

    QVector<Item> m_items;
    QSize m_designSize;
};

// Gives every panel below ARoot (ARoot included) whose children ask for placement an AlignLayout, and sizes
// its auto-sized labels. Grid panels place their own children.
void InstallAlignLayouts(QWidget* ARoot);

// Moves a control on purpose, so that its panel's layout keeps it there from now on.
void MoveControl(QWidget* AControl, const QPoint& APosition);

// Lays the children of AControl out now (after texts changed while it was hidden, for instance).
void ArrangeChildren(QWidget* AControl);
