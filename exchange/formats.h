#pragma once

// The numbers and names a drop source uses for what it offers: clipboard
// formats (1 to 16 predefined, 0xC000 upward registered by name) and the kinds
// of storage medium a format's data can travel on.

#include <cstdint>
#include <string>

namespace ClipFormat {
constexpr uint16_t CF_TEXT = 1;
constexpr uint16_t CF_DIB = 8;
constexpr uint16_t CF_HDROP = 15;
constexpr uint16_t kFirstPredefined = 1;
constexpr uint16_t kLastPredefined = 16;
// Formats registered by name are numbered from here upward.
constexpr uint16_t kFirstRegistered = 0xC000;
}  // namespace ClipFormat

// Storage-medium kinds; a format descriptor may name several as a bit set.
enum Tymed : uint32_t {
    TYMED_NULL = 0,
    TYMED_HGLOBAL = 1,
    TYMED_FILE = 2,
    TYMED_ISTREAM = 4,
    TYMED_ISTORAGE = 8,
    TYMED_GDI = 16,
    TYMED_MFPICT = 32,
    TYMED_ENHMF = 64,
};

constexpr uint32_t DVASPECT_CONTENT = 1;

// One offered format: its number, the aspect and page index asked for, and
// the medium kinds it can be delivered on.
struct FormatEtc {
    uint16_t cfFormat = 0;
    uint32_t dwAspect = DVASPECT_CONTENT;
    int32_t lindex = -1;
    uint32_t tymed = TYMED_HGLOBAL;
};

// "CF_TEXT" ... "CF_LOCALE" for the predefined formats 1 to 16, empty otherwise.
std::string PredefinedFormatName(uint32_t format);
// "TYMED_HGLOBAL" and its siblings; "Unknown TYMED" for any other value.
std::string NomTymed(uint32_t medi);
