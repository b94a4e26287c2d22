#pragma once

#include <QString>

// The help's text as it is kept in the resources: HTML with a placeholder in double braces for every figure.
QString HelpSource();

// The help's text to show, every placeholder filled: a figure of HelpFigures(); "EXAMPLE.yN" or
// "EXAMPLE.last" a year's row of the year table, "EXAMPLE.pN" a period's row; "maker" the maker's web
// page AMakerAddress and "maker-name" the address as a link shows it.
QString HelpHtml(const QString& AMakerAddress);
