#pragma once
// Exception types of the core. The message is the text the user sees; the GUI and the CLI
// catch them at their edge and show what() unchanged.

#include <stdexcept>
#include <string>

namespace bextor {

class EBextorError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A text that should hold a number, integer or date does not.
class EConvertError : public EBextorError {
public:
  using EBextorError::EBextorError;
};

// A file could not be read or written; the message names the file.
class EFileError : public EBextorError {
public:
  using EBextorError::EBextorError;
};

// A calculation met a division by zero, a root of a negative number or an overflow.
class EMathError : public EBextorError {
public:
  using EBextorError::EBextorError;
};

// Assign was given a source of a kind the target cannot copy from.
class EAssignError : public EBextorError {
public:
  using EBextorError::EBextorError;
};

}  // namespace bextor
