#pragma once

#include <QMargins>
#include <QPoint>

class QObject;
class QVariant;
class QWidget;

// Placement wishes a form gives its controls as dynamic properties, read by the panels that place them.

enum class TAlign
{
    None,
    Top,
    Bottom,
    Left,
    Right,
    Client,
};

struct TAnchors
{
    bool Left = true;
    bool Top = true;
    bool Right = false;
    bool Bottom = false;
};

QVariant DynamicProperty(const QObject* AControl, const char* AName); // invalid when not set
TAlign AlignOf(const QWidget* AControl);          // "align": top, bottom, left, right, client
TAnchors AnchorsOf(const QWidget* AControl);      // "anchors": any of left, top, right, bottom
QMargins AlignMarginsOf(const QWidget* AControl); // "alignMargins": "left,top,right,bottom"
QPoint CellOf(const QWidget* AControl);           // "cell": "column,row"; (-1, -1) when absent
bool AutoSizeOf(const QWidget* AControl);         // "autoSize": width and height follow the content
bool IsPlaced(const QWidget* AControl);           // any "align" or "anchors" wish at all
