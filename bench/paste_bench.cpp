// A paste of 1 MB of text on one line into the Information window's text, as
// a person pastes it (Ctrl+V), until the text area has painted it. Runs in
// process on the offscreen platform. The clipboard holds the text either
// alone or, as a copy from a web page does, beside the same text as HTML.
// The yardstick is a plain-text editor of the area's size and font, which
// takes only the text of either. Then HTML of at most 1 MB whose structure
// Qt would lay out in more than linear time: each must arrive as quickly.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>
#include <chrono>

#include "bench/PaintWatch.h"
#include "windows/Qwindow.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kGiveUp = std::chrono::seconds(60);
constexpr qsizetype kBytes = 1 << 20;

// The Information window's text area, and the yardstick shown beside it.
struct Areas {
    fw::Ref<class Qwindow> w;
    QWidget* area = nullptr;
    QPlainTextEdit yardstick;

    Areas() {
        w = Qwindow();
        QCoreApplication::processEvents();
        area = w->Qfld()->_Widget();
        if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(area)) {
            yardstick.setFont(area->font());
            yardstick.resize(area->size());
            yardstick.setVerticalScrollBarPolicy(scrolled->verticalScrollBarPolicy());
            yardstick.setHorizontalScrollBarPolicy(scrolled->horizontalScrollBarPolicy());
        }
        yardstick.show();
        QCoreApplication::processEvents();
    }
};

Areas& TheAreas() {
    StartOffscreen("paste_bench");
    static Areas areas;
    return areas;
}

// 1 MB of words on one line.
QString Words() {
    QString text;
    text.reserve(kBytes);
    while (text.size() < kBytes) {
        text += QStringLiteral("probability ");
    }
    text.truncate(kBytes);
    return text;
}

// What the clipboard holds, and how many characters the area holds once the
// whole paste is in.
struct Clip {
    QString text, html, markdown;
    qsizetype shown;
};

Clip WordsClip(bool html) {
    const QString text = Words();
    return {text, html ? "<html><body><p>" + text + "</p></body></html>" : QString(), QString(),
            kBytes};
}

// HTML alone: `opening` once, then `unit` and `words` words as often as fit
// in 1 MB.
Clip StructureClip(const QString& opening, const QString& unit, int words = 1) {
    const QString text = QStringLiteral("probability ").repeated(words);
    const qsizetype times = (kBytes - opening.size()) / (unit.size() + text.size());
    return {QString(), opening + (unit + text).repeated(times), QString(),
            times * (text.size() - 1)};
}

// Markdown alone: one paragraph of lines of words, 1 MB.
Clip MarkdownLinesClip() {
    const QString line = QStringLiteral("probability ").repeated(7) + u'\n';
    const qsizetype times = kBytes / line.size();
    return {QString(), QString(), line.repeated(times), times * (line.size() - 1)};
}

void Paste(benchmark::State& state, const Clip& clip, bool yardstick) {
    Areas& areas = TheAreas();
    auto* edit = qobject_cast<QTextEdit*>(areas.area);
    QAbstractScrollArea* area =
        yardstick ? static_cast<QAbstractScrollArea*>(&areas.yardstick) : edit;
    const QTextDocument* document = yardstick         ? areas.yardstick.document()
                                    : edit != nullptr ? edit->document()
                                                      : nullptr;
    if (area == nullptr || document == nullptr) {
        state.SkipWithError("the Information window has no text area");
        return;
    }
    auto* data = new QMimeData;
    if (!clip.text.isEmpty()) {
        data->setText(clip.text);
    }
    if (!clip.html.isEmpty()) {
        data->setHtml(clip.html);
    }
    if (!clip.markdown.isEmpty()) {
        data->setData(QStringLiteral("text/markdown"), clip.markdown.toUtf8());
    }
    QGuiApplication::clipboard()->setMimeData(data);
    // The count includes the closing paragraph's end, so it passes what the
    // paste shows only once the whole paste is in.
    const qsizetype shown = clip.shown;
    PaintWatch watch(area->viewport(),
                     [document, shown] { return document->characterCount() > shown; });
    for (auto _ : state) {
        QMetaObject::invokeMethod(area, "clear");
        QCoreApplication::processEvents();
        watch.Reset();

        const Clock::time_point start = Clock::now();
        QTest::keyClick(area, Qt::Key_V, Qt::ControlModifier);
        while (!watch.Painted()) {
            if (Clock::now() - start > kGiveUp) {
                state.SkipWithError("the pasted text was never painted");
                return;
            }
            QCoreApplication::processEvents();
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

void BM_paste_1mb_text(benchmark::State& state) {
    Paste(state, WordsClip(false), false);
}
void BM_paste_1mb_text_and_html(benchmark::State& state) {
    Paste(state, WordsClip(true), false);
}
void BM_paste_1mb_yardstick(benchmark::State& state) {
    Paste(state, WordsClip(false), true);
}
// Tables nested 25 deep around the words: Qt doubles its work per level.
void BM_paste_nested_tables(benchmark::State& state) {
    Paste(state, StructureClip(QStringLiteral("<table><tr><td>").repeated(25), QString()), false);
}
// A picture before each word, all in one paragraph.
void BM_paste_pictures_in_a_paragraph(benchmark::State& state) {
    Paste(state, StructureClip(QStringLiteral("<p>"), QStringLiteral("<img src=\"x\">")), false);
}
// A span opened before each word and never closed.
void BM_paste_nested_spans(benchmark::State& state) {
    Paste(state, StructureClip(QString(), QStringLiteral("<span>")), false);
}
// Lists each nested in the item before, an item a line of words.
void BM_paste_nested_lists(benchmark::State& state) {
    Paste(state, StructureClip(QString(), QStringLiteral("<ul><li>"), 7), false);
}
// One list, an item a line of words.
void BM_paste_long_list(benchmark::State& state) {
    Paste(state, StructureClip(QStringLiteral("<ul>"), QStringLiteral("<li>"), 7), false);
}
// Half a megabyte of style rules, then a paragraph for each word: Qt matches
// every element against every rule.
void BM_paste_style_sheet(benchmark::State& state) {
    const QString rules = QStringLiteral(".c { color: red }\n").repeated(kBytes / 2 / 18);
    Paste(state, StructureClip("<style>" + rules + "</style>", QStringLiteral("<p>")), false);
}
// Markdown: one paragraph of many lines, each of which Qt adds at a cost
// that grows with the paragraph.
void BM_paste_markdown_lines(benchmark::State& state) {
    Paste(state, MarkdownLinesClip(), false);
}

BENCHMARK(BM_paste_1mb_text)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_1mb_text_and_html)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_1mb_yardstick)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_nested_tables)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_pictures_in_a_paragraph)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_nested_spans)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_nested_lists)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_long_list)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_style_sheet)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_markdown_lines)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
