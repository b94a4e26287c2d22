#pragma once

#include <QFont>

class QWidget;

// The font of a form, APixelHeight pixels high. Given to the form before its controls are created, so they
// are born with it rather than all told of a change afterwards.
QFont FormFont(int APixelHeight);

// Finishes a form built from its definition: per-control font heights ("fontHeight") and text colours
// ("fontColor"), accessible names from the caption labels that name their controls (the labels' buddies),
// and the panels' layouts.
void FinishForm(QWidget* AForm);
