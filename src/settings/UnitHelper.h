#pragma once
// Binding of value controls to model variables: each control names its quantity kind (the
// dynamic property "kind") and is keyed in the unit-choice file by its object name. A
// window keeps one TUnitHelper and moves values between the model and its controls with it.

#include "settings/UnitChoices.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QWidget;

namespace bextor {

// The quantity kind a control carries (0 when it has none).
int ControlKind(const QWidget* control);
// Text of an edit or combo box, caption of a label.
QString GetControlText(const QWidget* control);
// Sets that text; an edit's modified flag is cleared.
void SetControlText(QWidget* control, const QString& text);

struct TUnitPair {
  enum TValueType : std::uint8_t { vtFloat = 0, vtInteger = 1, vtString = 2 };
  QWidget* FControl = nullptr;
  void* FValue = nullptr;  // double*, std::int32_t* or std::string* by FValueType
  TValueType FValueType = vtFloat;
  QLabel* FUnitLabel = nullptr;
  char* FStatus = nullptr;  // the parameter's status letter, or none
};

class TUnitHelper {
public:
  explicit TUnitHelper(TUnitChoices choices);

  int GetUnitIndex(const QWidget* control) const;
  QString UnitNameOf(const QWidget* control) const;
  // Switches the control to the next unit of its kind, re-expressing the text it shows,
  // and returns the new unit's name.
  QString CycleUnit(QWidget* control) const;

  // The unit label (if any) gets the hand cursor and, while it has no caption, "-".
  void AddPair(QWidget* control, double* value, QLabel* unit_label, char* status = nullptr);
  void AddIntegerPair(QWidget* control, std::int32_t* value);
  void AddStringPair(QWidget* control, std::string* value);
  TUnitPair* FindPair(const QWidget* control);
  void Clear() { FPairs.clear(); }

  // The control's text into its variable.
  void ReadValue(const QWidget* control);
  // Every control into its variable; a control with a status letter only when the user
  // changed it (then 'E' for a valid value, 'N' otherwise).
  void ReadValues();
  // Every variable into its control (a focused control only with `force`); edits with a
  // status letter are coloured by it.
  void WriteValues(bool force);
  void RefreshUnitLabels();
  // Cycles every control whose unit label this is and shows the new unit's name.
  void UnitLabelClicked(QLabel* label);

private:
  void ReadPairValue(const TUnitPair& pair);
  bool IsPairValueValid(const TUnitPair& pair) const;

  TUnitChoices FChoices;
  std::vector<std::unique_ptr<TUnitPair>> FPairs;
};

}  // namespace bextor
