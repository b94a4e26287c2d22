#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTest>

// Every include in src/ against the layers of README's "Layout" table: a folder includes only from the
// folders it builds on, and through them from what those build on; a folder whose Qt column says "none"
// includes no Qt header, one that says "QtCore" none but QtCore's.
class TestIncludeOrder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void judgesIncludes_data();
    void judgesIncludes();
    void sourcesFollowTheOrder();
};

namespace {

const QString SourceRoot = QStringLiteral(PELVANTOR_SOURCE_DIR);

struct TLayer
{
    QStringList BuildsOn;
    QString Qt; // "none", "QtCore" or "any"
};
using TLayers = QHash<QString, TLayer>; // by folder, relative to src/

struct TInclude
{
    QString Name;
    bool System = false;
    int Line = 0;
};

TLayers g_layers;

QStringList Backticked(const QString& AText)
{
    QStringList names;
    static const QRegularExpression quoted(QStringLiteral("`([^`]+)`"));
    for (const QRegularExpressionMatch& match : quoted.globalMatch(AText))
        names.append(match.captured(1));
    return names;
}

// The table's rows: "| `src/folder` | `a`, `b` | Qt | …".
TLayers ReadLayers(const QString& AReadme)
{
    TLayers layers;
    for (const QString& line : AReadme.split(u'\n')) {
        const QStringList cells = line.split(u'|');
        if (cells.size() < 4 || !cells[1].trimmed().startsWith(QStringLiteral("`src/")))
            continue;
        const QString folder = Backticked(cells[1]).value(0).mid(4);
        layers.insert(folder, {Backticked(cells[2]), cells[3].trimmed()});
    }
    return layers;
}

// The folders AFolder may include from: itself, what it builds on, and what those build on in turn.
QStringList Reachable(const TLayers& ALayers, const QString& AFolder)
{
    QStringList reached{AFolder};
    for (int i = 0; i < reached.size(); ++i)
        for (const QString& next : ALayers.value(reached[i]).BuildsOn)
            if (!reached.contains(next))
                reached.append(next);
    return reached;
}

// The Qt module a system header belongs to ("QtCore"), found among Qt's own header folders; empty for a
// header that is not Qt's.
QString QtModuleOf(const QString& AHeader)
{
    static QHash<QString, QString> known;
    if (const auto found = known.constFind(AHeader); found != known.constEnd())
        return *found;
    const QString headers = QLibraryInfo::path(QLibraryInfo::HeadersPath);
    QString module;
    if (AHeader.startsWith(QStringLiteral("Qt")) && AHeader.contains(u'/'))
        module = AHeader.section(u'/', 0, 0);
    else
        for (const QString& candidate : QDir(headers).entryList({QStringLiteral("Qt*")}, QDir::Dirs))
            if (QFile::exists(headers + u'/' + candidate + u'/' + AHeader)) {
                module = candidate;
                break;
            }
    known.insert(AHeader, module);
    return module;
}

// What is wrong with AInclude in a file of AFolder; empty when nothing is.
QString Problem(const TLayers& ALayers, const QString& AFolder, const TInclude& AInclude)
{
    if (!ALayers.contains(AFolder))
        return QStringLiteral("the folder %1 is not in README's layers").arg(AFolder);
    if (AInclude.System) {
        const QString rule = ALayers[AFolder].Qt;
        const QString module = QtModuleOf(AInclude.Name);
        if (module.isEmpty() || rule == u"any" || module == rule)
            return {};
        return QStringLiteral("includes <%1> of %2, where %3 takes Qt: %4")
            .arg(AInclude.Name, module, AFolder, rule);
    }
    // A name without a folder is the folder's own file or one generated for it (ui_*.h, *.moc).
    const QString target = AInclude.Name.contains(u'/') ? AInclude.Name.section(u'/', 0, -2) : AFolder;
    if (Reachable(ALayers, AFolder).contains(target))
        return {};
    return QStringLiteral("includes %1, and %2 does not build on %3").arg(AInclude.Name, AFolder, target);
}

// The includes of a source file, and the headers a form definition makes its generated code include.
QVector<TInclude> IncludesOf(const QString& AText)
{
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    static const QRegularExpression formHeader(QStringLiteral(R"(<header[^>]*>([^<]+)</header>)"));
    QVector<TInclude> includes;
    const QStringList lines = AText.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (const QRegularExpressionMatch match = include.match(lines[i]); match.hasMatch())
            includes.append({match.captured(2), match.captured(1) == u"<", i + 1});
        else if (const QRegularExpressionMatch header = formHeader.match(lines[i]); header.hasMatch())
            includes.append({header.captured(1).trimmed(), false, i + 1});
    }
    return includes;
}

QString ReadText(const QString& APath)
{
    QFile file(APath);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

void TestIncludeOrder::initTestCase()
{
    g_layers = ReadLayers(ReadText(SourceRoot + QStringLiteral("/README.md")));
    QVERIFY2(g_layers.size() >= 10, "README's Layout table was not found or lost its rows");
}

void TestIncludeOrder::judgesIncludes_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("allowed");

    QTest::newRow("calculation on the text functions") << "calc"
                                                       << "#include \"numbers/text/FloatText.h\"" << false;
    QTest::newRow("calculation on a Qt header") << "calc"
                                                << "#include <QString>" << false;
    QTest::newRow("calculation on the standard library") << "calc"
                                                         << "#include <cmath>" << true;
    QTest::newRow("rules on QtCore") << "rules"
                                     << "#include <QtCore/QStringList>" << true;
    QTest::newRow("rules on a widget") << "rules"
                                       << "#include <QWidget>" << false;
    QTest::newRow("controls up to access") << "controls"
                                           << "#include \"access/EditAccessible.h\"" << false;
    QTest::newRow("access through controls to the texts") << "access"
                                                          << "#include \"numbers/text/FloatText.h\"" << true;
    QTest::newRow("a handler folder on the window") << "input"
                                                    << "#include \"app/TFMain.h\"" << true;
    QTest::newRow("generated form header") << "goal"
                                           << "#include \"ui_TFGoal.h\"" << true;
    QTest::newRow("form's custom control from below") << "hint"
                                                      << "<header>controls/Edit.h</header>" << true;
    QTest::newRow("form's custom control from above") << "charts"
                                                      << "<header>app/TFMain.h</header>" << false;
    QTest::newRow("folder the table lacks") << "nowhere"
                                            << "#include \"numbers/Extended.h\"" << false;
}

void TestIncludeOrder::judgesIncludes()
{
    QFETCH(QString, folder);
    QFETCH(QString, line);
    QFETCH(bool, allowed);
    const QVector<TInclude> includes = IncludesOf(line);
    QCOMPARE(includes.size(), 1);
    const QString problem = Problem(g_layers, folder, includes[0]);
    QVERIFY2(problem.isEmpty() == allowed,
             qPrintable(problem.isEmpty() ? QStringLiteral("no problem") : problem));
}

void TestIncludeOrder::sourcesFollowTheOrder()
{
    QStringList problems;
    int files = 0;
    const QString src = SourceRoot + QStringLiteral("/src");
    QDirIterator it(src, {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(src).relativeFilePath(path);
        const QString folder = relative.section(u'/', 0, -2);
        ++files;
        for (const TInclude& include : IncludesOf(ReadText(path)))
            if (const QString problem = Problem(g_layers, folder, include); !problem.isEmpty())
                problems.append(QStringLiteral("src/%1:%2: %3").arg(relative).arg(include.Line).arg(problem));
    }
    QVERIFY2(files > 100, "the sources were not found");
    QVERIFY2(problems.isEmpty(), qPrintable(u'\n' + problems.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestIncludeOrder)
#include "tst_IncludeOrder.moc"
