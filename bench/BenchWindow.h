#pragma once

#include "app/TFMain.h"
#include "app/style/VisualStyle.h"
#include "hint/TFHint.h"

#include <QApplication>
#include <QTest>

// The main window and its hover window as the program sets them up: styled, shown and exposed, so every
// label, grid and chart a benchmark drives is real. Run with QT_QPA_PLATFORM=offscreen.
class TBenchWindow
{
public:
    TBenchWindow()
    {
        if (!ApplyVisualStyle(*qApp))
            qFatal("the visual style could not be applied");
        FHint = &hint;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("main window was not exposed");
    }
    ~TBenchWindow()
    {
        FHint = nullptr;
    }
    TBenchWindow(const TBenchWindow&) = delete;
    TBenchWindow& operator=(const TBenchWindow&) = delete;

    template <typename T> T* control(const char* AName) const
    {
        T* found = window.findChild<T*>(QLatin1String(AName));
        if (!found)
            qFatal("no control %s", AName);
        return found;
    }

    TFMain window;
    TFHint hint;
};
