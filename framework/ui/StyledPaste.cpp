// What a paste or drop brings into a text area that takes styled text.
#include "framework/ui/detail/StyledPaste.h"

#include <QImage>
#include <QMimeData>
#include <QVariant>

#include "framework/ui/detail/PasteStructure.h"

namespace fw::detail {

QVariant InertDocument::loadResource(int type, const QUrl&) {
    if (type == ImageResource) {
        static const QImage dot = [] {
            QImage image(1, 1, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            return image;
        }();
        return dot;
    }
    return QString();
}

namespace {

const QString kMarkdown = QStringLiteral("text/markdown");
const QString kQtRichText = QStringLiteral("application/x-qrichtext");

// Markdown is read into an inert document of its own, so that the HTML it
// holds names no file that is then opened.
QTextDocumentFragment FromMarkdown(const QString& markdown, const QTextDocument& area) {
    InertDocument reader;
    reader.setDefaultFont(area.defaultFont());
    reader.setMarkdown(markdown);
    return QTextDocumentFragment(&reader);
}

// HTML within the limits keeps its styles; beyond them its plain text arrives.
QTextDocumentFragment FromHtml(const QString& html, const QMimeData& source,
                               const QTextDocument& area) {
    const HtmlReading reading = ReadHtml(html, !source.hasText());
    if (reading.fits) {
        return QTextDocumentFragment::fromHtml(html, &area);
    }
    return QTextDocumentFragment::fromPlainText(source.hasText() ? source.text() : reading.text);
}

}  // namespace

QTextDocumentFragment StyledPaste(const QMimeData& source, const QTextDocument& area) {
    const QStringList formats = source.formats();
    if (formats.isEmpty()) {
        return {};
    }
    if (formats.first() == kMarkdown) {
        const QString markdown = QString::fromUtf8(source.data(kMarkdown));
        if (MarkdownFits(markdown)) {
            return FromMarkdown(markdown, area);
        }
        return QTextDocumentFragment::fromPlainText(source.hasText() ? source.text() : markdown);
    }
    if (source.hasFormat(kQtRichText)) {
        // Qt's rich text is always UTF-8 and marks itself as such for the reader.
        return FromHtml(QStringLiteral("<meta name=\"qrichtext\" content=\"1\" />") +
                            QString::fromUtf8(source.data(kQtRichText)),
                        source, area);
    }
    if (source.hasHtml()) {
        return FromHtml(source.html(), source, area);
    }
    return QTextDocumentFragment::fromPlainText(source.text());
}

}  // namespace fw::detail