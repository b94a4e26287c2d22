#pragma once

#include <QString>

// A field's text as the tests write it: "|" marks the caret, "[...]" a selection.
struct TMarkedText
{
    QString Text;
    int SelStart = 0;
    int SelLength = 0;

    static TMarkedText Read(QString AMarked)
    {
        if (const int caret = int(AMarked.indexOf(u'|')); caret >= 0)
            return {AMarked.remove(caret, 1), caret, 0};
        const int start = int(AMarked.indexOf(u'[')), end = int(AMarked.indexOf(u']'));
        return {AMarked.remove(end, 1).remove(start, 1), start, end - start - 1};
    }
    QString Written() const
    {
        QString marked = Text;
        return SelLength ? marked.insert(SelStart + SelLength, u']').insert(SelStart, u'[')
                         : marked.insert(SelStart, u'|');
    }
};
