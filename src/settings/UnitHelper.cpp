#include "UnitHelper.h"

#include "common/NumberFormat.h"
#include "settings/NumberText.h"
#include "settings/Units.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

namespace bextor {
namespace {

constexpr const char* kKindProperty = "kind";

std::string ObjectName(const QWidget* control) { return control->objectName().toStdString(); }

}  // namespace

int ControlKind(const QWidget* control) { return control->property(kKindProperty).toInt(); }

QString GetControlText(const QWidget* control) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  return {};
}

void SetControlText(QWidget* control, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(text);  // also clears the modified flag
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (combo->isEditable()) combo->setEditText(text);
    else combo->setCurrentIndex(combo->findText(text));
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  }
}

TUnitHelper::TUnitHelper(TUnitChoices choices) : FChoices(std::move(choices)) {}

int TUnitHelper::GetUnitIndex(const QWidget* control) const { return FChoices.GetUnitIndex(ObjectName(control)); }

QString TUnitHelper::UnitNameOf(const QWidget* control) const {
  return QString::fromStdString(FChoices.UnitNameOf(ObjectName(control), ControlKind(control)));
}

QString TUnitHelper::CycleUnit(QWidget* control) const {
  const auto cycled = FChoices.CycleUnit(ObjectName(control), ControlKind(control),
                                         GetControlText(control).toStdString());
  SetControlText(control, QString::fromStdString(cycled.Text));
  return QString::fromStdString(cycled.UnitName);
}

void TUnitHelper::AddPair(QWidget* control, double* value, QLabel* unit_label, char* status) {
  if (unit_label) {
    // A unit label is clicked to change the unit; it shows "-" until the window fills it.
    unit_label->setCursor(Qt::PointingHandCursor);
    if (unit_label->text().isEmpty()) unit_label->setText(QStringLiteral("-"));
  }
  FPairs.push_back(std::make_unique<TUnitPair>(TUnitPair{control, value, TUnitPair::vtFloat, unit_label, status}));
}

void TUnitHelper::AddIntegerPair(QWidget* control, std::int32_t* value) {
  FPairs.push_back(std::make_unique<TUnitPair>(TUnitPair{control, value, TUnitPair::vtInteger, nullptr, nullptr}));
}

void TUnitHelper::AddStringPair(QWidget* control, std::string* value) {
  FPairs.push_back(std::make_unique<TUnitPair>(TUnitPair{control, value, TUnitPair::vtString, nullptr, nullptr}));
}

TUnitPair* TUnitHelper::FindPair(const QWidget* control) {
  for (const auto& pair : FPairs)
    if (pair->FControl == control) return pair.get();
  return nullptr;
}

void TUnitHelper::ReadValue(const QWidget* control) {
  if (const TUnitPair* pair = FindPair(control)) ReadPairValue(*pair);
}

void TUnitHelper::ReadPairValue(const TUnitPair& pair) {
  const std::string text = GetControlText(pair.FControl).toStdString();
  switch (pair.FValueType) {
    case TUnitPair::vtFloat:
      *static_cast<double*>(pair.FValue) = Str2Val(text, ControlKind(pair.FControl), GetUnitIndex(pair.FControl));
      break;
    case TUnitPair::vtInteger: {
      const auto value = ParseInteger(text);
      *static_cast<std::int32_t*>(pair.FValue) =
          value && *value >= INT32_MIN && *value <= INT32_MAX ? static_cast<std::int32_t>(*value) : 0;
      break;
    }
    case TUnitPair::vtString: *static_cast<std::string*>(pair.FValue) = text; break;
  }
}

bool TUnitHelper::IsPairValueValid(const TUnitPair& pair) const {
  const std::string text = GetControlText(pair.FControl).toStdString();
  switch (pair.FValueType) {
    case TUnitPair::vtFloat: return Str2Val(text, ControlKind(pair.FControl), GetUnitIndex(pair.FControl)) > 0.0;
    case TUnitPair::vtInteger: {
      const auto value = ParseInteger(text);
      return value && *value != -1;
    }
    case TUnitPair::vtString: return !text.empty();
  }
  return false;
}

void TUnitHelper::ReadValues() {
  for (const auto& pair : FPairs) {
    if (!pair->FStatus) {
      ReadPairValue(*pair);
      continue;
    }
    auto* edit = qobject_cast<QLineEdit*>(pair->FControl);
    if (!edit || !edit->isModified()) continue;  // calculated values shown stay untouched
    *pair->FStatus = IsPairValueValid(*pair) ? 'E' : 'N';
    ReadPairValue(*pair);
    edit->setModified(false);
  }
}

void TUnitHelper::WriteValues(bool force) {
  for (const auto& pair : FPairs) {
    auto* edit = qobject_cast<QLineEdit*>(pair->FControl);
    if (edit && pair->FStatus) {
      QPalette palette = edit->palette();
      const char letter = *pair->FStatus;
      if (letter == 'C') palette.setColor(QPalette::Text, QColor(0, 0, 255));
      if (letter == 'E') palette.setColor(QPalette::Text, QColor(0, 128, 0));
      if (letter == 'N') palette.setColor(QPalette::Text, QGuiApplication::palette().color(QPalette::Text));
      edit->setPalette(palette);
    }
    if (!force && pair->FControl->hasFocus()) continue;  // the text being typed stays
    switch (pair->FValueType) {
      case TUnitPair::vtFloat:
        SetControlText(pair->FControl, QString::fromStdString(Val2Str(ControlKind(pair->FControl), GetUnitIndex(pair->FControl),
                                                                      *static_cast<double*>(pair->FValue))));
        break;
      case TUnitPair::vtInteger:
        SetControlText(pair->FControl, QString::number(*static_cast<std::int32_t*>(pair->FValue)));
        break;
      case TUnitPair::vtString:
        SetControlText(pair->FControl, QString::fromStdString(*static_cast<std::string*>(pair->FValue)));
        break;
    }
  }
}

void TUnitHelper::RefreshUnitLabels() {
  for (const auto& pair : FPairs)
    if (pair->FUnitLabel) pair->FUnitLabel->setText(UnitNameOf(pair->FControl));
}

void TUnitHelper::UnitLabelClicked(QLabel* label) {
  for (const auto& pair : FPairs)
    if (pair->FUnitLabel == label) label->setText(CycleUnit(pair->FControl));
}

}  // namespace bextor
