#pragma once
// The driver as every enclosure simulation sees it: an acoustic source with an internal
// impedance, in the impedance analogy (pressure ~ voltage, volume velocity ~ current).

#include "drivers/Driver.h"
#include "filters/Rational.h"

namespace bextor {

// Derives the working values of driver.Sim from the stored parameters and the simulation
// inputs (written by the box routine beforehand).
void PrepareDriverModel(TDriverObject& driver);

// X·PSource(jω)·Z/(Z + ZDriver(jω)), ω = 2π·f: the pressure the driver develops across the
// acoustic load Z (Pa·s/m³) for the output scale X. 0 + 0j when the model cannot simulate.
TComplex BoxPressure(const TDriverObject& driver, TComplex Z, double f, double X);

// BoxPressure with X = 1 at angular frequency w: what the box routines scale by each
// output scale (the pressure is linear in X).
TComplex SourcePressure(const TDriverObject& driver, TComplex Z, double w);

// Cone excursion in m rms for input power P from the unit-drive pressure p1 of
// SourcePressure at the same load and frequency.
TComplex ConeExcursionFrom(const TDriverObject& driver, TComplex p1, TComplex Z, double w, double P);

// |ConeExcursionFrom| for the power whose square root is sqrt_P, from magnitudes only.
double ConeExcursionMagnitude(const TDriverObject& driver, TComplex p1, TComplex Z, double w, double sqrt_P);

// Electrical input impedance in Ω with the acoustic load Z.
TComplex ElectricalImpedance(const TDriverObject& driver, TComplex Z, double f);

// Cone excursion in m rms for input power P in W, with the acoustic load Z.
TComplex ConeExcursion(const TDriverObject& driver, TComplex Z, double f, double P);

}  // namespace bextor
