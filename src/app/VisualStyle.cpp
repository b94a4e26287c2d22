#include "app/VisualStyle.h"

#include "app/CyanDuskStyle.h"

#include <QColor>
#include <QFile>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>

#include <array>
#include <map>

namespace {

// "Cyan Dusk" -> ":/style/CyanDusk". Only letters, digits and single inner spaces are let through, so no
// name can reach a file outside the style folder.
QString ResourceBase(const QString& name)
{
    static const QRegularExpression Plain(QStringLiteral("^[A-Za-z0-9]+( [A-Za-z0-9]+)*$"));
    if (!Plain.match(name).hasMatch())
        return {};
    QString Base = name;
    Base.remove(u' ');
    return QStringLiteral(":/style/") + Base;
}

std::optional<QString> ReadUtf8(const QString& path)
{
    QFile File(path);
    if (!File.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray Bytes = File.readAll();
    if (File.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringDecoder Decoder(QStringDecoder::Utf8);
    QString Text = Decoder(Bytes);
    if (Decoder.hasError())
        return std::nullopt;
    return Text;
}

} // namespace

std::optional<QPalette> ParseStylePalette(const QString& text)
{
    static const QRegularExpression Line(
        QStringLiteral("^(?:(Active|Inactive|Disabled)\\.)?([A-Za-z]+)\\s*=\\s*(#[0-9A-Fa-f]{6})$"));
    const QMetaEnum Roles = QMetaEnum::fromType<QPalette::ColorRole>();

    // Index 0 holds the lines for every group, 1 to 3 those for one group; each is applied after index 0
    // whatever the order of the lines, so a group line can never be overwritten by a later general one.
    constexpr std::array<QPalette::ColorGroup, 4> Groups{QPalette::All, QPalette::Active, QPalette::Inactive,
                                                         QPalette::Disabled};
    std::array<std::map<QPalette::ColorRole, QColor>, 4> Set;

    for (const QStringView Raw : QStringView(text).split(u'\n')) {
        const QStringView Trimmed = Raw.trimmed();
        if (Trimmed.isEmpty() || Trimmed.startsWith(u'#'))
            continue;
        const QRegularExpressionMatch Match = Line.match(Trimmed.toString());
        if (!Match.hasMatch())
            return std::nullopt;

        bool Known = false;
        const int Role = Roles.keyToValue(Match.captured(2).toLatin1().constData(), &Known);
        if (!Known || Role < 0 || Role >= QPalette::NColorRoles || Role == QPalette::NoRole)
            return std::nullopt;

        // The pattern admits only these three names, so the index is always found.
        static const QStringList GroupNames{QStringLiteral("Active"), QStringLiteral("Inactive"),
                                            QStringLiteral("Disabled")};
        const QString Group = Match.captured(1);
        const std::size_t Index = Group.isEmpty() ? 0 : std::size_t(GroupNames.indexOf(Group)) + 1;
        const QColor Colour = QColor::fromString(Match.capturedView(3));
        if (!Set[Index].emplace(QPalette::ColorRole(Role), Colour).second)
            return std::nullopt;
    }

    for (const QPalette::ColorRole Needed :
         {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text, QPalette::Button,
          QPalette::ButtonText, QPalette::Highlight, QPalette::HighlightedText}) {
        if (!Set[0].contains(Needed))
            return std::nullopt;
    }

    // Start from the shades Qt derives from button and window colours, so roles the file leaves out still
    // match the rest.
    QPalette Result(Set[0].at(QPalette::Button), Set[0].at(QPalette::Window));
    for (std::size_t Index = 0; Index < Groups.size(); ++Index) {
        for (const auto& [Role, Colour] : Set[Index])
            Result.setColor(Groups[Index], Role, Colour);
    }
    return Result;
}

bool ApplyVisualStyle(QApplication& app, const QString& name)
{
    // The resources live in a static library; nothing else references them, so the linker would drop them.
    Q_INIT_RESOURCE(pelvantor);

    const QString Base = ResourceBase(name);
    if (Base.isEmpty())
        return false;
    const std::optional<QString> PaletteText = ReadUtf8(Base + QStringLiteral(".palette"));
    if (!PaletteText)
        return false;
    const std::optional<QPalette> Palette = ParseStylePalette(*PaletteText);
    if (!Palette)
        return false;
    QStyle* Fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!Fusion)
        return false;

    // Style first: setting a style resets the application palette to the style's own.
    app.setStyle(new CyanDuskStyle(Fusion));
    app.setPalette(*Palette);
    return true;
}
