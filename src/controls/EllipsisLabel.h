#pragma once

#include <QLabel>

// A one-line label of fixed size that cuts its text at the end with an ellipsis when it does not fit,
// instead of clipping it mid-letter. Screen readers still get the whole text.
class EllipsisLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
