#pragma once

#include "controls/WebLink.h"

// A link that runs a command of the program rather than opening a page: like a button, Space runs it too,
// besides Enter and a click.
class CommandLink : public WebLink
{
    Q_OBJECT

public:
    using WebLink::WebLink;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
