// Writes a unit-choice file ("unitindex.dat" format) from a readable table of lines
// "component-name kind unit-name"; blank lines and lines starting with "#" are skipped.
// The unit name is looked up in the program's own unit table, so the file always matches it.

#include "common/AtomicFile.h"
#include "settings/UnitChoices.h"
#include "settings/Units.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: make_unit_choices TABLE.txt OUTPUT.dat\n";
    return 2;
  }
  std::ifstream table(argv[1]);
  if (!table) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 1;
  }
  std::string records;
  std::string line;
  for (int number = 1; std::getline(table, line); ++number) {
    std::istringstream fields(line);
    std::string name, unit;
    int kind = 0;
    if (!(fields >> name) || name.front() == '#') continue;
    if (!(fields >> kind >> unit)) {
      std::cerr << argv[1] << ":" << number << ": expected name, kind and unit\n";
      return 1;
    }
    const int index = bextor::FindUnitIndex(kind, unit);
    if (!bextor::IsQuantityKind(kind) || index < 0) {
      std::cerr << argv[1] << ":" << number << ": kind " << kind << " has no unit \"" << unit << "\"\n";
      return 1;
    }
    records += bextor::EncodeUnitChoiceRecord(name, kind, index);
  }
  std::string error;
  if (!bextor::WriteFileAtomically(argv[2], records, &error)) {
    std::cerr << argv[2] << ": " << error << '\n';
    return 1;
  }
  return 0;
}
