// Working off the UI thread: what the picture set, the sharp faces and the
// folder mark rely on.
#include "core/Background.h"

#include <QSemaphore>
#include <QThreadPool>
#include <QtTest>

class TstBackground : public QObject
{
    Q_OBJECT

private slots:
    void aResultReachesOnlyALiveReceiver_data()
    {
        QTest::addColumn<bool>("receiverGone");
        QTest::addRow("a live receiver gets the result on its own thread") << false;
        QTest::addRow("a receiver deleted before the result gets nothing") << true;
    }
    void aResultReachesOnlyALiveReceiver()
    {
        QFETCH(bool, receiverGone);
        QSemaphore go;
        auto receiver = std::make_unique<QObject>();
        int got = 0;
        const QFuture<int> future = Background::run(Background::Policy::Pool, [&go] { go.acquire(); return 7; });
        Background::deliver(future, receiver.get(), [&got](int, int value) {
            got = QThread::currentThread() == QCoreApplication::instance()->thread() ? value : -1;
        });
        if (receiverGone)
            receiver.reset();
        go.release();
        QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(got, receiverGone ? 0 : 7);
    }

    // The application waits for the pool as it ends: a check stuck on a dead
    // mount must not be in it.
    void aStuckJobOnItsOwnThreadHoldsUpNoExit()
    {
        const auto stuck = std::make_shared<QSemaphore>();
        const QFuture<int> future =
            Background::run(Background::Policy::Unwaited, [stuck] { stuck->acquire(); return 0; });
        const bool poolFree = QThreadPool::globalInstance()->waitForDone(1000);
        const bool stillStuck = !future.isFinished();
        stuck->release(); // else a failure here would hang this test's own exit
        QVERIFY(stillStuck);
        QVERIFY(poolFree);
    }
};

QTEST_GUILESS_MAIN(TstBackground)
#include "tst_background.moc"
