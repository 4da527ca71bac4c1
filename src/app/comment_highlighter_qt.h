// Comments, from "//" to the end of the line, in green in an editor; the
// rest of the line in the text colour. Colours every line as it changes.
#pragma once

#include <QSyntaxHighlighter>

class CommentHighlighter : public QSyntaxHighlighter {
public:
    explicit CommentHighlighter(QTextDocument* document);

    static QColor commentColour() { return QColor(0, 128, 0); }

protected:
    void highlightBlock(const QString& text) override;
};
