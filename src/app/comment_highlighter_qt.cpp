#include "app/comment_highlighter_qt.h"

#include "shell/main_window_rules.h"

CommentHighlighter::CommentHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void CommentHighlighter::highlightBlock(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const auto start = zentra::commentStart(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!start) return;
    // The rule counts bytes of UTF-8; the block counts UTF-16 units.
    const auto at = static_cast<int>(QString::fromUtf8(bytes.constData(), static_cast<qsizetype>(*start)).size());
    setFormat(at, static_cast<int>(text.size()) - at, commentColour());
}
