#pragma once
// "Now" for the whole core, as a date-time double: days since 1899-12-30 in local time,
// the fraction being the time of day. Tests fix it to make dates repeatable.

#include <optional>

namespace bextor {

using TDateTime = double;

TDateTime Now();
// Today at midnight.
TDateTime Today();
// Fixes Now() to the given moment; std::nullopt returns to the system clock.
void SetFixedNow(std::optional<TDateTime> moment);

}  // namespace bextor
