#pragma once
// TPersistent: the common base of the data classes. It lists its published properties by
// name and kind so that generic code (the settings file) can read and write them, and it
// offers Assign, which a class overrides to copy from a source of its own kind.

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace bextor {

class TPersistent;

enum class TPropKind { Integer, Float, String, Boolean, Object };

using TPropValue = std::variant<std::int64_t, double, std::string, bool, TPersistent*>;

struct TPropInfo {
  std::string Name;
  TPropKind Kind;
  std::function<TPropValue()> Get;
  std::function<void(const TPropValue&)> Set;  // empty for object references
};

class TPersistent {
public:
  virtual ~TPersistent() = default;
  // The class name used in messages ("Cannot assign a TLimits to a TColors").
  virtual std::string ClassName() const = 0;
  // Copies from source; the base raises EAssignError for a source it cannot copy from.
  virtual void Assign(const TPersistent& source);
  // Published properties in declaration order.
  virtual std::vector<TPropInfo> PublishedProperties() { return {}; }
};

// Helpers that build property entries bound to a member variable.
TPropInfo FloatProp(std::string name, double& field);
TPropInfo IntProp(std::string name, std::int32_t& field);
TPropInfo StringProp(std::string name, std::string& field);
TPropInfo ObjectProp(std::string name, TPersistent& object);

}  // namespace bextor
