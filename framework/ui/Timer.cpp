#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "framework/ui/Control.h"
#include "framework/ui/detail/ControlImpl.h"

namespace fw {

struct Timer::TimerImpl {
    int64_t period = 1000;
    RunModes mode = RunModes::Off;
    QTimer* clock = nullptr;  // made on the first start

    ~TimerImpl() {
        if (clock != nullptr) {
            clock->stop();
            clock->disconnect();
            // The timer may go while its own timeout is being delivered.
            clock->deleteLater();
        }
    }
};

Timer::Timer() : timer_(std::make_unique<TimerImpl>()) {}

Timer::~Timer() = default;

const ClassRecord& Timer::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("Timer", &Control::StaticClass(), [](ClassRecord& r) {
            r.events.push_back(kAction);
            r.properties.emplace("Period", PropertyType::Integer);
            r.properties.emplace("RunMode", PropertyType::Integer);
        });
    return record;
}

int64_t Timer::Period() const {
    return timer_->period;
}

Timer::RunModes Timer::RunMode() const {
    return timer_->mode;
}

// Setting RunMode (the table's last entry) starts or stops the timer; it
// fires once, then its mode is off again.
void Timer::SetProperty(std::string_view name, const PropertyValue& value) {
    const auto* number = std::get_if<int64_t>(&value);
    if (number == nullptr || (name != "Period" && name != "RunMode")) {
        Control::SetProperty(name, value);
        return;
    }
    TimerImpl& t = *timer_;
    if (name == "Period") {
        t.period = *number;
        return;
    }
    t.mode = static_cast<RunModes>(*number) == RunModes::Single ? RunModes::Single : RunModes::Off;
    if (t.clock == nullptr && t.mode == RunModes::Single &&
        QCoreApplication::instance() != nullptr) {
        t.clock = new QTimer;
        t.clock->setSingleShot(true);
        // A coarse timer may fire a little early; a period is a promise.
        t.clock->setTimerType(Qt::PreciseTimer);
        QObject::connect(t.clock, &QTimer::timeout, t.clock, [this] {
            timer_->mode = RunModes::Off;
            detail::DispatchEvent(weak_from_this(), kAction.number, {});
        });
    }
    if (t.clock != nullptr) {
        t.mode == RunModes::Single
            ? t.clock->start(static_cast<int>(std::clamp<int64_t>(t.period, 0, INT_MAX)))
            : t.clock->stop();
    }
}

}  // namespace fw
