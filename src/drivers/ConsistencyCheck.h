#pragma once
// Checks a driver's parameters against 22 relations of the driver model.

#include "drivers/Driver.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace bextor {

constexpr double kConsistencyTolerance = 1e-10;

// The parameter groups as the error list shows them, by relation.
extern const std::array<std::string_view, kConsistencyRelationCount> ConsistencyLabels;

// Stores the relative error of every relation whose parameters are all positive in
// ParErrors (0 for the others) and returns whether all are within 1e-10.
bool CheckConsistency(TDriverObject& driver);

// The labels of the relations whose stored error exceeds the tolerance, in order: what
// the error list shows (from the last CheckConsistency, not recomputed).
std::vector<std::string> FailedConsistencyGroups(const TDriverObject& driver);

}  // namespace bextor
