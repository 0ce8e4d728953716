#include "exchange/formats.h"

#include <array>

std::string PredefinedFormatName(uint32_t format) {
    static constexpr std::array<const char*, ClipFormat::kLastPredefined> kNames = {
        "CF_TEXT",        "CF_BITMAP",      "CF_METAFILEPICT", "CF_SYLK",    "CF_DIF",  "CF_TIFF",
        "CF_OEMTEXT",     "CF_DIB",         "CF_PALETTE",      "CF_PENDATA", "CF_RIFF", "CF_WAVE",
        "CF_UNICODETEXT", "CF_ENHMETAFILE", "CF_HDROP",        "CF_LOCALE"};
    if (format < ClipFormat::kFirstPredefined || format > ClipFormat::kLastPredefined) return {};
    return kNames[format - ClipFormat::kFirstPredefined];
}

std::string NomTymed(uint32_t medi) {
    switch (medi) {
        case TYMED_NULL:
            return "TYMED_NULL";
        case TYMED_HGLOBAL:
            return "TYMED_HGLOBAL";
        case TYMED_FILE:
            return "TYMED_FILE";
        case TYMED_ISTREAM:
            return "TYMED_ISTREAM";
        case TYMED_ISTORAGE:
            return "TYMED_ISTORAGE";
        case TYMED_GDI:
            return "TYMED_GDI";
        case TYMED_MFPICT:
            return "TYMED_MFPICT";
        case TYMED_ENHMF:
            return "TYMED_ENHMF";
        default:
            return "Unknown TYMED";
    }
}
