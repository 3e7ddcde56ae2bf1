#include "framework/ui/Control.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "framework/ui/Window.h"
#include "framework/ui/detail/ControlImpl.h"

namespace fw {

struct Timer::TimerImpl {
    int64_t period = 1000;
    int64_t mode = 0;
    // Started while a window owned it: once that window is gone, it stays silent.
    bool owned = false;
    QTimer* clock = nullptr;  // made on the first start

    ~TimerImpl() {
        if (clock != nullptr) {
            clock->stop();
            clock->disconnect();
            // The timer may go while its own timeout is being delivered.
            clock->deleteLater();
        }
    }

    int Interval() const { return static_cast<int>(std::clamp<int64_t>(period, 0, INT_MAX)); }

    void Start(Timer& owner) {
        if (mode != 1 && mode != 2) {
            if (clock != nullptr) {
                clock->stop();
            }
            return;
        }
        if (QCoreApplication::instance() == nullptr) {
            return;
        }
        owned = owned || owner.Window() != nullptr;
        if (clock == nullptr) {
            clock = new QTimer;
            // A coarse timer may fire a little early; a period is a promise.
            clock->setTimerType(Qt::PreciseTimer);
            QObject::connect(clock, &QTimer::timeout, clock,
                             [&owner] { owner.timer_->Fire(owner); });
        }
        clock->setSingleShot(mode == 1);
        clock->start(Interval());
    }

    void Fire(Timer& owner) {
        if (mode == 1) {
            mode = 0;
        }
        if (owned && !owner.Window()) {
            clock->stop();
            return;
        }
        detail::DispatchEvent(owner.weak_from_this(), 0, {});
    }
};

Timer::Timer() : timer_(std::make_unique<TimerImpl>()) {}

Timer::~Timer() = default;

const ClassRecord& Timer::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("Timer", [] {
        ClassRecord r;
        r.name = "Timer";
        r.parent = &Control::StaticClass();
        r.events.push_back({0, "Action", "( Timer )"});
        r.properties.emplace("Period", PropertyType::Integer);
        r.properties.emplace("RunMode", PropertyType::Integer);
        return r;
    });
    return record;
}

// A timer starts when its RunMode is set (its table does that).
void Timer::Constructor() {}

int64_t Timer::Period() const {
    return timer_->period;
}

void Timer::Period(int64_t milliseconds) {
    timer_->period = milliseconds;
    if (timer_->clock != nullptr && timer_->clock->isActive()) {
        timer_->clock->start(timer_->Interval());
    }
}

int64_t Timer::RunMode() const {
    return timer_->mode;
}

void Timer::RunMode(int64_t mode) {
    timer_->mode = mode;
    timer_->Start(*this);
}

void Timer::SetProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Period" || name == "RunMode") {
        const auto* number = std::get_if<int64_t>(&value);
        if (number == nullptr) {
            throw PropertyTableException("Timer." + std::string(name) + " takes an Integer");
        }
        if (name == "Period") {
            Period(*number);
        } else {
            RunMode(*number);
        }
        return;
    }
    Control::SetProperty(name, value);
}

}  // namespace fw
