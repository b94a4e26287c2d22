#include "numbers/text/FormatSettings.h"

TFormatSettings& FormatSettings()
{
    // Constructed on first use, so code running during static initialisation still sees the defaults.
    static TFormatSettings Settings;
    return Settings;
}
