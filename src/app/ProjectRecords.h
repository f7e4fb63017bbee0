#pragma once
// The signal source and simulator options of a project. The project's driver holds
// pointers to both, so the simulation always sees the project's current values.

namespace bextor {

struct TSignalSource {
  double Freq = 0.0;  // Hz, working frequency; written before each simulation call
  double Rg = 0.0;    // Ω, series resistance between amplifier and driver(s)
  double P = 0.0;     // W, system input power
  double U = 0.0;     // V, input voltage of each driver
};

struct TSimulatorOptions {
  bool VCInd = false;            // simulate the voice-coil inductance
  bool FlatResponse = false;     // force a flat response
  bool TLPorts = false;          // "transmission line" model for ports
  bool RgIsAtDriver = false;     // Rg is at the driver side
  bool SPLisXmaxLimited = false; // SPL graph limited by Xmax
};

}  // namespace bextor
