#pragma once

#include <QApplication>
#include <QPalette>
#include <QString>

#include <optional>

// Puts the named visual style on the whole application: CyanDuskStyle drawing over Fusion, with the palette
// that the program's resources carry for that name (":/style/<name without spaces>.palette"); no style
// sheet. Returns false and leaves the application as it was when the name is unknown or the palette file
// is missing, unreadable or malformed; saying so to the user is the caller's choice.
bool ApplyVisualStyle(QApplication& app, const QString& name = QStringLiteral("Cyan Dusk"));

// Reads a style's palette text: lines "Role = #rrggbb" set a role in every colour group and lines
// "Group.Role = #rrggbb" (Active, Inactive, Disabled) then override one group; '#' starts a comment line.
// Gives nothing when a line is malformed, a role is set twice in the same group, or one of the roles that
// every widget reads (Window, WindowText, Base, Text, Button, ButtonText, Highlight, HighlightedText) is
// missing.
std::optional<QPalette> ParseStylePalette(const QString& text);
