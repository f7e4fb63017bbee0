#pragma once
// Derives a driver's missing parameters from the known ones with the relations of the
// small-signal driver model, pass after pass, until a pass finds nothing new.

namespace bextor {

class TDriverObject;
class TEnvironment;

// Clears every value the solver calculated last time (letter 'C'), fills roo and c from
// `environment` when they are 0, then applies the relations in order while a pass computes
// a nonzero value. A value is only computed for a parameter that is 0, from parameters
// that are all positive; it gets the letter 'C'. A result that is not finite (a division
// by zero, the square root of a negative number) stops the run with EMathError naming the
// parameter; what was set until then stays. Returns the number of passes.
int CalculateUnknowns(TDriverObject& driver, const TEnvironment& environment);

}  // namespace bextor
