#include "help/TFHelp.h"

#include "help/HelpText.h"

#include <QShortcut>
#include <QUrl>

TFHelp::TFHelp(const QString& AMakerAddress, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setFont(parent->font());
    setupUi(this);
    // Room around the text, as a page has.
    Browser->document()->setDocumentMargin(fontMetrics().height());
    Browser->setHtml(HelpHtml(AMakerAddress));
    // The top as the first place in the history, so that Back returns there from the first link followed.
    Browser->setSource(QUrl(QStringLiteral("#top")));
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

TFHelp::~TFHelp() = default;

void TFHelp::ShowSection(const QString& AAnchor)
{
    show();
    raise();
    activateWindow();
    // As if a link had been followed there: Back returns to where the reader was.
    if (!AAnchor.isEmpty())
        Browser->setSource(QUrl(u'#' + AAnchor));
}
