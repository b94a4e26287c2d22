#include "files/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// A file written whole or not at all: a write the disk takes only in part leaves the file there as it was.
class TestWholeFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenWholeOrNotAtAll_data();
    void writtenWholeOrNotAtAll();
};

void TestWholeFile::writtenWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("room"); // bytes a file may take, as on a disk that is nearly full; -1: no end
    // Qt holds up to 16 KiB of writes back before they reach the disk; a plan is far smaller, a PDF larger.
    QTest::newRow("small") << "plan.pelvantor" << 700 << -1;
    QTest::newRow("large") << "report.pdf" << 100000 << -1;
    QTest::newRow("empty") << "empty.pelvantor" << 0 << -1;
    QTest::newRow("folder missing") << "missing/plan.pelvantor" << 700 << -1;
#ifdef Q_OS_UNIX
    QTest::newRow("small, disk full partway") << "plan.pelvantor" << 700 << 200;
    QTest::newRow("large, disk full partway") << "report.pdf" << 100000 << 40000;
    QTest::newRow("small, disk full") << "plan.pelvantor" << 700 << 0;
#endif
}

void TestWholeFile::writtenWholeOrNotAtAll()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, room);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const QByteArray before("the file that was there"), data(size, 'x');
    QFile existing(path);
    if (existing.open(QIODevice::WriteOnly))
        existing.write(before);
    existing.close();

    QString problem;
#ifdef Q_OS_UNIX
    // A write past the file size limit fails with EFBIG, as one onto a full disk fails with ENOSPC.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    rlimit limited = unlimited;
    if (room >= 0)
        limited.rlim_cur = rlim_t(room);
    setrlimit(RLIMIT_FSIZE, &limited);
    problem = WriteWholeFile(path, data);
    setrlimit(RLIMIT_FSIZE, &unlimited);
#else
    problem = WriteWholeFile(path, data);
#endif

    const bool written = room < 0 && existing.exists();
    QCOMPARE(problem.isEmpty(), written);
    QFile after(path);
    if (existing.exists()) {
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), written ? data : before);
    }
    // Nothing half written left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), existing.exists() ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_WholeFile.moc"
