#include "platform/BalloonNotice.h"

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
    WindowDestroyed,
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
        QTest::newRow("window closed for good") << TNoticeEvent::WindowDestroyed << false;
    }

    void goesAway()
    {
        QFETCH(TNoticeEvent, event);
        QFETCH(bool, shown);

        auto window = std::make_unique<QWidget>();
        auto* control = new QWidget(window.get());
        window->resize(300, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QPointer<BalloonNotice> notice = new BalloonNotice(window.get());
        notice->showAt(window->mapToGlobal(QPoint(10, 30)), QStringLiteral("notice"));
        QVERIFY(notice->isVisible());
        QTimer* timer = notice->findChild<QTimer*>();
        QCOMPARE(timer->interval(), BalloonNotice::ShownMilliseconds);
        QVERIFY(timer->isActive());

        switch (event) {
        case TNoticeEvent::TimeUp:
            timer->start(1);
            QTest::qWait(20);
            break;
        case TNoticeEvent::ClickElsewhere:
            QTest::mouseClick(control, Qt::LeftButton);
            break;
        case TNoticeEvent::KeyElsewhere:
            QTest::keyClick(control, Qt::Key_5);
            break;
        case TNoticeEvent::WindowMoved:
            window->move(window->pos() + QPoint(40, 0));
            QTest::qWait(20);
            break;
        case TNoticeEvent::WindowHidden:
            window->hide();
            break;
        case TNoticeEvent::WindowDestroyed:
            window.reset();
            QVERIFY(notice.isNull());
            return;
        }
        QCOMPARE(notice->isVisible(), shown);
    }
};

QTEST_MAIN(TestBalloonNotice)
#include "tst_BalloonNotice.moc"
