#include "shell/qt_timers.h"

#include <QObject>

namespace shell {

void QtTimers::Start(int id, int periodMs) {
  auto& timer = timers_[id];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [this, id] { handler_(id); });
  }
  timer->start(periodMs);
}

void QtTimers::Kill(int id) {
  // Stopped, not deleted: a timer may be killed from inside its own tick.
  if (auto it = timers_.find(id); it != timers_.end()) it->second->stop();
}

bool QtTimers::IsRunning(int id) const {
  const auto it = timers_.find(id);
  return it != timers_.end() && it->second->isActive();
}

int QtTimers::Interval(int id) const {
  const auto it = timers_.find(id);
  return it == timers_.end() ? -1 : it->second->interval();
}

}  // namespace shell
