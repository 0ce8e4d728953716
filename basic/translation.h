#pragma once

// The texts a user reads, in the user's language. The program is written in
// Catalan: a text is looked up under a context (the part of the program it
// belongs to) among the translations installed in the application, and comes
// back as written when there is none. (lupdate finds Tr calls as it finds
// QCoreApplication::translate.)

#include <initializer_list>
#include <string>

std::string Tr(const char* context, const char* text);
// The text with %1, %2 ... replaced by `args` in order.
std::string Filled(const std::string& text, std::initializer_list<std::string> args);
