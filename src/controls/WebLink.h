#pragma once

#include <QLabel>

// A label showing one link: one Tab stop, on which the link itself has the focus, so that Enter opens it
// and Tab or Shift+Tab moves on. (A plain label with keyboard links stops once on itself, then on each
// link, and turns Shift+Tab round between them.) Screen readers hear it as a link (LinkAccessible).
class WebLink : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
};
