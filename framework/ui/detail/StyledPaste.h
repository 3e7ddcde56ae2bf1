#pragma once
// What a paste or drop brings into a text area that takes styled text, read
// so that it opens nothing outside the program and never keeps the program
// busy for longer than the text's own size warrants.
#include <QTextDocument>
#include <QTextDocumentFragment>

class QMimeData;

namespace fw::detail {

// A text area's document reads nothing from outside. Styled text pasted or
// dropped in may name pictures and style sheets by file or address; reading
// one could fill memory (/dev/zero) or block the program for good (a FIFO).
// Every picture is a transparent dot and every other resource empty, which
// Qt takes as loaded, so it never falls back to opening the name itself.
class InertDocument final : public QTextDocument {
  public:
    using QTextDocument::QTextDocument;

  protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

// The text and styles of `source` for a text area with styled text whose
// document is `area` (an InertDocument, which answers every resource the
// styles name). The first of the data's formats decides as Qt's own text
// widgets do: Markdown, then Qt's rich text, then HTML, then plain text.
// Markdown is read into an inert document of its own. Styled text whose
// structure Qt would lay out in more than linear time arrives as plain text:
// the data's own plain text if it has one, else the text the styles hold.
// Empty when the data holds nothing to insert.
QTextDocumentFragment StyledPaste(const QMimeData& source, const QTextDocument& area);

}  // namespace fw::detail
