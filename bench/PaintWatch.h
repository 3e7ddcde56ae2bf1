#pragma once
// What the in-process benchmarks share: the application on the offscreen
// platform, and a watch for the paint that shows what a timed action awaits.
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "framework/ui/Application.h"

// Starts the application on the offscreen platform; later calls change nothing.
inline void StartOffscreen(const char* name) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt refers to the program's name for as long as the application lives.
    static std::string kept = name;
    static char* argv[] = {kept.data(), nullptr};
    fw::RuntimeInit(1, argv);
}

// Notes when the widget paints while `shown` holds.
class PaintWatch : public QObject {
  public:
    PaintWatch(QWidget* widget, std::function<bool()> shown)
        : widget_(widget), shown_(std::move(shown)) {
        widget_->installEventFilter(this);
    }
    void Reset() { painted_ = false; }
    bool Painted() const { return painted_; }

  protected:
    // The paint itself follows at once, inside the same event delivery.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint && shown_()) {
            painted_ = true;
        }
        return false;
    }

  private:
    QWidget* widget_;
    std::function<bool()> shown_;
    bool painted_ = false;
};
