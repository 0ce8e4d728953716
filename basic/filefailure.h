#pragma once

// The messages of failed file operations, the text the error box and the
// window's status line show.

#include <string>

class QFileDevice;

// What the user reads when `path` could not be written: the file and the
// reason the system gave (`error`, an errno value) in the user's language,
// such as "No s'ha pogut desar el fitxer "/home/anna/x.pdf". No queda espai al
// disc." Every write of the program reports its failures through this text.
std::string WriteFailureMessage(const std::string& path, int error);
// Throws PlatformError(WriteFailureMessage(path, error)).
[[noreturn]] void ThrowWriteFailure(const std::string& path, int error);

// Throws PlatformError("<what> \"<path>\". <the device's error>"), the
// message of a file that could not be opened or read. `what` is a text marked
// for translation in the context TamBasic, with %1 for the file's name.
[[noreturn]] void ThrowFileError(const char* what, const std::string& path,
                                 const QFileDevice& file);
