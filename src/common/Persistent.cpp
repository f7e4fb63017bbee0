#include "Persistent.h"

#include "Errors.h"

namespace bextor {

void TPersistent::Assign(const TPersistent& source) {
  throw EAssignError("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

TPropInfo FloatProp(std::string name, double& field) {
  return {std::move(name), TPropKind::Float, [&field] { return TPropValue(field); },
          [&field](const TPropValue& v) { field = std::get<double>(v); }};
}

TPropInfo IntProp(std::string name, std::int32_t& field) {
  return {std::move(name), TPropKind::Integer,
          [&field] { return TPropValue(static_cast<std::int64_t>(field)); },
          [&field](const TPropValue& v) { field = static_cast<std::int32_t>(std::get<std::int64_t>(v)); }};
}

TPropInfo StringProp(std::string name, std::string& field) {
  return {std::move(name), TPropKind::String, [&field] { return TPropValue(field); },
          [&field](const TPropValue& v) { field = std::get<std::string>(v); }};
}

TPropInfo ObjectProp(std::string name, TPersistent& object) {
  return {std::move(name), TPropKind::Object, [&object] { return TPropValue(&object); }, {}};
}

}  // namespace bextor
