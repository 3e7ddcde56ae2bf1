// A paste of 1 MB of text on one line into the Information window's text, as
// a person pastes it (Ctrl+V), until the text area has painted it. Runs in
// process on the offscreen platform. The clipboard holds the text either
// alone or, as a copy from a web page does, beside the same text as HTML.
// The yardstick is a plain-text editor of the area's size and font, which
// takes only the text of either.
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

// Fills the clipboard with 1 MB of words on one line, alone or also as HTML.
void FillClipboard(bool html) {
    QString text;
    text.reserve(kBytes);
    while (text.size() < kBytes) {
        text += QStringLiteral("probability ");
    }
    text.truncate(kBytes);
    auto* data = new QMimeData;
    data->setText(text);
    if (html) {
        data->setHtml(QStringLiteral("<html><body><p>") + text +
                      QStringLiteral("</p></body></html>"));
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

void Paste(benchmark::State& state, bool html, bool yardstick) {
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
    FillClipboard(html);
    // The count includes the closing paragraph's end, so it passes kBytes only
    // once the whole paste is in.
    PaintWatch watch(area->viewport(), [document] { return document->characterCount() > kBytes; });
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
    Paste(state, false, false);
}
void BM_paste_1mb_text_and_html(benchmark::State& state) {
    Paste(state, true, false);
}
void BM_paste_1mb_yardstick(benchmark::State& state) {
    Paste(state, false, true);
}

BENCHMARK(BM_paste_1mb_text)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_1mb_text_and_html)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_1mb_yardstick)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
