#pragma once

#include "numbers/text/FormatSettings.h"

#include <clocale>
#include <string>

// Puts the process-wide settings back however the test function ends.
class TSettingsGuard
{
public:
    ~TSettingsGuard() { FormatSettings() = Saved; }

private:
    TFormatSettings Saved = FormatSettings();
};

// Switches the C library to a locale whose decimal point is a comma, when the machine has one.
class TCommaLocale
{
public:
    TCommaLocale() : Saved(std::setlocale(LC_ALL, nullptr))
    {
        for (const char* Name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"})
            if (std::setlocale(LC_ALL, Name) && std::string(std::localeconv()->decimal_point) == ",") {
                Active = true;
                return;
            }
        std::setlocale(LC_ALL, Saved.c_str());
    }
    ~TCommaLocale() { std::setlocale(LC_ALL, Saved.c_str()); }
    bool Active = false;

private:
    std::string Saved;
};
