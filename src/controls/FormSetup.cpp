#include "controls/FormSetup.h"

#include "controls/AlignLayout.h"
#include "controls/ControlProperties.h"

#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QWidget>

QFont FormFont(int APixelHeight)
{
    QFont font;
    // Tahoma where it is installed; otherwise a sans face of similar width, so the fixed places still fit.
    // Chosen here rather than left to substitution, which may hand out a much wider face.
    // The plain family list, not a by-name check: that one asks fontconfig to resolve aliases, which costs
    // more at start-up than everything else the font needs.
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Tahoma", "Liberation Sans", "Arial"}) {
        if (installed.contains(QLatin1String(family))) {
            font.setFamily(QLatin1String(family));
            break;
        }
    }
    font.setPixelSize(APixelHeight);
    return font;
}

namespace {

void ApplyOwnFont(QWidget* AControl)
{
    const int height = DynamicProperty(AControl, "fontHeight").toInt();
    if (height > 0) {
        QFont font = AControl->font();
        font.setPixelSize(height);
        AControl->setFont(font);
    }
    const QColor color(DynamicProperty(AControl, "fontColor").toString());
    if (color.isValid()) {
        QPalette palette = AControl->palette();
        palette.setColor(QPalette::WindowText, color);
        palette.setColor(QPalette::Text, color);
        AControl->setPalette(palette);
    }
}

// A caption such as "Initial deposit:" names the control it labels for screen readers.
void NameBuddy(const QLabel* ACaption)
{
    QWidget* buddy = ACaption->buddy();
    if (!buddy || !buddy->accessibleName().isEmpty())
        return;
    buddy->setAccessibleName(CaptionName(ACaption->text()));
}

} // namespace

QString CaptionName(const QString& ACaption)
{
    return ACaption.endsWith(u':') ? ACaption.chopped(1) : ACaption;
}

void EnablePanel(QWidget* APanel, bool AEnabled)
{
    APanel->setEnabled(AEnabled);
    for (QWidget* child : APanel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->setEnabled(AEnabled);
}

void FinishForm(QWidget* AForm)
{
    for (QWidget* control : AForm->findChildren<QWidget*>())
        ApplyOwnFont(control);
    for (const QLabel* caption : AForm->findChildren<QLabel*>())
        NameBuddy(caption);
    InstallAlignLayouts(AForm);
}

void FixDialogSize(QDialog* ADialog)
{
    ADialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint);
    if (QLayout* layout = ADialog->layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
}
