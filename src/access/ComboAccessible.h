#pragma once

#include "access/TextAccessible.h"

class QComboBox;

// A drop-down list as a screen reader hears it: its label, and its choice as its name and its text, which
// Orca reads as the list's value. Its one child is the list of items that drops down.
class ComboAccessible : public TextAccessible
{
public:
    explicit ComboAccessible(QComboBox* AList);

    // For QAccessible::installFactory: the interface of every drop-down list.
    static QAccessibleInterface* create(const QString& AClassName, QObject* AObject);

    QString text(QAccessible::Text AText) const override;
    QAccessible::State state() const override;
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int AIndex) const override;
    int indexOfChild(const QAccessibleInterface* AChild) const override;

protected:
    QString shownText() const override;
    QRect lineStart() const override;

private:
    QComboBox* list() const;
};
