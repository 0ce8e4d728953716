#pragma once

// File-name parts of names that arrive from other programs: path parts may be
// separated by '\', '/' or ':'.

#include <string>

// The extension with its dot (".gif"), empty when the last part has no dot.
std::string FileExtension(const std::string& name);
// The name without its extension.
std::string WithoutExtension(const std::string& name);
