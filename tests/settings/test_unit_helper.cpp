#include "settings/UnitHelper.h"

#include "settings/Units.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace bextor {
namespace {

// An edit with the object name and quantity kind a form would give it.
QLineEdit* Edit(QWidget& parent, const char* name, int kind) {
  auto* edit = new QLineEdit(&parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setProperty("kind", kind);
  return edit;
}

// What the user does: type a text (the edit's modified flag is set).
void Type(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  edit->setModified(true);
}

class UnitHelper : public ::testing::Test {
protected:
  test::TTempFolder folder_;
  TUnitChoices choices_{folder_.File("unitindex.dat")};
  TUnitHelper helper_{choices_};
  QWidget window_;
  test::TRecordingSink sink_;
  test::TDecimalSeparatorScope separator_{'.'};
};

TEST_F(UnitHelper, AUnitLabelCyclesWhatItsControlsShow) {
  double xmax = 0.01, dd = 0.2;
  QLineEdit* edit = Edit(window_, "edXmax", qkLength);
  QLineEdit* other = Edit(window_, "edDd", qkLength);
  auto* label = new QLabel(&window_);
  choices_.SetUnitIndex("edXmax", 1, qkLength);
  helper_.AddPair(edit, &xmax, label);
  helper_.AddPair(other, &dd, label);
  EXPECT_EQ(label->text(), "-");
  EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
  helper_.WriteValues(true);
  helper_.RefreshUnitLabels();
  EXPECT_EQ(edit->text(), "10.0");
  EXPECT_EQ(other->text(), "0.200");
  EXPECT_EQ(label->text(), "m");  // the last control bound to the label names it
  helper_.UnitLabelClicked(label);
  EXPECT_EQ(edit->text(), "1.00");
  EXPECT_EQ(choices_.GetUnitIndex("edXmax"), 2);
  EXPECT_EQ(other->text(), "200.0");  // a label shared by two controls cycles both
  EXPECT_EQ(label->text(), "mm");
  EXPECT_EQ(xmax, 0.01);  // the model does not change
  EXPECT_FALSE(edit->isModified());
}

TEST_F(UnitHelper, ReadingRespectsCalculatedValuesAndSetsTheStatus) {
  double fs = 30.0, vas = 0.05;
  char fs_status = 'C', vas_status = 'C';
  QLineEdit* fs_edit = Edit(window_, "edFs", qkFrequency);
  QLineEdit* vas_edit = Edit(window_, "edVas", qkVolume);
  helper_.AddPair(fs_edit, &fs, nullptr, &fs_status);
  helper_.AddPair(vas_edit, &vas, nullptr, &vas_status);
  helper_.WriteValues(true);
  EXPECT_EQ(fs_edit->palette().color(QPalette::Text), QColor(0, 0, 255));
  fs_edit->setText(QStringLiteral("99"));  // shown, not typed by the user
  Type(vas_edit, QStringLiteral("0"));
  helper_.ReadValues();
  EXPECT_EQ(fs, 30.0);
  EXPECT_EQ(fs_status, 'C');
  EXPECT_EQ(vas, 0.0);
  EXPECT_EQ(vas_status, 'N');
  Type(fs_edit, QStringLiteral("32,5"));
  helper_.ReadValues();
  EXPECT_EQ(fs, 32.5);
  EXPECT_EQ(fs_status, 'E');
  helper_.WriteValues(true);
  EXPECT_EQ(fs_edit->palette().color(QPalette::Text), QColor(0, 128, 0));
  EXPECT_TRUE(sink_.Messages.empty());
}

TEST_F(UnitHelper, IntegerAndStringPairs) {
  std::int32_t count = 3;
  std::string brand = "Acme";
  QLineEdit* count_edit = Edit(window_, "edNumVC", 0);
  auto* combo = new QComboBox(&window_);
  combo->setObjectName(QStringLiteral("edBrand"));
  combo->setEditable(true);
  helper_.AddIntegerPair(count_edit, &count);
  helper_.AddStringPair(combo, &brand);
  helper_.WriteValues(true);
  EXPECT_EQ(count_edit->text(), "3");
  EXPECT_EQ(combo->currentText(), "Acme");
  count_edit->setText(QStringLiteral("abc"));
  combo->setEditText(QStringLiteral("Zeta"));
  helper_.ReadValues();
  EXPECT_EQ(count, 0);
  EXPECT_EQ(brand, "Zeta");
  EXPECT_EQ(helper_.FindPair(combo)->FValueType, TUnitPair::vtString);
  helper_.Clear();
  EXPECT_EQ(helper_.FindPair(combo), nullptr);
}

TEST_F(UnitHelper, AFocusedEditKeepsWhatIsBeingTyped) {
  double power = 1.0;
  QLineEdit* edit = Edit(window_, "edPower", qkPower);
  helper_.AddPair(edit, &power, nullptr);
  window_.show();
  QApplication::setActiveWindow(&window_);
  edit->setFocus();
  QApplication::processEvents();
  if (!edit->hasFocus()) GTEST_SKIP() << "the platform gives no focus";
  edit->setText(QStringLiteral("12"));
  helper_.WriteValues(false);
  EXPECT_EQ(edit->text(), "12");
  helper_.WriteValues(true);
  EXPECT_EQ(edit->text(), "1.0");
}

}  // namespace
}  // namespace bextor

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
