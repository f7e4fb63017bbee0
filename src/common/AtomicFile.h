#pragma once
// Whole-file writes that either replace the file completely or leave the previous file
// untouched (written to a temporary file beside it, then renamed over it).

#include <string>
#include <string_view>

namespace bextor {

// Returns false on failure and, when `error` is given, stores the reason there.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

}  // namespace bextor
