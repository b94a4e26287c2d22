#pragma once

#include <QStandardPaths>
#include <QString>

class QWidget;

// Where a file dialog opens: beside AFile when there is one, else in the user's folder of AKind (documents,
// pictures) where it exists, else at home.
QString DialogFolder(QStandardPaths::StandardLocation AKind, const QString& AFile = QString());

// A warning over AParent that says what failed ("“plan.pelvantor” cannot be opened.") and, below, why.
void ShowFileProblem(QWidget* AParent, const QString& AWhat, const QString& AProblem);
