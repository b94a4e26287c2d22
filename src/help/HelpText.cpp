#include "help/HelpText.h"

#include "help/HelpFigures.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrl>

namespace {

// A table row of cells: the first names the row, the figures stand right-aligned.
QString TableRow(const QString& ALabel, const QStringList& AFigures)
{
    QString row = QStringLiteral("<tr><td>%1</td>").arg(ALabel);
    for (const QString& figure : AFigures)
        row += QStringLiteral("<td align=\"right\">%1</td>").arg(figure);
    return row + QStringLiteral("</tr>");
}

// The row that AName ("start.y2", "start.last", "blocks.p3") stands for; empty when it names none.
QString RowOf(const QString& AName, const QHash<QString, QString>& AFigures)
{
    static const QRegularExpression rowName(QStringLiteral("^(.+)\\.(?:y(\\d+)|(last)|p(\\d+))$"));
    const QRegularExpressionMatch match = rowName.match(AName);
    if (!match.hasMatch())
        return {};
    const auto figures = [&](const QStringList& AParts) {
        QStringList texts;
        for (const QString& part : AParts)
            texts.append(AFigures.value(AName + u'.' + part));
        return texts;
    };
    if (!match.captured(4).isEmpty() && AFigures.contains(AName + QStringLiteral(".paid")))
        return TableRow(match.captured(4),
                        figures({QStringLiteral("paid"), QStringLiteral("earning"),
                                 QStringLiteral("interest"), QStringLiteral("interest-so-far")}));
    if (match.captured(4).isEmpty() && AFigures.contains(AName + QStringLiteral(".initial"))) {
        const QString year = match.captured(3).isEmpty()
                                 ? match.captured(2)
                                 : AFigures.value(match.captured(1) + QStringLiteral(".years"));
        return TableRow(year, figures({QStringLiteral("initial"), QStringLiteral("regular"),
                                       QStringLiteral("interest"), QStringLiteral("total")}));
    }
    return {};
}

} // namespace

QString HelpSource()
{
    // The resources live in a static library, where nothing else would keep them linked in.
    Q_INIT_RESOURCE(help);
    QFile file(QStringLiteral(":/help/Help.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString HelpHtml(const QString& AMakerAddress)
{
    QHash<QString, QString> figures = HelpFigures();
    figures.insert(QStringLiteral("maker"), AMakerAddress);
    figures.insert(QStringLiteral("maker-name"), QUrl(AMakerAddress).host());
    // The notes for whoever edits the text are no part of it.
    static const QRegularExpression note(QStringLiteral("<!--.*?-->"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QString source = HelpSource().remove(note);
    QString html;
    html.reserve(source.size() * 2);
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{([^{}]+)\\}\\}"));
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(source)) {
        html += source.mid(done, match.capturedStart() - done);
        const QString name = match.captured(1);
        const QString row = RowOf(name, figures);
        // One left unknown stays as it is, for the help's test to find.
        html += !row.isEmpty() ? row : figures.value(name, match.captured()).toHtmlEscaped();
        done = match.capturedEnd();
    }
    return html + source.mid(done);
}
