#pragma once

// A whole file read into memory.

#include <optional>
#include <string>

// The bytes of the file. Throws PlatformError ("No s'ha pogut obrir el fitxer
// ..." or "No s'ha pogut llegir el fitxer ...") when it cannot be read, a
// missing file included.
std::string ReadWholeFile(const std::string& path);
// The same, but nothing when there is no such file.
std::optional<std::string> ReadFileBytes(const std::string& path);
