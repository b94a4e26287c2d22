#pragma once

#include <QFont>

class QDialog;
class QWidget;

// The font of a form, APixelHeight pixels high. Given to the form before its controls are created, so they
// are born with it rather than all told of a change afterwards.
QFont FormFont(int APixelHeight);

// Finishes a form built from its definition: per-control font heights ("fontHeight") and text colours
// ("fontColor"), accessible names from the caption labels that name their controls (the labels' buddies),
// and the panels' layouts.
void FinishForm(QWidget* AForm);

// What a caption names: its text without the closing colon ("Initial deposit:" names "Initial deposit").
QString CaptionName(const QString& ACaption);

// Enables or disables a panel with its direct children: each carries its own disabled state from the form,
// so enabling the panel alone would leave them greyed.
void EnablePanel(QWidget* APanel, bool AEnabled);

// A dialog whose content has a fixed size keeps it, and a window manager offers it Close alone, neither
// minimise nor maximise. Given before the dialog is shown.
void FixDialogSize(QDialog* ADialog);
