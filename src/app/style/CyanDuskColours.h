#pragma once

#include <QColor>
#include <QPalette>
#include <QStyleOption>

// The colours and states every family of CyanDuskStyle's controls shares. Each colour derives from the
// palette, so the look follows whatever palette the application carries.
namespace CyanDusk {

// Lightness of the cyan wash: fields under the mouse, faces (tabs, header sections, buttons) under the
// mouse, a slider handle under the mouse, a button held down.
constexpr float FieldWash = 0.915f;
constexpr float FaceWash = 0.885f;
constexpr float HandleWash = 0.925f;
constexpr float PressedWash = 0.78f;

// a with the share t of b.
QColor Mix(const QColor& a, const QColor& b, double t);

// A pale tint of the highlight's hue.
QColor Wash(const QPalette& palette, float lightness);

// A brighter cyan than the highlight for edges under the mouse, which the darker one would make heavy.
QColor Accent(const QPalette& palette);

QColor FaintEdge(const QPalette& palette);

QColor SoftLine(const QPalette& palette);

bool Hovered(const QStyleOption& option);

bool KeyboardFocus(const QStyleOption& option);

} // namespace CyanDusk
