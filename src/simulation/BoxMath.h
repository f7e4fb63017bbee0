#pragma once
// The simulation engine: one routine per box type that, prepared once for a project and an
// output quantity, evaluates that quantity at the project's working frequency.
//
// Protocol: call with a kind 0..14 to prepare (common steps, the box's own element values,
// reports through the info callback; the result is 0), then with skEvaluate once per
// frequency after writing it into the project's Signal.Freq. A call whose box
// preconditions fail returns 0 + 0j and leaves the routine unprepared. No call returns NaN
// or infinity: where an element makes a division impossible the result is 0 + 0j.

#include "filters/Rational.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace bextor {

class TProject;

enum TSimKind : int {
  skTransfer = 0,           // normalised transfer function H(f)
  skTransferPR = 1,         // the passive radiator's share of H
  skFrontPortGain = 2,      // the front port's share of H
  skRearPortGain = 3,       // the rear port's share of H
  skReserved = 4,
  skFrontPortVelocity = 5,  // m/s rms
  skRearPortVelocity = 6,
  skIntraPortVelocity = 7,
  skExcursion = 8,          // cone displacement, m rms
  skExcursionPR = 9,        // passive radiator displacement, m rms
  skImpedance = 10,         // electrical input impedance, Ω
  skMaxPower = 11,          // (Pmax, 0), W
  skGroupDelay = 12,        // (τ, 0), s
  skSPL = 13,               // sound pressure at distance d over 20 µPa
  skMaxSPL = 14,            // the same at Pmax
  skEvaluate = 15,          // evaluate the kind of the last preparation
};

enum TSimInfoCode : int {
  icQtc = 0,          // total Q of a sealed system
  icResonance = 1,    // a system resonance, Hz
  icPRResonance = 2,  // passive radiator resonance with its added mass, Hz
};

// Receives derived values while a routine prepares (only finite values are reported).
using TSimInfoEvent = std::function<void(const TProject& sender, int code, double value)>;

class TBoxSimFunc {
public:
  virtual ~TBoxSimFunc() = default;

  // The calling protocol above. Writes the driver's simulation inputs when preparing.
  TComplex operator()(int kind, TProject& project, const TSimInfoEvent& info = {});

  int SelectedKind() const { return FKind; }
  bool Prepared() const { return FPrepared; }

protected:
  // Volume velocities per unit pressure on the cone's back, and the load on the cone.
  struct TNetwork {
    TComplex Zload;
    TComplex Uo;        // net radiated volume velocity
    TComplex Front;     // through the front port(s)
    TComplex Rear;      // through the rear port(s)
    TComplex Intra;     // through the intra-chamber port(s)
    TComplex Radiator;  // through the passive radiators
  };

  TBoxSimFunc(int box_type, std::uint32_t supported_kinds) : FBoxType(box_type), FSupported(supported_kinds) {}

  virtual bool Preconditions(const TProject& project) const = 0;
  // The box's own element values (after the common preparation), and its reports.
  virtual void PrepareBox(const TProject& project, const TSimInfoEvent& info) = 0;
  // The network at angular frequency w; the port and radiator flows only `with_ports`.
  virtual TNetwork Network(double w, const TProject& project, bool with_ports) const = 0;

  // The i-th report, when there is a callback and the value is finite.
  static void Report(const TSimInfoEvent& info, const TProject& project, int code, double value);
  // An acoustic transmission-line port of `ports` parallel tubes: (rho·c/(ports·area))·tan(ω·len/c).
  TComplex LinePort(double resistance, double w, int ports, double area, double length) const;

  double rho = 0.0;  // kg/m³
  double c = 0.0;    // m/s
  // For the passive radiator box: all radiators' area and one radiator's Xmax (0: none).
  double FRadiatorArea = 0.0;
  double FRadiatorXmax = 0.0;

private:
  TComplex Evaluate(const TProject& project) const;
  bool Supports(int kind) const { return kind >= 0 && kind < 15 && (FSupported >> kind) & 1u; }
  double Directivity(const TProject& project, double w) const;
  double MaxPower(const TProject& project, TComplex p1, const TNetwork& net, double w) const;

  int FBoxType;
  std::uint32_t FSupported;
  int FKind = skTransfer;
  bool FPrepared = false;
};

// The routine for a box type (0 closed, 1 vented, 2 4th-order bandpass, 3 6th-order
// bandpass, 4 passive radiator, 5 ABC), with its own prepared state. Any other type shows
// "Unknown boxtype in : BoxMath_GetFunc()" and gives no routine.
std::unique_ptr<TBoxSimFunc> BoxMath_GetFunc(int box_type);

}  // namespace bextor
