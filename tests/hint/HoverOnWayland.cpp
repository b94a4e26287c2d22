#include "app/TFMain.h"
#include "charts/ChartWidget.h"
#include "hint/TFHint.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstring>

// The hover window as a Wayland compositor shows it. Run by scripts/test-wayland as a client of a weston
// started with its screenshot protocol: the mouse moves over the bar graph from one year to one far away,
// and the hover window is looked for in the compositor's screenshots.
class TestHoverOnWayland : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsPointer();
};

namespace {

// The compositor's picture of its output, by weston-screenshooter; null when none was taken.
QImage Screenshot()
{
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    const QStringList shots = shooter.waitForFinished(10000)
                                  ? QDir(dir.path()).entryList({QStringLiteral("*.png")})
                                  : QStringList();
    return shots.size() == 1 ? QImage(dir.filePath(shots[0])).convertToFormat(QImage::Format_RGB32)
                             : QImage();
}

// Where the hover window's picture stands in the screenshot pixel for pixel, its middle row tried first as
// the likeliest to differ; invalid when nowhere.
QPoint Find(const QImage& AShot, const QImage& AHint)
{
    const auto rowMatches = [&](int x, int y, int row) {
        return std::memcmp(AShot.constScanLine(y + row) + 4 * x, AHint.constScanLine(row),
                           4 * AHint.width()) == 0;
    };
    for (int y = 0; y + AHint.height() <= AShot.height(); ++y)
        for (int x = 0; x + AHint.width() <= AShot.width(); ++x) {
            if (!rowMatches(x, y, AHint.height() / 2))
                continue;
            int row = 0;
            while (row < AHint.height() && rowMatches(x, y, row))
                ++row;
            if (row == AHint.height())
                return {x, y};
        }
    return {-1, -1};
}

// Moves the mouse to year AYear's bar at AHeight of the value axis' top as the window system reports a
// movement; returns the pixel.
QPoint Hover(ChartWidget* AChart, int AYear, double AHeight)
{
    const QPoint pixel(
        int(std::lround(AChart->bottomAxis().calcPosValue(AYear - 1))),
        int(std::lround(AChart->leftAxis().calcPosValue(AHeight * AChart->leftAxis().maximum()))));
    QMouseEvent move(QEvent::MouseMove, pixel, AChart->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(AChart, &move);
    return pixel;
}

// Where the compositor shows the hover window with what it holds now, waited for until it stands anywhere
// but at AGone: refilled, it may stay there a moment before it moves. Invalid when nowhere.
QPoint ShownHint(TFHint& AHint, QPoint AGone = {-1, -1})
{
    QPoint at;
    // Whether it moved or not, the caller judges by where it stands.
    static_cast<void>(QTest::qWaitFor(
        [&] {
            at = Find(Screenshot(), AHint.grab().toImage().convertToFormat(QImage::Format_RGB32));
            return at.x() >= 0 && at != AGone;
        },
        30000));
    return at;
}

} // namespace

void TestHoverOnWayland::followsPointer()
{
    TFMain window;
    TFHint hint(&window);
    FHint = &hint;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(!Screenshot().isNull(), "weston-screenshooter took no screenshot");
    auto* chart = window.findChild<ChartWidget*>(QStringLiteral("Chart"));

    const QPoint from = Hover(chart, 2, 0.3);
    const int fromWidth = hint.width();
    const QPoint shownFrom = ShownHint(hint);
    QVERIFY2(shownFrom.x() >= 0, "the hover window over year 2 is not on the screen");
    // Year 8, not 10: its hover window stays within the main window's width, so on the screen wherever
    // the compositor puts the main window.
    const QPoint to = Hover(chart, 8, 0.6);
    QCOMPARE(hint.lAfter->text(), QStringLiteral("After 8 years"));
    const QPoint shownTo = ShownHint(hint, shownFrom);
    QVERIFY2(shownTo.x() >= 0, "the hover window over year 8 is not on the screen");
    // Centred on the pointer both times, so it moved as far as the pointer, less half the change of width.
    QCOMPARE(shownTo - shownFrom, to - from - QPoint(hint.width() / 2 - fromWidth / 2, 0));
    FHint = nullptr;
}

QTEST_MAIN(TestHoverOnWayland)
#include "HoverOnWayland.moc"
