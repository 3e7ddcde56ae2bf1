#pragma once
// Whether styled text that is pasted or dropped keeps Qt's rich-text engine
// within linear time: tables nested in tables, long runs of pictures in a
// paragraph, deep nesting, long lists, large style sheets and Markdown's long
// paragraphs and tables cost it more. Decided in linear time, before Qt reads
// the text.
#include <QString>
#include <QStringView>

namespace fw::detail {

struct HtmlReading {
    bool fits;     // within the limits: Qt may read it styled
    QString text;  // when asked for: the text outside the tags, a line per paragraph
};

// HTML as Qt's reader would take it.
HtmlReading ReadHtml(QStringView html, bool wantText);

// Markdown, its own structure and the HTML it holds.
bool MarkdownFits(QStringView markdown);

}  // namespace fw::detail
