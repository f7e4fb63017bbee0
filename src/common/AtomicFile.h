#pragma once
// Whole-file reads, and writes that either replace the file completely or leave the previous file
// untouched (written to a temporary file beside it, then renamed over it).

#include <string>
#include <string_view>

namespace bextor {

// Returns false on failure and, when `error` is given, stores the reason there.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

enum class TReadResult { Read, Missing, Failed };
// Reads a whole file into `bytes` with one open and plain reads (the driver database reads
// thousands of small files). On failure `error` gets the reason.
TReadResult ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);

}  // namespace bextor
