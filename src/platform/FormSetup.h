#pragma once

class QWidget;

// Finishes a form built from its definition: the form's font (ATextHeight pixels high), per-control font
// heights ("fontHeight") and text colours ("fontColor"), accessible names from the caption labels that
// name their controls (the labels' buddies), and the panels' layouts.
void FinishForm(QWidget* AForm, int ATextHeight);
