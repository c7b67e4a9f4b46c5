#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <cstdint>

namespace tsubura {

// Wall time for records, today, periods and the login; a monotonic reading for the exercise
// clock and the waits, which must not jump at midnight or when the system clock is set.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual std::int64_t monotonicMs() const = 0;
};

class SystemClock : public Clock {
public:
    SystemClock() { timer_.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    std::int64_t monotonicMs() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

// A clock that moves only when told to, for tests.
class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 10), QTime(16, 0))) : now_(std::move(start)) {}
    QDateTime now() const override { return now_.addMSecs(elapsedMs_); }
    std::int64_t monotonicMs() const override { return elapsedMs_; }
    void advance(std::int64_t ms) { elapsedMs_ += ms; }
    void setNow(const QDateTime &moment) {
        now_ = moment;
        elapsedMs_ = 0;
    }

private:
    QDateTime now_;
    std::int64_t elapsedMs_ = 0;
};

}  // namespace tsubura
