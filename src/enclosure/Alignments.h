#pragma once
// Named alignments that size a new box from the driver's working values (QtsT, VasT in m³,
// FsT in Hz, as prepared for the new project): closed box, 4th-order bandpass, vented box.
// Each Fill operation lists the alignments to offer and returns the position to preselect;
// each Apply operation maps the chosen text to its alignment (an unknown text to a
// fallback) and writes the box's volumes and tunings.

#include <string>
#include <vector>

namespace bextor {

class TBox;
class TDriverObject;

int FillClosedAlignments(std::vector<std::string>& list, const TDriverObject& driver);
// Vr from the target Qtc with the box's absorption Q; Fr := FsT. A target that the driver
// cannot reach (Qtc not above its Q) leaves the box as it was.
void ApplyClosedAlignment(const std::string& text, const TDriverObject& driver, TBox& box);

// Offered are the alignments that can be built with the wizard's loss factors.
int FillBandpassAlignments(std::vector<std::string>& list, const TDriverObject& driver);
void ApplyBandpassAlignment(const std::string& text, const TDriverObject& driver, TBox& box);

int FillVentedAlignments(std::vector<std::string>& list, const TDriverObject& driver);
void ApplyVentedAlignment(const std::string& text, const TDriverObject& driver, TBox& box);

// The compliance ratio α and tuning ratio h of vented formula `formula` (0..4) for total
// Q `Qts` and leakage Q `Ql` (used by formula 1): Vr = VasT/α, Fr = h·FsT.
struct TVentedAlignment {
  double alpha;
  double h;
};
TVentedAlignment VentedAlignment(int formula, double Qts, double Ql);

}  // namespace bextor
