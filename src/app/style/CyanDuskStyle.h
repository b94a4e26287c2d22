#pragma once

#include <QProxyStyle>

// The "Cyan Dusk" look drawn in code over a base style (Fusion): the current tab marked by a bar in the
// highlight colour and joined to its page, flat slate table headers, a slider with a filled track and a
// round handle, a status bar set off by a line, dark tool tips and a light cyan wash under the mouse.
// Every colour comes from the palette, so the look follows whatever palette the application carries.
// Metrics stay the base style's, apart from a 1 px tab page frame and a small gap between tabs.
class CyanDuskStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Takes ownership of base.
    explicit CyanDuskStyle(QStyle* base);

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    // Each family of controls is drawn in a file of its own; CyanDuskStyle.cpp hands every element to its
    // family. A function that returns false has left the element to the base style.

    // Tabs and their page, with the metrics they change (CyanDuskTabs.cpp).
    void drawTabPageFrame(const QStyleOption* option, QPainter* painter) const;
    bool drawTab(ControlElement element, const QStyleOption* option, QPainter* painter,
                 const QWidget* widget) const;

    // Entry fields: line edits, spin boxes and combo boxes (CyanDuskFields.cpp).
    bool drawFieldPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    bool drawComboBox(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const;
    bool drawSpinBox(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const;

    // Push buttons and check boxes (CyanDuskButtons.cpp).
    bool drawButtonPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const;

    // The slider (CyanDuskSlider.cpp).
    bool drawSlider(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const;

    // Table headers, the table grid, the status bar and tool tips (CyanDuskPanels.cpp).
    void drawHeaderSection(const QStyleOption* option, QPainter* painter) const;
    void drawStatusBarPanel(const QStyleOption* option, QPainter* painter) const;
    void drawToolTipPanel(const QStyleOption* option, QPainter* painter) const;
};
