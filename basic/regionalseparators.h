#pragma once

// The regional thousands and decimal separators of the default locale
// (QLocale(), so QLocale::setDefault changes them), as UTF-8 byte strings:
// a separator may take several bytes, such as a narrow no-break space.

#include <string>

struct RegionalSeparators {
    std::string thousands;
    std::string decimal;
};

// Read again only when the default locale has changed since the last call.
const RegionalSeparators& CurrentSeparators();
