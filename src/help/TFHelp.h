#pragma once

#include "ui_TFHelp.h"

#include <QWidget>

// The help: a window of its own beside the main window, not modal, with the contents at the top of the
// text. Its links move within it; the link to the maker's web page opens in the browser.
class TFHelp : public QWidget, private Ui::TFHelp
{
    Q_OBJECT

public:
    // The text is built here, from the program's own calculation: the window is made when first opened.
    TFHelp(const QString& AMakerAddress, QWidget* parent);
    ~TFHelp() override;

    // Shows the window in front of the others at the section named AAnchor ("interest-rate"), or where
    // it was left when AAnchor is empty.
    void ShowSection(const QString& AAnchor);
};
