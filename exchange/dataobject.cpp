#include "exchange/dataobject.h"

#include <algorithm>

#include "basic/texttools.h"

namespace {
// The longest registered format name the platform hands out.
constexpr size_t kMaxFormatName = 199;
}  // namespace

void TDataObject::PosarDades(DataSource* font) {
    source_ = font;
    LlistarFormats();
}

void TDataObject::LlistarFormats() {
    formats_.Clear();
    formatsNumerats_.Clear();
    if (!source_) return;
    for (const FormatEtc& format : source_->EnumFormatEtc()) {
        formats_.Add(NomFormat(format.cfFormat, false));
        formatsNumerats_.Add(NomFormat(format.cfFormat, true));
    }
}

std::string TDataObject::NomFormat(uint16_t format, bool ambNumero) const {
    std::string name = PredefinedFormatName(format);
    if (!name.empty()) return name;
    if (source_) name = source_->ClipboardFormatName(format).substr(0, kMaxFormatName);
    if (!ambNumero) return name;
    std::string numbered = "[";
    numbered += std::to_string(format);
    numbered += "] ";
    return numbered + name;
}

bool TDataObject::BuscarFormat(int ordre, std::string nom) {
    nomFormatActual_.clear();
    if (!source_) return false;
    int found = 0;
    for (const FormatEtc& format : source_->EnumFormatEtc()) {
        formatActual_ = format;
        const std::string name = NomFormat(format.cfFormat, false);
        if (SameTextTrimmed(name, nom) && ++found >= std::max(ordre, 1)) {
            nomFormatActual_ = name;
            return true;
        }
    }
    return false;
}

bool TDataObject::EsFormatActual(const std::string& nom) const {
    return SameTextTrimmed(nomFormatActual_, nom);
}

std::string TDataObject::NomElement(int i) const {
    return i >= 0 && i < noms_.Count() ? noms_.Strings(i) : std::string();
}

MemoryStream* TDataObject::FluxElement(int i) const {
    return i >= 0 && size_t(i) < fluxos_.size() ? fluxos_[size_t(i)].get() : nullptr;
}

const Bytes* TDataObject::ImatgeElement(int i) const {
    if (i < 0 || size_t(i) >= imatges_.size() || imatges_[size_t(i)].empty()) return nullptr;
    return &imatges_[size_t(i)];
}

void TDataObject::Buidar(bool tambeNoms) {
    fluxos_.clear();
    imatges_.clear();
    numElements_ = 0;
    if (tambeNoms) noms_.Clear();
}
