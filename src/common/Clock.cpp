#include "Clock.h"

#include <QDateTime>

#include <cmath>

namespace bextor {
namespace {

std::optional<TDateTime> fixed_now;

constexpr double kMillisecondsPerDay = 86400000.0;

}  // namespace

TDateTime Now() {
  if (fixed_now) return *fixed_now;
  const QDateTime now = QDateTime::currentDateTime();
  const QDate epoch(1899, 12, 30);
  const double days = static_cast<double>(epoch.daysTo(now.date()));
  return days + now.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
}

TDateTime Today() { return std::floor(Now()); }

void SetFixedNow(std::optional<TDateTime> moment) { fixed_now = moment; }

}  // namespace bextor
