#pragma once

class QString;
class QWidget;

// What a control tells a screen reader that no event of Qt's carries: a choice made with a drop-down list
// closed, and a notice that shows without taking the focus. How it is told belongs to the accessibility
// layer, which reads the controls and so stands above them: the window sets these where it installs the
// accessible interfaces. Until then nothing is told.
struct TControlAnnouncements
{
    void (*ChoiceMade)(QWidget* AControl, const QString& AChoice) = nullptr;
    void (*NoticeShown)(QWidget* ANotice) = nullptr;
};
TControlAnnouncements& ControlAnnouncements();
