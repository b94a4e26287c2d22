#include "controls/ControlAnnouncements.h"

TControlAnnouncements& ControlAnnouncements()
{
    static TControlAnnouncements Announcements;
    return Announcements;
}
