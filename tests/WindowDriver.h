#pragma once

#include "app/TFMain.h"
#include "charts/BarSeries.h"
#include "charts/ChartWidget.h"
#include "charts/PieSeries.h"
#include "controls/StringGrid.h"
#include "hint/TFHint.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

// The main window as the tests drive it: created and shown (offscreen), controls looked up by the names
// of the form, the way UI automation finds them.
class WindowDriver
{
public:
    WindowDriver()
    {
        FHint = &hint;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("main window was not exposed");
    }

    template <class T> T* control(const char* AName) const
    {
        T* found = window.findChild<T*>(QLatin1String(AName));
        if (!found)
            qFatal("no control %s of the expected class", AName);
        return found;
    }
    QString text(const char* ALabel) const { return control<QLabel>(ALabel)->text(); }
    BarSeries* bars(int AIndex) const { return window.BarSeriesAt(AIndex); }
    ChartSeries* pie(const char* AChart) const { return control<ChartWidget>(AChart)->series(0); }
    StringGrid* grid(const char* AName) const { return control<StringGrid>(AName); }
    QStringList row(const char* AGrid, int ARow) const
    {
        QStringList cells;
        for (int col = 0; col < 5; ++col)
            cells.append(grid(AGrid)->cell(col, ARow));
        return cells;
    }
    void setText(const char* AEdit, const QString& AText) const { control<QLineEdit>(AEdit)->setText(AText); }
    void check(const char* ABox, bool AChecked) const { control<QCheckBox>(ABox)->setChecked(AChecked); }
    // Picks an item of a drop-down list as a user does: open the list, move to the item, press Enter.
    void pick(const char* AList, const QString& AItem) const
    {
        auto* list = control<QComboBox>(AList);
        const int row = list->findText(AItem);
        if (row < 0)
            qFatal("%s offers no %s", AList, qPrintable(AItem));
        list->showPopup();
        list->view()->setCurrentIndex(list->model()->index(row, 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
    }

    TFMain window;
    TFHint hint; // the program's hover window, gone before the main window as at the program's end
};

// Any Qt warning fails the test, except the offscreen platform's notes on what it does not do.
inline void FailOnWarnings()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support).*")));
}
