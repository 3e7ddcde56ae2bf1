// The time from a click on Calculate to the result being on screen, at the
// slowest case the calculator window allows: F with 1 and 9998 degrees of
// freedom at the value 1. Runs in process on the offscreen platform; the timed
// part is the click (its handler computes and fills in the result) and the
// events that follow until the result field has painted the new text.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <chrono>
#include <optional>
#include <string>
#include <utility>

#include "bench/PaintWatch.h"
#include "framework/core/Text.h"
#include "prob/ProbModule.h"
#include "windows/MainWnd.h"

namespace {

using Clock = std::chrono::steady_clock;

// Longer than any result may take to appear; past it the run is reported as broken.
constexpr auto kGiveUp = std::chrono::seconds(5);

// The calculator window set to F with 1 and 9998 degrees of freedom, as a
// person sets it: a click on the F button, then the fields typed.
struct Calculator {
    fw::Ref<class MainWnd> w;
    QWidget* calculate = nullptr;
    QLineEdit* result = nullptr;
    std::string expected;

    Calculator() {
        StartOffscreen("calc_bench");
        w = MainWnd();
        QCoreApplication::processEvents();

        auto* f = qobject_cast<QAbstractButton*>(w->FBtn()->_Widget());
        QStyleOptionButton option;
        option.initFrom(f);
        const QRect mark = f->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, f);
        QTest::mouseClick(f, Qt::LeftButton, {},
                          mark.isValid() ? mark.center() : QPoint(6, f->height() / 2));
        QTest::keyClicks(w->df1Edit()->_Widget(), "1");
        QTest::keyClicks(w->df2Edit()->_Widget(), "9998");
        QTest::keyClicks(w->zEdit()->_Widget(), "1");

        calculate = w->CalcBtn()->_Widget();
        result = qobject_cast<QLineEdit*>(w->pEdit()->_Widget());
        expected = fw::Format(ProbModule::fprob(1, 1, 9998), ".0000");
    }

    bool Ready() const {
        return w->btn == 3 /* F */ && w->df1Edit()->Text() == "1" &&
               w->df2Edit()->Text() == "9998" && w->zEdit()->Text() == "1" &&
               calculate != nullptr && result != nullptr;
    }

    // Takes the last result off the screen as a person's retyping of the value does.
    void Retype() const {
        w->zEdit()->Text("");
        w->zEdit()->Text("1");
        w->pEdit()->Text("");
        QCoreApplication::processEvents();
    }
};

// One press of Calculate with the result off the screen beforehand: the
// seconds until the result field has painted the result, or nothing (and the
// reason in error) if it never does.
std::optional<double> Press(const Calculator& calculator, PaintWatch& watch, std::string& error) {
    calculator.Retype();
    if (calculator.result->isVisible()) {
        error = "retyping the value left the result shown";
        return std::nullopt;
    }
    watch.Reset();

    const Clock::time_point start = Clock::now();
    QTest::mouseClick(calculator.calculate, Qt::LeftButton);
    while (!(watch.Painted() && calculator.result->isVisible())) {
        if (Clock::now() - start > kGiveUp) {
            error = "no result painted; the field shows \"" + calculator.w->pEdit()->Text() + "\"";
            return std::nullopt;
        }
        QCoreApplication::processEvents();
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_calculate_f_1_9998(benchmark::State& state) {
    static Calculator calculator;
    if (!calculator.Ready()) {
        state.SkipWithError("the calculator window did not take F, 1, 9998 and 1");
        return;
    }
    const QString expected = QString::fromStdString(calculator.expected);
    PaintWatch watch(calculator.result,
                     [field = calculator.result, expected] { return field->text() == expected; });
    std::string error;
    // The first press also pays once for fonts and caches; it is not timed.
    Press(calculator, watch, error);
    for (auto _ : state) {
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
        const std::optional<double> seconds = Press(calculator, watch, error);
        if (seconds) {
            state.SetIterationTime(*seconds);
        }
    }
    state.SetLabel("shows " + calculator.expected);
}

BENCHMARK(BM_calculate_f_1_9998)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
