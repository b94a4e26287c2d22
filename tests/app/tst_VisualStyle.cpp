#include "app/VisualStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Relative luminance and contrast ratio as the WCAG define them.
double Luminance(const QColor& colour)
{
    const auto Linear = [](double Channel) {
        return Channel <= 0.03928 ? Channel / 12.92 : std::pow((Channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double La = Luminance(a);
    const double Lb = Luminance(b);
    return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

struct Rendering
{
    QColor Background; // the most frequent pixel colour
    QColor Ink;        // the pixel that stands out most from it: the core of a glyph stroke
};

Rendering Inspect(const QImage& image)
{
    QHash<QRgb, int> Count;
    for (int Y = 0; Y < image.height(); ++Y) {
        for (int X = 0; X < image.width(); ++X)
            ++Count[image.pixel(X, Y) | 0xff000000u];
    }
    Rendering Result;
    int Most = 0;
    for (auto It = Count.cbegin(); It != Count.cend(); ++It) {
        if (It.value() > Most) {
            Most = It.value();
            Result.Background = QColor::fromRgb(It.key());
        }
    }
    double Best = 0;
    for (auto It = Count.cbegin(); It != Count.cend(); ++It) {
        const double Ratio = Contrast(QColor::fromRgb(It.key()), Result.Background);
        if (Ratio > Best) {
            Best = Ratio;
            Result.Ink = QColor::fromRgb(It.key());
        }
    }
    return Result;
}

// Text the way the window sets it: a Tahoma-like face at 13 px.
QFont WindowFont(bool bold)
{
    QFont Font(QStringLiteral("Tahoma"));
    Font.setPixelSize(13);
    Font.setBold(bold);
    return Font;
}

// The least a palette text must give to be accepted: the roles every widget reads.
const QString RequiredRoles = QStringLiteral("Window = #ccd5de\n"
                                             "WindowText = #17222d\n"
                                             "Base = #f1f5f8\n"
                                             "Text = #111b25\n"
                                             "Button = #bfcad5\n"
                                             "ButtonText = #17222d\n"
                                             "Highlight = #00788a\n"
                                             "HighlightedText = #ffffff\n");

} // namespace

class TestVisualStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void applyingCyanDusk()
    {
        qApp->setStyle(QStringLiteral("Windows"));
        qApp->setPalette(QPalette(Qt::red));
        qApp->setStyleSheet(QString());

        QVERIFY(ApplyVisualStyle(*qApp));

        QFile File(QStringLiteral(":/style/CyanDusk.palette"));
        QVERIFY(File.open(QIODevice::ReadOnly));
        const std::optional<QPalette> Expected = ParseStylePalette(QString::fromUtf8(File.readAll()));
        QVERIFY(Expected.has_value());
        for (const QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (int Role = 0; Role < QPalette::NColorRoles; ++Role) {
                if (Role == QPalette::NoRole)
                    continue;
                const auto R = QPalette::ColorRole(Role);
                QCOMPARE(qApp->palette().color(Group, R), Expected->color(Group, R));
            }
        }
        QFile Sheet(QStringLiteral(":/style/CyanDusk.qss"));
        QVERIFY(Sheet.open(QIODevice::ReadOnly));
        QCOMPARE(qApp->styleSheet(), QString::fromUtf8(Sheet.readAll()));
        // The style sheet wraps the application style; without it, the style underneath shows.
        qApp->setStyleSheet(QString());
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    }

    void highlightIsCyan()
    {
        QVERIFY(ApplyVisualStyle(*qApp));
        for (const QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive}) {
            const QColor Highlight = qApp->palette().color(Group, QPalette::Highlight);
            QVERIFY2(Highlight.hsvHue() >= 175 && Highlight.hsvHue() <= 200, qPrintable(Highlight.name()));
            QVERIFY2(Highlight.hsvSaturationF() >= 0.6, qPrintable(Highlight.name()));
        }
    }

    void unknownNameChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QStringLiteral(" ");
        QTest::newRow("half the name") << QStringLiteral("Cyan");
        QTest::newRow("wrong case") << QStringLiteral("cyan dusk");
        QTest::newRow("leading space") << QStringLiteral(" Cyan Dusk");
        QTest::newRow("double space") << QStringLiteral("Cyan  Dusk");
        QTest::newRow("a Qt style") << QStringLiteral("Fusion");
        QTest::newRow("file name") << QStringLiteral("CyanDusk.qss");
        QTest::newRow("path out of the folder") << QStringLiteral("../icons/pelvantor");
        QTest::newRow("resource path") << QStringLiteral(":/style/CyanDusk");
    }

    void unknownNameChangesNothing()
    {
        QFETCH(QString, name);
        // A state no style of ours would produce, so any change shows.
        qApp->setStyle(QStringLiteral("Windows"));
        qApp->setPalette(QPalette(Qt::darkMagenta));
        const QString Sheet = QStringLiteral("QLineEdit { border: 3px dotted red; }");
        qApp->setStyleSheet(Sheet);
        const QPalette Before = qApp->palette();
        const QString StyleBefore = QApplication::style()->name();

        QVERIFY(!ApplyVisualStyle(*qApp, name));

        QCOMPARE(qApp->palette(), Before);
        QCOMPARE(qApp->styleSheet(), Sheet);
        QCOMPARE(QApplication::style()->name(), StyleBefore);
    }

    void readableContrast_data()
    {
        QTest::addColumn<QPalette::ColorRole>("text");
        QTest::addColumn<QPalette::ColorRole>("background");
        QTest::newRow("text on base") << QPalette::Text << QPalette::Base;
        QTest::newRow("window text on window") << QPalette::WindowText << QPalette::Window;
        QTest::newRow("button text on button") << QPalette::ButtonText << QPalette::Button;
        QTest::newRow("selected text") << QPalette::HighlightedText << QPalette::Highlight;
        QTest::newRow("tool tip") << QPalette::ToolTipText << QPalette::ToolTipBase;
        QTest::newRow("placeholder on base") << QPalette::PlaceholderText << QPalette::Base;
        QTest::newRow("link on base") << QPalette::Link << QPalette::Base;
    }

    void readableContrast()
    {
        QFETCH(QPalette::ColorRole, text);
        QFETCH(QPalette::ColorRole, background);
        QVERIFY(ApplyVisualStyle(*qApp));
        for (const QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive}) {
            const double Ratio =
                Contrast(qApp->palette().color(Group, text), qApp->palette().color(Group, background));
            QVERIFY2(Ratio >= 4.5, qPrintable(QStringLiteral("contrast %1").arg(Ratio)));
        }
    }

    // Disabled text must look faded next to enabled text, yet stay legible.
    void disabledTextIsFaded_data()
    {
        QTest::addColumn<QPalette::ColorRole>("text");
        QTest::addColumn<QPalette::ColorRole>("background");
        QTest::newRow("text on base") << QPalette::Text << QPalette::Base;
        QTest::newRow("window text on window") << QPalette::WindowText << QPalette::Window;
        QTest::newRow("button text on button") << QPalette::ButtonText << QPalette::Button;
    }

    void disabledTextIsFaded()
    {
        QFETCH(QPalette::ColorRole, text);
        QFETCH(QPalette::ColorRole, background);
        QVERIFY(ApplyVisualStyle(*qApp));
        const QPalette Palette = qApp->palette();
        const double Enabled =
            Contrast(Palette.color(QPalette::Active, text), Palette.color(QPalette::Active, background));
        const double Disabled =
            Contrast(Palette.color(QPalette::Disabled, text), Palette.color(QPalette::Disabled, background));
        QVERIFY2(Disabled <= Enabled / 2, qPrintable(QStringLiteral("%1 vs %2").arg(Disabled).arg(Enabled)));
        QVERIFY2(Disabled >= 2.0, qPrintable(QStringLiteral("disabled contrast %1").arg(Disabled)));
    }

    // What is really drawn: the style sheet could paint a background or text colour the palette knows
    // nothing of.
    void renderedTextContrast_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<double>("least");
        QTest::addColumn<double>("most");
        QTest::newRow("line edit") << true << true << 4.5 << 21.0;
        QTest::newRow("label") << false << true << 4.5 << 21.0;
        QTest::newRow("disabled line edit") << true << false << 1.5 << 3.5;
        QTest::newRow("disabled label") << false << false << 1.5 << 3.5;
    }

    void renderedTextContrast()
    {
        QFETCH(bool, edit);
        QFETCH(bool, enabled);
        QFETCH(double, least);
        QFETCH(double, most);
        QVERIFY(ApplyVisualStyle(*qApp));

        QLineEdit Edit(QStringLiteral("10,000.00"));
        QLabel Label(QStringLiteral("Initial deposit:"));
        QWidget& Widget = edit ? static_cast<QWidget&>(Edit) : Label;
        Widget.setFont(WindowFont(false));
        Widget.setEnabled(enabled);
        Widget.resize(edit ? QSize(94, 24) : QSize(120, 17));
        const QImage Image = Widget.grab().toImage();
        // Leave out the edit's frame: only the field behind the text counts.
        const Rendering Seen = Inspect(edit ? Image.copy(Image.rect().adjusted(3, 3, -3, -3)) : Image);

        const QPalette::ColorGroup Group = enabled ? QPalette::Active : QPalette::Disabled;
        const QColor Field = Widget.palette().color(Group, edit ? QPalette::Base : QPalette::Window);
        QCOMPARE(Seen.Background.name(), Field.name());
        const double Ratio = Contrast(Seen.Ink, Seen.Background);
        QVERIFY2(Ratio >= least && Ratio <= most,
                 qPrintable(
                     QStringLiteral("%1 on %2: %3").arg(Seen.Ink.name(), Seen.Background.name()).arg(Ratio)));
    }

    // The totals labels and the like carry their own text colour in their palette; the style must not
    // paint over it.
    void ownTextColourKept_data()
    {
        QTest::addColumn<bool>("checkBox");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("green label") << false << QColor(0x00, 0x80, 0x00);
        QTest::newRow("maroon label") << false << QColor(0x80, 0x00, 0x00);
        QTest::newRow("navy check box") << true << QColor(0x00, 0x00, 0x80);
    }

    void ownTextColourKept()
    {
        QFETCH(bool, checkBox);
        QFETCH(QColor, colour);
        QVERIFY(ApplyVisualStyle(*qApp));

        QLabel Label(QStringLiteral("Total: $12,345.67"));
        QCheckBox Box(QStringLiteral("Compare MMM"));
        QWidget& Widget = checkBox ? static_cast<QWidget&>(Box) : Label;
        Widget.setFont(WindowFont(true));
        QPalette Palette = Widget.palette();
        Palette.setColor(QPalette::WindowText, colour);
        Widget.setPalette(Palette);
        Widget.resize(160, 17);
        QImage Image = Widget.grab().toImage();
        // A check box's indicator is drawn in other colours; look at the caption only.
        if (checkBox)
            Image = Image.copy(Image.rect().adjusted(24, 0, 0, 0));

        const Rendering Seen = Inspect(Image);
        const int Off = std::abs(Seen.Ink.red() - colour.red()) +
                        std::abs(Seen.Ink.green() - colour.green()) +
                        std::abs(Seen.Ink.blue() - colour.blue());
        QVERIFY2(Off <= 24,
                 qPrintable(QStringLiteral("drawn %1, set %2").arg(Seen.Ink.name(), colour.name())));
    }

    void paletteText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("required roles only") << RequiredRoles << true;
        QTest::newRow("comments, blanks, spaces, CRLF")
            << QStringLiteral("# heading\r\n\r\n   # indented comment\r\n") + RequiredRoles +
                   QStringLiteral("  Link=#006a7b  \r\n")
            << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("a required role missing")
            << QString(RequiredRoles).remove(QStringLiteral("Highlight = #00788a\n")) << false;
        QTest::newRow("required role only for one group")
            << QString(RequiredRoles).replace(QStringLiteral("Base = "), QStringLiteral("Active.Base = "))
            << false;
        QTest::newRow("no equals sign") << RequiredRoles + QStringLiteral("Link #006a7b\n") << false;
        QTest::newRow("unknown role") << RequiredRoles + QStringLiteral("Linq = #006a7b\n") << false;
        QTest::newRow("role name in lower case")
            << RequiredRoles + QStringLiteral("link = #006a7b\n") << false;
        QTest::newRow("NoRole") << RequiredRoles + QStringLiteral("NoRole = #006a7b\n") << false;
        QTest::newRow("role count") << RequiredRoles + QStringLiteral("NColorRoles = #006a7b\n") << false;
        QTest::newRow("unknown group") << RequiredRoles + QStringLiteral("Normal.Link = #006a7b\n") << false;
        QTest::newRow("short colour") << RequiredRoles + QStringLiteral("Link = #06a\n") << false;
        QTest::newRow("colour by name") << RequiredRoles + QStringLiteral("Link = teal\n") << false;
        QTest::newRow("text after colour") << RequiredRoles + QStringLiteral("Link = #006a7b x\n") << false;
        QTest::newRow("role set twice") << RequiredRoles + QStringLiteral("Window = #000000\n") << false;
        QTest::newRow("group role set twice")
            << RequiredRoles + QStringLiteral("Disabled.Text = #777777\nDisabled.Text = #888888\n") << false;
        QTest::newRow("same role in two groups")
            << RequiredRoles + QStringLiteral("Disabled.Text = #777777\nInactive.Text = #888888\n") << true;
    }

    void paletteText()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(ParseStylePalette(text).has_value(), accepted);
    }

    void paletteGroupLineWinsWhateverTheOrder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("group line first") << QStringLiteral("Disabled.Text = #777777\n") + RequiredRoles;
        QTest::newRow("group line last") << RequiredRoles + QStringLiteral("Disabled.Text = #777777\n");
    }

    void paletteGroupLineWinsWhateverTheOrder()
    {
        QFETCH(QString, text);
        const std::optional<QPalette> Palette = ParseStylePalette(text);
        QVERIFY(Palette.has_value());
        QCOMPARE(Palette->color(QPalette::Disabled, QPalette::Text), QColor(0x77, 0x77, 0x77));
        QCOMPARE(Palette->color(QPalette::Active, QPalette::Text), QColor(0x11, 0x1b, 0x25));
        QCOMPARE(Palette->color(QPalette::Inactive, QPalette::Text), QColor(0x11, 0x1b, 0x25));
    }

    void programIconRenders_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
        QTest::newRow("256") << 256;
    }

    // The icon is drawn as a rounded tile: clear corners, solid middle, at every size a desktop asks for.
    void programIconRenders()
    {
        QFETCH(int, size);
        QVERIFY(ApplyVisualStyle(*qApp));
        const QImage Image = QIcon(QStringLiteral(":/icons/pelvantor.svg"))
                                 .pixmap(size)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(Image.size(), QSize(size, size));
        QCOMPARE(qAlpha(Image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(Image.pixel(size - 1, size - 1)), 0);
        QCOMPARE(qAlpha(Image.pixel(size / 2, size / 2)), 255);
    }
};

QTEST_MAIN(TestVisualStyle)
#include "tst_VisualStyle.moc"
