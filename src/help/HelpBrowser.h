#pragma once

#include <QTextBrowser>

// The help's text view, read with a caret as a document is, so that a screen reader follows it line by
// line; the link that Tab reaches and the place a link leads to are told to screen readers.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void sourceWasChanged(const QUrl& ASource);
};
