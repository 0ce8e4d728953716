#pragma once

// A whole file read into memory.

#include <optional>
#include <string>

// The bytes of the file; nothing when there is no such file. Throws
// PlatformError ("No s'ha pogut obrir el fitxer ..." or "No s'ha pogut llegir el fitxer ...") when
// it exists and cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
