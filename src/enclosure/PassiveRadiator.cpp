#include "PassiveRadiator.h"

namespace bextor {

void TPassiveRadiator::Assign(const TPersistent& source) {
  const auto* radiator = dynamic_cast<const TPassiveRadiator*>(&source);
  if (!radiator) return TPersistent::Assign(source);
  *this = *radiator;
}

}  // namespace bextor
