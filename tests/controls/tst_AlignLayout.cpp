#include "controls/AlignLayout.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <memory>

namespace
{
constexpr QSize DesignSize(400, 300);

QWidget* AddChild(QWidget* AParent, const char* AName, const QRect& AGeometry, const char* AProperty,
                  const char* AValue, const char* AMargins = nullptr)
{
    auto* child = new QWidget(AParent);
    child->setObjectName(QLatin1String(AName));
    child->setGeometry(AGeometry);
    child->setProperty(AProperty, QLatin1String(AValue));
    if (AMargins)
        child->setProperty("alignMargins", QLatin1String(AMargins));
    return child;
}

// A panel laid out the way the form describes one, at its design size of 400 x 300.
std::unique_ptr<QWidget> DesignedPanel()
{
    auto panel = std::make_unique<QWidget>();
    panel->resize(DesignSize);
    QWidget* p = panel.get();
    // Created out of their side order, so the placement cannot lean on the order of creation.
    AddChild(p, "client", QRect(104, 40, 296, 228), "align", "client", "1,1,1,1");
    AddChild(p, "side", QRect(0, 40, 100, 228), "align", "left", "0,0,4,0");
    AddChild(p, "status", QRect(5, 268, 390, 30), "align", "bottom", "5,0,5,2");
    AddChild(p, "top", QRect(0, 0, 400, 40), "align", "top");
    AddChild(p, "stretched", QRect(120, 60, 200, 150), "anchors", "left,top,right,bottom");
    AddChild(p, "topRight", QRect(330, 50, 60, 20), "anchors", "top,right");
    AddChild(p, "centred", QRect(150, 250, 100, 20), "anchors", "bottom");
    AddChild(p, "leftBottom", QRect(10, 260, 80, 25), "anchors", "left,bottom");
    AddChild(p, "leftTopRight", QRect(20, 100, 360, 30), "anchors", "left,top,right");
    // Without any placement wish a child is left where it is.
    auto* loose = new QWidget(p);
    loose->setObjectName(QStringLiteral("loose"));
    loose->setGeometry(30, 200, 40, 10);
    InstallAlignLayouts(p);
    return panel;
}
} // namespace

class TestAlignLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void resizePlacesChildren_data()
    {
        QTest::addColumn<QString>("child");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("expected");

        const QSize design = DesignSize;
        const QSize grown(600, 450);
        const QSize shrunk(300, 200);

        QTest::newRow("top strip at design") << "top" << design << QRect(0, 0, 400, 40);
        QTest::newRow("top strip grown") << "top" << grown << QRect(0, 0, 600, 40);
        QTest::newRow("top strip shrunk") << "top" << shrunk << QRect(0, 0, 300, 40);
        // Strip of 30 + 2 px at the very bottom, 5 px kept free on both sides.
        QTest::newRow("bottom strip at design") << "status" << design << QRect(5, 268, 390, 30);
        QTest::newRow("bottom strip grown") << "status" << grown << QRect(5, 418, 590, 30);
        QTest::newRow("bottom strip shrunk") << "status" << shrunk << QRect(5, 168, 290, 30);
        // The left strip fills the height between the top and bottom strips.
        QTest::newRow("left strip at design") << "side" << design << QRect(0, 40, 100, 228);
        QTest::newRow("left strip grown") << "side" << grown << QRect(0, 40, 100, 378);
        QTest::newRow("left strip shrunk") << "side" << shrunk << QRect(0, 40, 100, 128);
        QTest::newRow("client at design") << "client" << design << QRect(105, 41, 294, 226);
        QTest::newRow("client grown") << "client" << grown << QRect(105, 41, 494, 376);
        QTest::newRow("client shrunk") << "client" << shrunk << QRect(105, 41, 194, 126);

        QTest::newRow("all anchors at design") << "stretched" << design << QRect(120, 60, 200, 150);
        QTest::newRow("all anchors grown") << "stretched" << grown << QRect(120, 60, 400, 300);
        QTest::newRow("all anchors shrunk") << "stretched" << shrunk << QRect(120, 60, 100, 50);
        QTest::newRow("all anchors shrunk past nothing") << "stretched" << QSize(180, 140) << QRect(120, 60, 0, 0);
        QTest::newRow("top right grown") << "topRight" << grown << QRect(530, 50, 60, 20);
        QTest::newRow("top right shrunk") << "topRight" << shrunk << QRect(230, 50, 60, 20);
        QTest::newRow("top right taller only") << "topRight" << QSize(400, 500) << QRect(330, 50, 60, 20);
        // Anchored to neither side it keeps its centre: half the growth each way.
        QTest::newRow("bottom only grown") << "centred" << grown << QRect(250, 400, 100, 20);
        QTest::newRow("bottom only shrunk") << "centred" << shrunk << QRect(100, 150, 100, 20);
        QTest::newRow("left bottom grown") << "leftBottom" << grown << QRect(10, 410, 80, 25);
        QTest::newRow("left bottom shrunk") << "leftBottom" << shrunk << QRect(10, 160, 80, 25);
        QTest::newRow("left top right grown") << "leftTopRight" << grown << QRect(20, 100, 560, 30);
        QTest::newRow("left top right shrunk") << "leftTopRight" << shrunk << QRect(20, 100, 260, 30);
        QTest::newRow("no placement wish grown") << "loose" << grown << QRect(30, 200, 40, 10);
    }

    void resizePlacesChildren()
    {
        QFETCH(QString, child);
        QFETCH(QSize, size);
        QFETCH(QRect, expected);

        const auto panel = DesignedPanel();
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        // Through another size first, so a placement that only holds at the design size shows up.
        panel->resize(size + QSize(37, 23));
        QCoreApplication::processEvents();
        panel->resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(panel->size(), size);
        auto* control = panel->findChild<QWidget*>(child);
        QVERIFY(control);
        QCOMPARE(control->geometry(), expected);
    }

    // A hidden panel gets no layout pass of its own; ArrangeChildren must place its children all the same.
    void arrangeHiddenPanel()
    {
        const auto panel = DesignedPanel();
        panel->resize(600, 450);
        ArrangeChildren(panel.get());
        QCOMPARE(panel->findChild<QWidget*>(QStringLiteral("status"))->geometry(), QRect(5, 418, 590, 30));
        QCOMPARE(panel->findChild<QWidget*>(QStringLiteral("topRight"))->geometry(), QRect(530, 50, 60, 20));
        QCOMPARE(panel->findChild<QWidget*>(QStringLiteral("centred"))->geometry(), QRect(250, 400, 100, 20));
    }

    // Two strips on one side keep the order they have in the design, whatever order they were created in.
    void stripOrder_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<bool>("outerFirst");
        QTest::addColumn<QRect>("outerDesign");
        QTest::addColumn<QRect>("innerDesign");
        QTest::addColumn<QRect>("outerExpected");
        QTest::addColumn<QRect>("innerExpected");

        const QRect lowBottom(0, 270, 400, 30);
        const QRect highBottom(0, 230, 400, 40);
        const QRect upperTop(0, 0, 400, 20);
        const QRect lowerTop(0, 20, 400, 30);
        const QRect outerLeft(0, 0, 50, 300);
        const QRect innerLeft(50, 0, 60, 300);
        const QRect outerRight(350, 0, 50, 300);
        const QRect innerRight(280, 0, 70, 300);

        QTest::newRow("bottom, lower created first") << "bottom" << true << lowBottom << highBottom
                                                     << QRect(0, 470, 600, 30) << QRect(0, 430, 600, 40);
        QTest::newRow("bottom, lower created last") << "bottom" << false << lowBottom << highBottom
                                                    << QRect(0, 470, 600, 30) << QRect(0, 430, 600, 40);
        QTest::newRow("top, upper created first") << "top" << true << upperTop << lowerTop << QRect(0, 0, 600, 20)
                                                  << QRect(0, 20, 600, 30);
        QTest::newRow("top, upper created last") << "top" << false << upperTop << lowerTop << QRect(0, 0, 600, 20)
                                                 << QRect(0, 20, 600, 30);
        QTest::newRow("left, outer created last") << "left" << false << outerLeft << innerLeft
                                                  << QRect(0, 0, 50, 500) << QRect(50, 0, 60, 500);
        QTest::newRow("right, outer created first") << "right" << true << outerRight << innerRight
                                                    << QRect(550, 0, 50, 500) << QRect(480, 0, 70, 500);
        QTest::newRow("right, outer created last") << "right" << false << outerRight << innerRight
                                                   << QRect(550, 0, 50, 500) << QRect(480, 0, 70, 500);
    }

    void stripOrder()
    {
        QFETCH(QString, side);
        QFETCH(bool, outerFirst);
        QFETCH(QRect, outerDesign);
        QFETCH(QRect, innerDesign);
        QFETCH(QRect, outerExpected);
        QFETCH(QRect, innerExpected);

        QWidget panel;
        panel.resize(DesignSize);
        const QByteArray align = side.toLatin1();
        QWidget* outer = nullptr;
        QWidget* inner = nullptr;
        if (outerFirst) {
            outer = AddChild(&panel, "outer", outerDesign, "align", align.constData());
            inner = AddChild(&panel, "inner", innerDesign, "align", align.constData());
        } else {
            inner = AddChild(&panel, "inner", innerDesign, "align", align.constData());
            outer = AddChild(&panel, "outer", outerDesign, "align", align.constData());
        }
        InstallAlignLayouts(&panel);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.resize(600, 500);
        QCoreApplication::processEvents();
        QCOMPARE(outer->geometry(), outerExpected);
        QCOMPARE(inner->geometry(), innerExpected);
    }

    // A caption right-aligned against the panel edge: its width follows the text, its right edge stays put.
    void autoSizeKeepsRightEdge_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("panelWidth");

        QTest::newRow("shown, longer text") << true << "Annual interest rate, %" << 400;
        QTest::newRow("shown, shorter text") << true << "%" << 400;
        QTest::newRow("shown, longer text, wider panel") << true << "Annual interest rate, %" << 640;
        QTest::newRow("shown, same text, narrower panel") << true << "Rate" << 330;
        QTest::newRow("hidden, longer text") << false << "Annual interest rate, %" << 400;
        QTest::newRow("hidden, longer text, wider panel") << false << "Annual interest rate, %" << 640;
    }

    void autoSizeKeepsRightEdge()
    {
        QFETCH(bool, shown);
        QFETCH(QString, text);
        QFETCH(int, panelWidth);

        QWidget panel;
        panel.resize(DesignSize);
        auto* caption = new QLabel(QStringLiteral("Rate"), &panel);
        caption->setProperty("autoSize", true);
        caption->setProperty("anchors", QStringLiteral("top,right"));
        caption->setGeometry(340, 12, 5, 5);
        InstallAlignLayouts(&panel);
        // Installing sizes it to its text and keeps its left edge, which fixes the gap to the panel's right edge.
        QCOMPARE(caption->size(), caption->sizeHint());
        QCOMPARE(caption->x(), 340);
        const int rightGap = DesignSize.width() - (caption->x() + caption->width());
        QVERIFY(rightGap > 0);
        if (shown) {
            panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
        }

        caption->setText(text);
        panel.resize(panelWidth, DesignSize.height());
        if (shown)
            QCoreApplication::processEvents();
        else
            ArrangeChildren(&panel);
        QCOMPARE(caption->width(), caption->sizeHint().width());
        QCOMPARE(caption->y(), 12);
        QCOMPARE(panelWidth - (caption->x() + caption->width()), rightGap);
    }

    // A text change alone, with the panel's size untouched, must refit the caption on the next layout pass.
    void autoSizeFollowsTextWhileShown()
    {
        QWidget panel;
        panel.resize(DesignSize);
        auto* caption = new QLabel(QStringLiteral("Rate"), &panel);
        caption->setProperty("autoSize", true);
        caption->setProperty("anchors", QStringLiteral("top,right"));
        caption->move(340, 12);
        InstallAlignLayouts(&panel);
        const int right = caption->geometry().right();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const int narrow = caption->width();
        caption->setText(QStringLiteral("Interest rate per year"));
        QTRY_VERIFY(caption->width() > narrow);
        QCOMPARE(caption->width(), caption->sizeHint().width());
        QCOMPARE(caption->geometry().right(), right);
    }

    // The form moves a control on purpose (centring a link, say); later resizes keep it at its new place,
    // measured from the edges it is anchored to.
    void moveControlSticks_data()
    {
        QTest::addColumn<QString>("anchors");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QRect>("afterResize");

        // Designed at (330, 50) 60 x 20 in a 400 x 300 panel, moved to (200, 40) when the panel is 500 x 300,
        // then the panel grows to 600 x 360.
        QTest::newRow("top right, shown") << "top,right" << true << QRect(300, 40, 60, 20);
        QTest::newRow("top right, hidden") << "top,right" << false << QRect(300, 40, 60, 20);
        QTest::newRow("left top, shown") << "left,top" << true << QRect(200, 40, 60, 20);
        QTest::newRow("left top, hidden") << "left,top" << false << QRect(200, 40, 60, 20);
        QTest::newRow("bottom only, shown") << "bottom" << true << QRect(250, 100, 60, 20);
        QTest::newRow("bottom only, hidden") << "bottom" << false << QRect(250, 100, 60, 20);
        // Stretched by 100 px at 500 wide, so 160 px wide when moved, 260 px at 600.
        QTest::newRow("left top right, shown") << "left,top,right" << true << QRect(200, 40, 260, 20);
        QTest::newRow("left top right, hidden") << "left,top,right" << false << QRect(200, 40, 260, 20);
    }

    void moveControlSticks()
    {
        QFETCH(QString, anchors);
        QFETCH(bool, shown);
        QFETCH(QRect, afterResize);

        QWidget panel;
        panel.resize(DesignSize);
        QWidget* control = AddChild(&panel, "moved", QRect(330, 50, 60, 20), "anchors", "");
        control->setProperty("anchors", anchors);
        InstallAlignLayouts(&panel);
        if (shown) {
            panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
        }
        panel.resize(500, 300);
        if (shown)
            QCoreApplication::processEvents();
        MoveControl(control, {200, 40});
        QCOMPARE(control->pos(), QPoint(200, 40));
        // A layout pass at the same size must leave it where it was moved.
        ArrangeChildren(&panel);
        QCoreApplication::processEvents();
        QCOMPARE(control->pos(), QPoint(200, 40));

        panel.resize(600, 360);
        if (shown)
            QCoreApplication::processEvents();
        else
            ArrangeChildren(&panel);
        QCOMPARE(control->geometry(), afterResize);
    }
};

QTEST_MAIN(TestAlignLayout)
#include "tst_AlignLayout.moc"
