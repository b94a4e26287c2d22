#include "app/style/CyanDuskStyle.h"
#include "app/style/VisualStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

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

// The light cyan wash that marks what is under the mouse: the highlight's hue, pale but clearly tinted.
bool IsWash(const QColor& colour)
{
    const int Hue = colour.hslHue();
    return Hue >= 175 && Hue <= 200 && colour.hslSaturationF() >= 0.3 && colour.lightnessF() >= 0.75;
}

int CountWash(const QImage& image)
{
    int Count = 0;
    for (int Y = 0; Y < image.height(); ++Y) {
        for (int X = 0; X < image.width(); ++X)
            Count += IsWash(image.pixelColor(X, Y));
    }
    return Count;
}

bool ColumnHas(const QImage& image, int x, const QColor& colour)
{
    for (int Y = 0; Y < image.height(); ++Y) {
        if (image.pixelColor(x, Y).rgb() == colour.rgb())
            return true;
    }
    return false;
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

// A tab widget like the window's: three pages, the given one current. Shown, because a tab widget puts
// its tab bar and page in place only then.
std::unique_ptr<QTabWidget> ThreeTabs(int current)
{
    auto Tabs = std::make_unique<QTabWidget>();
    Tabs->setFont(WindowFont(false));
    for (const QString& Title :
         {QStringLiteral("Bar Graph"), QStringLiteral("Pie Chart"), QStringLiteral("Tabular Data")})
        Tabs->addTab(new QWidget, Title);
    Tabs->setCurrentIndex(current);
    Tabs->resize(400, 200);
    Tabs->show();
    return Tabs;
}

} // namespace

class TestVisualStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(ApplyVisualStyle(*qApp)); }
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support).*")));
    }
    // Every test starts from the applied style, whatever the one before did to the application.
    void cleanup()
    {
        qApp->setStyleSheet(QString());
        QVERIFY(ApplyVisualStyle(*qApp));
    }

    void applyingCyanDusk()
    {
        qApp->setStyle(QStringLiteral("Windows"));
        qApp->setPalette(QPalette(Qt::red));

        QVERIFY(ApplyVisualStyle(*qApp));

        const auto* Style = qobject_cast<const CyanDuskStyle*>(QApplication::style());
        QVERIFY(Style);
        QVERIFY(Style->baseStyle());
        QCOMPARE(Style->baseStyle()->name(), QStringLiteral("fusion"));
        // A style sheet would wrap every widget's drawing in the slow style sheet machinery again.
        QVERIFY(qApp->styleSheet().isEmpty());
        QVERIFY(!QFile::exists(QStringLiteral(":/style/CyanDusk.qss")));

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
    }

    // Applying twice replaces the style instead of stacking one over the other.
    void applyingTwice()
    {
        QVERIFY(ApplyVisualStyle(*qApp));
        const auto* Style = qobject_cast<const CyanDuskStyle*>(QApplication::style());
        QVERIFY(Style);
        QVERIFY(!qobject_cast<const CyanDuskStyle*>(Style->baseStyle()));
    }

    void highlightIsCyan()
    {
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
        QTest::newRow("file name") << QStringLiteral("CyanDusk.palette");
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
        const QStyle* StyleBefore = QApplication::style();

        QVERIFY(!ApplyVisualStyle(*qApp, name));

        QCOMPARE(qApp->palette(), Before);
        QCOMPARE(qApp->styleSheet(), Sheet);
        QCOMPARE(QApplication::style(), StyleBefore);
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
        const QPalette Palette = qApp->palette();
        const double Enabled =
            Contrast(Palette.color(QPalette::Active, text), Palette.color(QPalette::Active, background));
        const double Disabled =
            Contrast(Palette.color(QPalette::Disabled, text), Palette.color(QPalette::Disabled, background));
        QVERIFY2(Disabled <= Enabled / 2, qPrintable(QStringLiteral("%1 vs %2").arg(Disabled).arg(Enabled)));
        QVERIFY2(Disabled >= 2.0, qPrintable(QStringLiteral("disabled contrast %1").arg(Disabled)));
    }

    // What is really drawn: the style paints faces of its own that the palette knows nothing of, and the
    // text on them must still read (or, disabled, look faded).
    void renderedTextContrast_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<double>("least");
        QTest::addColumn<double>("most");
        QTest::newRow("line edit") << QStringLiteral("edit") << true << 4.5 << 21.0;
        QTest::newRow("read-only line edit") << QStringLiteral("read-only edit") << true << 4.5 << 21.0;
        QTest::newRow("disabled line edit") << QStringLiteral("edit") << false << 1.5 << 3.5;
        QTest::newRow("label") << QStringLiteral("label") << true << 4.5 << 21.0;
        QTest::newRow("disabled label") << QStringLiteral("label") << false << 1.5 << 3.5;
        QTest::newRow("table header") << QStringLiteral("header") << true << 4.5 << 21.0;
        QTest::newRow("current tab") << QStringLiteral("current tab") << true << 4.5 << 21.0;
        QTest::newRow("other tab") << QStringLiteral("other tab") << true << 4.5 << 21.0;
        QTest::newRow("disabled tab") << QStringLiteral("disabled tab") << true << 1.5 << 3.5;
    }

    void renderedTextContrast()
    {
        QFETCH(QString, kind);
        QFETCH(bool, enabled);
        QFETCH(double, least);
        QFETCH(double, most);

        std::unique_ptr<QWidget> Widget;
        if (kind.endsWith(QStringLiteral("edit"))) {
            auto* Edit = new QLineEdit(QStringLiteral("10,000.00"));
            Edit->setReadOnly(kind.startsWith(QStringLiteral("read-only")));
            Edit->resize(94, 24);
            Widget.reset(Edit);
        } else if (kind == QStringLiteral("label")) {
            Widget = std::make_unique<QLabel>(QStringLiteral("Initial deposit:"));
            Widget->resize(120, 17);
        } else if (kind == QStringLiteral("header")) {
            auto* Table = new QTableWidget(3, 2);
            Table->setHorizontalHeaderLabels({QStringLiteral("Year"), QStringLiteral("Deposits")});
            Table->resize(300, 120);
            Widget.reset(Table);
        } else {
            Widget = ThreeTabs(0);
            if (kind == QStringLiteral("disabled tab"))
                static_cast<QTabWidget*>(Widget.get())->setTabEnabled(2, false);
        }
        Widget->setFont(WindowFont(false));
        Widget->setEnabled(enabled);
        const QImage Image = Widget->grab().toImage();

        // The part of the grab with the text on its face, without edges; laid out only by the grab.
        QRect Text = Widget->rect();
        QPalette::ColorRole Face = QPalette::Window;
        if (kind.endsWith(QStringLiteral("edit"))) {
            Text.adjust(3, 3, -3, -3);
            Face = kind == QStringLiteral("edit") ? QPalette::Base : QPalette::NoRole;
        } else if (const auto* Table = qobject_cast<const QTableWidget*>(Widget.get())) {
            const QHeaderView* Header = Table->horizontalHeader();
            Text = QRect(Header->mapTo(Table, QPoint(Header->sectionViewportPosition(1) + 1, 1)),
                         QSize(Header->sectionSize(1) - 3, Header->height() - 3));
            Face = QPalette::NoRole;
        } else if (const auto* Tabs = qobject_cast<const QTabWidget*>(Widget.get())) {
            const QTabBar* Bar = Tabs->tabBar();
            const int Index = kind == QStringLiteral("current tab") ? 0 : 2;
            Text = Bar->tabRect(Index).translated(Bar->pos()).adjusted(4, 5, -6, -3);
            Face = Index == 0 ? QPalette::Window : QPalette::NoRole;
        }
        const Rendering Seen = Inspect(Image.copy(Text));

        const QPalette::ColorGroup Group = enabled ? QPalette::Active : QPalette::Disabled;
        if (Face != QPalette::NoRole)
            QCOMPARE(Seen.Background.name(), Widget->palette().color(Group, Face).name());
        if (kind == QStringLiteral("read-only edit")) {
            // Between an entry field and the window, so it reads as a field that takes no typing.
            const double Field = Luminance(Seen.Background);
            QVERIFY(Field < Luminance(Widget->palette().color(QPalette::Base)));
            QVERIFY(Field > Luminance(Widget->palette().color(QPalette::Window)));
        }
        const double Ratio = Contrast(Seen.Ink, Seen.Background);
        QVERIFY2(Ratio >= least && Ratio <= most,
                 qPrintable(
                     QStringLiteral("%1 on %2: %3").arg(Seen.Ink.name(), Seen.Background.name()).arg(Ratio)));
    }

    // The current tab carries a bar in the highlight colour along its top and is joined to its page: the
    // page's top line runs under the other tabs but not under the current one.
    void currentTabMarked_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("first") << 0 << true;
        QTest::newRow("middle") << 1 << true;
        QTest::newRow("last") << 2 << true;
        QTest::newRow("disabled widget") << 1 << false;
    }

    void currentTabMarked()
    {
        QFETCH(int, current);
        QFETCH(bool, enabled);
        const auto Tabs = ThreeTabs(current);
        Tabs->setEnabled(enabled);
        const QImage Image = Tabs->grab().toImage();
        const QTabBar* Bar = Tabs->tabBar();
        const QPalette Palette = Tabs->palette();
        const QPalette::ColorGroup Group = enabled ? QPalette::Active : QPalette::Disabled;
        const QColor Highlight = Palette.color(Group, QPalette::Highlight);

        for (int Index = 0; Index < Bar->count(); ++Index) {
            const QRect Tab = Bar->tabRect(Index).translated(Bar->pos());
            const int X = Tab.center().x();
            const QColor Top = Image.pixelColor(X, Tab.top() + 1);
            const QColor Joint = Image.pixelColor(X, Tab.bottom());
            if (Index == current) {
                QCOMPARE(Top.name(), Highlight.name());
                QCOMPARE(Joint.name(), Palette.color(Group, QPalette::Window).name());
            } else {
                QVERIFY2(Top != Highlight, qPrintable(Top.name()));
                QCOMPARE(Joint.name(), Palette.color(Group, QPalette::Mid).name());
            }
        }
    }

    // The controls stand at fixed places in the window, sized for the base style; this one must not make
    // them need more or less room.
    void metricsStayFusions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("line edit") << QStringLiteral("edit");
        QTest::newRow("combo box") << QStringLiteral("combo");
        QTest::newRow("spin box") << QStringLiteral("spin");
        QTest::newRow("check box") << QStringLiteral("check");
        QTest::newRow("slider") << QStringLiteral("slider");
        QTest::newRow("push button") << QStringLiteral("button");
        QTest::newRow("tab bar height") << QStringLiteral("tabs");
    }

    void metricsStayFusions()
    {
        QFETCH(QString, kind);
        const std::unique_ptr<QStyle> Fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(Fusion);
        const auto Make = [&kind]() -> std::unique_ptr<QWidget> {
            std::unique_ptr<QWidget> Widget;
            if (kind == QStringLiteral("edit"))
                Widget = std::make_unique<QLineEdit>(QStringLiteral("$1,000"));
            else if (kind == QStringLiteral("combo")) {
                auto* Combo = new QComboBox;
                Combo->addItems({QStringLiteral("Annually"), QStringLiteral("Monthly")});
                Widget.reset(Combo);
            } else if (kind == QStringLiteral("spin"))
                Widget = std::make_unique<QSpinBox>();
            else if (kind == QStringLiteral("check"))
                Widget = std::make_unique<QCheckBox>(QStringLiteral("Adjust for inflation"));
            else if (kind == QStringLiteral("slider"))
                Widget = std::make_unique<QSlider>(Qt::Horizontal);
            else if (kind == QStringLiteral("button"))
                Widget = std::make_unique<QPushButton>(QStringLiteral("Close"));
            else {
                auto* Bar = new QTabBar;
                Bar->addTab(QStringLiteral("Bar Graph"));
                Bar->addTab(QStringLiteral("Tabular Data"));
                Widget.reset(Bar);
            }
            Widget->setFont(WindowFont(false));
            return Widget;
        };
        const std::unique_ptr<QWidget> Ours = Make();
        const std::unique_ptr<QWidget> Theirs = Make();
        Theirs->setStyle(Fusion.get());
        if (kind == QStringLiteral("tabs"))
            QCOMPARE(Ours->sizeHint().height(), Theirs->sizeHint().height());
        else
            QCOMPARE(Ours->sizeHint(), Theirs->sizeHint());
    }

    // Under the mouse a control takes a light cyan wash; nothing else wears it. A read-only or disabled
    // field is no place to type, so it stays as it is.
    void washUnderMouse_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("least"); // washed pixels under the mouse; none without it
        QTest::newRow("line edit") << QStringLiteral("edit") << true << 1000;
        QTest::newRow("combo box") << QStringLiteral("combo") << true << 1000;
        QTest::newRow("push button") << QStringLiteral("button") << true << 1000;
        QTest::newRow("check box") << QStringLiteral("check") << true << 40;
        QTest::newRow("read-only line edit") << QStringLiteral("read-only edit") << true << 0;
        QTest::newRow("disabled line edit") << QStringLiteral("edit") << false << 0;
        QTest::newRow("disabled push button") << QStringLiteral("button") << false << 0;
    }

    void washUnderMouse()
    {
        QFETCH(QString, kind);
        QFETCH(bool, enabled);
        QFETCH(int, least);
        std::unique_ptr<QWidget> Widget;
        if (kind.endsWith(QStringLiteral("edit"))) {
            auto* Edit = new QLineEdit(QStringLiteral("$1,000"));
            Edit->setReadOnly(kind.startsWith(QStringLiteral("read-only")));
            Widget.reset(Edit);
        } else if (kind == QStringLiteral("combo")) {
            auto* Combo = new QComboBox;
            Combo->addItem(QStringLiteral("Annually"));
            Widget.reset(Combo);
        } else if (kind == QStringLiteral("button")) {
            Widget = std::make_unique<QPushButton>(QStringLiteral("Close"));
        } else {
            Widget = std::make_unique<QCheckBox>(QStringLiteral("Adjust for inflation"));
        }
        Widget->setFont(WindowFont(false));
        Widget->setEnabled(enabled);
        Widget->resize(94, 24);

        QCOMPARE(CountWash(Widget->grab().toImage()), 0);
        // Without it the widget is not repainted when the mouse comes and goes, and the wash never shows.
        QVERIFY(Widget->testAttribute(Qt::WA_Hover));
        // As the mouse entering would mark it.
        Widget->setAttribute(Qt::WA_UnderMouse);
        const int Washed = CountWash(Widget->grab().toImage());
        if (least == 0)
            QCOMPARE(Washed, 0);
        else
            QVERIFY2(Washed >= least, qPrintable(QString::number(Washed)));
    }

    // The slider's track is filled in the highlight colour from the minimum's end up to the handle.
    void sliderFilledToHandle_data()
    {
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("fillLeft");
        QTest::addColumn<bool>("fillRight");
        QTest::newRow("plain") << false << true << true << false;
        QTest::newRow("inverted") << true << true << false << true;
        QTest::newRow("disabled") << false << false << false << false;
    }

    void sliderFilledToHandle()
    {
        QFETCH(bool, inverted);
        QFETCH(bool, enabled);
        QFETCH(bool, fillLeft);
        QFETCH(bool, fillRight);
        QSlider Slider(Qt::Horizontal);
        Slider.setRange(0, 10);
        Slider.setValue(5);
        Slider.setInvertedAppearance(inverted);
        Slider.setEnabled(enabled);
        Slider.resize(200, 22);
        const QImage Image = Slider.grab().toImage();
        const QColor Highlight = Slider.palette().color(QPalette::Highlight);
        QCOMPARE(ColumnHas(Image, 20, Highlight), fillLeft);
        QCOMPARE(ColumnHas(Image, Image.width() - 20, Highlight), fillRight);
    }

    // Panels painted straight from the palette: the tool tip's dark face, the status bar's face, and the
    // page frame of a tab widget, which draws its line but leaves the page to show what lies behind.
    void panelsFromPalette_data()
    {
        QTest::addColumn<QStyle::PrimitiveElement>("element");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPalette::ColorRole>("role"); // NoRole: left untouched
        QTest::newRow("tool tip face") << QStyle::PE_PanelTipLabel << QPoint(30, 10) << QPalette::ToolTipBase;
        QTest::newRow("status bar face") << QStyle::PE_PanelStatusBar << QPoint(30, 10) << QPalette::Button;
        QTest::newRow("tab page frame") << QStyle::PE_FrameTabWidget << QPoint(0, 10) << QPalette::Mid;
        QTest::newRow("tab page inside") << QStyle::PE_FrameTabWidget << QPoint(30, 10) << QPalette::NoRole;
    }

    void panelsFromPalette()
    {
        QFETCH(QStyle::PrimitiveElement, element);
        QFETCH(QPoint, at);
        QFETCH(QPalette::ColorRole, role);
        QImage Image(60, 20, QImage::Format_ARGB32_Premultiplied);
        Image.fill(Qt::transparent);
        QStyleOptionTabWidgetFrame Option;
        Option.rect = Image.rect();
        Option.palette = qApp->palette();
        Option.state = QStyle::State_Enabled;
        {
            QPainter Painter(&Image);
            QApplication::style()->drawPrimitive(element, &Option, &Painter);
        }
        const QColor Seen = Image.pixelColor(at);
        if (role == QPalette::NoRole)
            QCOMPARE(Seen.alpha(), 0);
        else
            QCOMPARE(Seen.name(QColor::HexArgb), qApp->palette().color(role).name(QColor::HexArgb));
    }

    // The totals labels and the like carry their own text colour in their palette, or take it from the
    // panel they sit on; the style must not paint over it.
    void ownTextColourKept_data()
    {
        QTest::addColumn<bool>("checkBox");
        QTest::addColumn<bool>("fromPanel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("green label") << false << false << QColor(0x00, 0x80, 0x00);
        QTest::newRow("maroon label") << false << false << QColor(0x80, 0x00, 0x00);
        QTest::newRow("navy check box") << true << false << QColor(0x00, 0x00, 0x80);
        QTest::newRow("green from the panel") << false << true << QColor(0x00, 0x80, 0x00);
    }

    void ownTextColourKept()
    {
        QFETCH(bool, checkBox);
        QFETCH(bool, fromPanel);
        QFETCH(QColor, colour);

        QWidget Panel;
        QWidget& Widget = checkBox
                              ? static_cast<QWidget&>(*new QCheckBox(QStringLiteral("Compare MMM"), &Panel))
                              : *new QLabel(QStringLiteral("Total: $12,345.67"), &Panel);
        QWidget& Coloured = fromPanel ? Panel : Widget;
        Widget.setFont(WindowFont(true));
        QPalette Palette = Coloured.palette();
        Palette.setColor(QPalette::WindowText, colour);
        Coloured.setPalette(Palette);
        Panel.resize(160, 17);
        Widget.resize(Panel.size());
        QImage Image = Panel.grab().toImage();
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

    // The window gives its font to the form once; every control must take it from there, the ones the
    // style draws itself included.
    void formFontReachesControls_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("label") << QStringLiteral("label");
        QTest::newRow("check box") << QStringLiteral("check");
        QTest::newRow("line edit") << QStringLiteral("edit");
        QTest::newRow("tab bar") << QStringLiteral("tabs");
        QTest::newRow("table header") << QStringLiteral("header");
    }

    void formFontReachesControls()
    {
        QFETCH(QString, kind);
        QWidget Form;
        QFont Font = WindowFont(false);
        Font.setPixelSize(17); // no control's own size, so an inherited one shows
        Form.setFont(Font);
        QWidget* Control = nullptr;
        if (kind == QStringLiteral("label"))
            Control = new QLabel(QStringLiteral("Interest Rate:"), &Form);
        else if (kind == QStringLiteral("check"))
            Control = new QCheckBox(QStringLiteral("Show marks"), &Form);
        else if (kind == QStringLiteral("edit"))
            Control = new QLineEdit(&Form);
        else if (kind == QStringLiteral("tabs"))
            Control = (new QTabWidget(&Form))->tabBar();
        else
            Control = (new QTableWidget(2, 2, &Form))->horizontalHeader();
        Form.ensurePolished();
        Control->ensurePolished();
        QCOMPARE(Control->font().pixelSize(), 17);
        QCOMPARE(Control->font().family(), Font.family());
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
        QTest::newRow("128") << 128;
    }

    // The window's icon, rendered from the drawing at build time, is a rounded tile: clear corners, solid
    // middle, at every size the window carries.
    void programIconRenders()
    {
        QFETCH(int, size);
        const QImage Image = QIcon(QStringLiteral(":/icons/window/pelvantor-%1.png").arg(size))
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
