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

namespace {

// Lets this process write no file beyond ABytes while it lives, as a full disk would; a write past the
// limit then fails with EFBIG instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 ABytes)
    {
#ifdef Q_OS_UNIX
        if (ABytes < 0)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = static_cast<rlim_t>(ABytes);
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
#endif
    }
    ~FileSizeLimit()
    {
#ifdef Q_OS_UNIX
        if (m_set)
            setrlimit(RLIMIT_FSIZE, &m_before);
#endif
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
#ifdef Q_OS_UNIX
    rlimit m_before{};
    bool m_set = false;
#endif
};

} // namespace

void TestWholeFile::writtenWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("written");
    // Qt keeps up to 16 KiB of writes before it hands them to the disk; a plan is far smaller, a PDF larger.
    QTest::newRow("small, room enough") << "plan.pelvantor" << 700 << qint64(-1) << true;
    QTest::newRow("large, room enough") << "report.pdf" << 100000 << qint64(-1) << true;
    QTest::newRow("empty") << "empty.pelvantor" << 0 << qint64(-1) << true;
    QTest::newRow("folder missing") << "missing/plan.pelvantor" << 700 << qint64(-1) << false;
#ifdef Q_OS_UNIX
    QTest::newRow("small, disk full partway") << "plan.pelvantor" << 700 << qint64(200) << false;
    QTest::newRow("large, disk full partway") << "report.pdf" << 100000 << qint64(40000) << false;
    QTest::newRow("small, disk full") << "plan.pelvantor" << 700 << qint64(0) << false;
#endif
}

void TestWholeFile::writtenWholeOrNotAtAll()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(qint64, limit);
    QFETCH(bool, written);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const QByteArray before("the file that was there");
    QFile existing(path);
    if (existing.open(QIODevice::WriteOnly))
        existing.write(before);
    existing.close();
    const QByteArray data(size, 'x');

    QString problem;
    {
        FileSizeLimit full(limit);
        problem = WriteWholeFile(path, data);
    }

    QCOMPARE(problem.isEmpty(), written);
    QFile after(path);
    if (written) {
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), data);
    } else if (existing.exists()) {
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }
    // Nothing half written left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), existing.exists() ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_WholeFile.moc"
