#include "controls/BalloonNotice.h"

#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

enum class TNoticeEvent
{
    TimeUp,
    ClickElsewhere,
    KeyElsewhere,
    WindowMoved,
    WindowHidden,
    WindowClosed,
};
Q_DECLARE_METATYPE(TNoticeEvent)

class TestBalloonNotice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
    }

    void goesAway_data()
    {
        QTest::addColumn<TNoticeEvent>("event");
        QTest::addColumn<bool>("shown");
        QTest::newRow("after a few seconds") << TNoticeEvent::TimeUp << false;
        QTest::newRow("click on another control") << TNoticeEvent::ClickElsewhere << false;
        QTest::newRow("typing leaves it") << TNoticeEvent::KeyElsewhere << true;
        QTest::newRow("window moved") << TNoticeEvent::WindowMoved << false;
        QTest::newRow("window hidden") << TNoticeEvent::WindowHidden << false;
        QTest::newRow("window closed for good") << TNoticeEvent::WindowClosed << false;
    }

    void goesAway()
    {
        QFETCH(TNoticeEvent, event);
        QFETCH(bool, shown);
        auto window = std::make_unique<QWidget>();
        auto* control = new QWidget(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QPointer<BalloonNotice> notice = new BalloonNotice(window.get());
        notice->showAt(window->mapToGlobal(QPoint(10, 30)), QStringLiteral("notice"));
        QTimer* timer = notice->findChild<QTimer*>();
        QVERIFY(notice->isVisible() && timer->isActive() &&
                timer->interval() == BalloonNotice::ShownMilliseconds);
        if (event == TNoticeEvent::TimeUp)
            timer->start(1);
        if (event == TNoticeEvent::ClickElsewhere)
            QTest::mouseClick(control, Qt::LeftButton);
        if (event == TNoticeEvent::KeyElsewhere)
            QTest::keyClick(control, Qt::Key_5);
        if (event == TNoticeEvent::WindowMoved)
            window->move(window->pos() + QPoint(40, 0));
        if (event == TNoticeEvent::WindowHidden)
            window->hide();
        if (event == TNoticeEvent::WindowClosed)
            window.reset();
        QTest::qWait(20);
        QCOMPARE(!notice.isNull() && notice->isVisible(), shown);
    }
};

QTEST_MAIN(TestBalloonNotice)
#include "tst_BalloonNotice.moc"
