#include "app/style/VisualStyle.h"

#include "app/style/CyanDuskStyle.h"

#include <QColor>
#include <QFile>
#include <QMetaEnum>
#include <QStringDecoder>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <array>
#include <map>

namespace {

// Plain loops rather than regular expressions: the palette is read at every start, where compiling a
// pattern costs more than all the rest of the reading.
bool IsAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsAsciiLetterOrDigit(QChar c)
{
    return IsAsciiLetter(c) || (c >= u'0' && c <= u'9');
}

// "Cyan Dusk" -> ":/style/CyanDusk". Only letters, digits and single inner spaces are let through, so no
// name can reach a file outside the style folder.
QString ResourceBase(const QString& name)
{
    const QStringList Words = name.split(u' ');
    for (const QString& Word : Words) {
        if (Word.isEmpty() || !std::all_of(Word.cbegin(), Word.cend(), IsAsciiLetterOrDigit))
            return {};
    }
    return QStringLiteral(":/style/") + Words.join(QString());
}

bool IsHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The colour groups a palette line can name, by their index in the parsed sets; index 0, every group, is
// named by no prefix at all.
constexpr std::array<QPalette::ColorGroup, 4> Groups{QPalette::All, QPalette::Active, QPalette::Inactive,
                                                     QPalette::Disabled};
constexpr std::array<QStringView, 4> GroupPrefixes{u"", u"Active.", u"Inactive.", u"Disabled."};

// One line "[Group.]Role = #rrggbb", blanks allowed around the '='.
struct PaletteLine
{
    std::size_t Group = 0;
    QStringView Role;
    QColor Colour;
};

std::optional<PaletteLine> ParsePaletteLine(QStringView line)
{
    const qsizetype Equals = line.indexOf(u'=');
    if (Equals < 0)
        return std::nullopt;
    PaletteLine Result;
    QStringView Name = line.first(Equals).trimmed();
    for (std::size_t Index = 1; Index < GroupPrefixes.size(); ++Index) {
        if (Name.startsWith(GroupPrefixes[Index])) {
            Result.Group = Index;
            Name = Name.sliced(GroupPrefixes[Index].size());
            break;
        }
    }
    const QStringView Value = line.sliced(Equals + 1).trimmed();
    if (Name.isEmpty() || !std::all_of(Name.begin(), Name.end(), IsAsciiLetter) || Value.size() != 7 ||
        Value.front() != u'#' || !std::all_of(Value.begin() + 1, Value.end(), IsHexDigit))
        return std::nullopt;
    Result.Role = Name;
    Result.Colour = QColor::fromString(Value);
    return Result;
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
    const QMetaEnum Roles = QMetaEnum::fromType<QPalette::ColorRole>();

    // Index 0 holds the lines for every group, 1 to 3 those for one group; each is applied after index 0
    // whatever the order of the lines, so a group line can never be overwritten by a later general one.
    std::array<std::map<QPalette::ColorRole, QColor>, 4> Set;

    for (const QStringView Raw : QStringView(text).split(u'\n')) {
        const QStringView Trimmed = Raw.trimmed();
        if (Trimmed.isEmpty() || Trimmed.startsWith(u'#'))
            continue;
        const std::optional<PaletteLine> Line = ParsePaletteLine(Trimmed);
        if (!Line)
            return std::nullopt;

        bool Known = false;
        const int Role = Roles.keyToValue(Line->Role.toLatin1().constData(), &Known);
        if (!Known || Role < 0 || Role >= QPalette::NColorRoles || Role == QPalette::NoRole)
            return std::nullopt;
        if (!Set[Line->Group].emplace(QPalette::ColorRole(Role), Line->Colour).second)
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
