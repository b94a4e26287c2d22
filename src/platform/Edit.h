#pragma once

#include <QLineEdit>

// A single-line edit whose change() runs at once whenever its text really changes, typed or written from
// code; writing the text it already holds runs nothing.
class Edit : public QLineEdit
{
    Q_OBJECT

public:
    explicit Edit(QWidget* parent = nullptr);

Q_SIGNALS:
    void change();

private:
    void textWasChanged(const QString& text);

    QString m_lastText;
};
