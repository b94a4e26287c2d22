#include "app/TFMain.h"

#include "document/FileDialogs.h"
#include "files/WholeFile.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>

namespace {

// Twice the screen's density: sharp when pasted into a document that is printed or zoomed.
QByteArray ChartPng(const ChartWidget* AChart)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    AChart->image(2 * AChart->devicePixelRatioF()).save(&buffer, "PNG");
    return png;
}

void CopyImage(const ChartWidget* AChart)
{
    auto* data = new QMimeData;
    const QByteArray png = ChartPng(AChart);
    data->setData(QStringLiteral("image/png"), png);
    // Programs that take only Qt's own image format find it too.
    data->setImageData(QImage::fromData(png, "PNG"));
    QGuiApplication::clipboard()->setMimeData(data);
}

void SaveImage(ChartWidget* AChart)
{
    QFileDialog dialog(AChart->window(), QStringLiteral("Save the chart as an image"),
                       DialogFolder(QStandardPaths::PicturesLocation), QStringLiteral("PNG images (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(AChart->accessibleName() + QStringLiteral(".png"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = dialog.selectedFiles().value(0);
    const QString problem = WriteWholeFile(path, ChartPng(AChart));
    if (problem.isEmpty())
        return;
    ShowFileProblem(AChart->window(), QStringLiteral("“%1” cannot be saved.").arg(QFileInfo(path).fileName()),
                    QStringLiteral("The file cannot be written: %1.").arg(problem));
}

} // namespace

void TFMain::SetupChartMenus()
{
    for (ChartWidget* chart : {Chart, PieChartFirst, PieChartAlt}) {
        // Reached by Tab too, so that the Menu key and Shift+F10 open the menu from the keyboard.
        chart->setFocusPolicy(Qt::StrongFocus);
        chart->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(chart, &QWidget::customContextMenuRequested, this,
                [this, chart](const QPoint& APosition) { ChartMenuRequested(chart, APosition); });
        // Shift+F10 as well as the Menu key, which is all Qt turns into a context menu outside Windows.
        auto* menuKeys = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), chart, nullptr, nullptr,
                                       Qt::WidgetShortcut);
        connect(menuKeys, &QShortcut::activated, this,
                [this, chart] { ChartMenuRequested(chart, chart->rect().center()); });
    }
}

void TFMain::ChartMenuRequested(ChartWidget* AChart, const QPoint& APosition)
{
    // The year's figures would stand over the menu, and the pointer is on its way to the menu.
    HideYearSummary();
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("Copy image")), &QAction::triggered, this,
            [AChart] { CopyImage(AChart); });
    connect(menu.addAction(QStringLiteral("Save image…")), &QAction::triggered, this,
            [AChart] { SaveImage(AChart); });
    menu.exec(AChart->mapToGlobal(APosition));
}
