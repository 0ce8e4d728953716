#pragma once

// TDataObject: the reader of one dropped data object. It lists the formats
// the source offers, makes one of them the current format, decodes it into
// named items and keeps the items until it is emptied or destroyed.
//
// Decoding (LlegirElements) knows five formats: "CF_HDROP" (file names, kind
// 4), "FileGroupDescriptor" (the first file's name and contents, kind 1),
// "CF_DIB" (a picture made into a JPEG, kind 3), "Rich Text Format" and
// "CF_TEXT" (the text as one data stream, kind 1). Anything else is read as
// raw bytes. Blocks from the source are never trusted: a malformed block
// yields no item, or the items read before the fault.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "basic/stringlists.h"
#include "exchange/datasource.h"
#include "exchange/memorystream.h"
#include "exchange/messagefunction.h"

class TDataObject {
public:
    TDataObject() = default;
    TDataObject(const TDataObject&) = delete;
    TDataObject& operator=(const TDataObject&) = delete;

    // Receives the " no implementat..." warning for a medium that cannot be
    // read; nothing is shown while it is empty.
    MessageFunction ShowMessage;
    // Upper-case extensions without their dot whose file contents are not read.
    std::string ExtensionsExcloses;

    // Reads from `font` from now on (not owned: it must outlive this object or
    // the next PosarDades) and lists its formats.
    void PosarDades(DataSource* font);
    void LlistarFormats();
    // Makes the `ordre`-th offered format named `nom` current (the first when
    // `ordre` is 0 or 1); names compare trimmed of blanks, ignoring case.
    // `nom` is a copy: it may be NomFormatActual(), which the search empties.
    bool BuscarFormat(int ordre, std::string nom);
    bool EsFormatActual(const std::string& nom) const;
    // Decodes the current format; true when it is one of the known formats.
    bool LlegirElements();
    // The named format read as text; empty when absent or not delivered.
    std::string LlegirText(const std::string& nomFormat);

    int32_t NumElements() const { return numElements_; }
    // 0 none, 1 data streams, 3 picture, 4 file names (2, a bitmap being
    // converted, is never seen from outside).
    uint8_t TipusElements() const { return tipusElements_; }
    std::string NomElement(int i) const;
    // The stream of item i; null when that item has none. Owned by this object.
    MemoryStream* FluxElement(int i) const;
    // The JPEG file of picture item i; null when that item has none.
    const Bytes* ImatgeElement(int i) const;
    // Frees every item; the names go too when `tambeNoms`.
    void Buidar(bool tambeNoms);

    const TCadenes& Noms() const { return noms_; }
    const TCadenes& Formats() const { return formats_; }
    const TCadenes& FormatsNumerats() const { return formatsNumerats_; }
    const FormatEtc& FormatActual() const { return formatActual_; }
    const std::string& NomFormatActual() const { return nomFormatActual_; }
    // "CF_TEXT" ... "CF_LOCALE" for 1 to 16, else the registered name, which
    // `ambNumero` writes as "[49153] text/html".
    std::string NomFormat(uint16_t format, bool ambNumero) const;

private:
    // The decoding paths (dataobjectdecoding.cpp).
    void ReadFileList();
    void ReadFileGroup();
    void ReadFirstFile(ByteView descriptor);
    void ReadPicture();
    void ConvertDib(GlobalMemory& block);
    void NamePictureFromText();
    void ReadDataItem();
    void ReadGeneric();
    void ReadMedium(StgMedium& medium, const std::string& prefix);
    std::optional<std::string> ReadFormatText(std::string nomFormat);
    bool ReadCurrentBlock(const std::function<void(ByteView block)>& read);
    bool CanReadCurrent() const;
    std::optional<StgMedium> GetCurrent();
    void AddStreamItem(Bytes bytes);
    void NameIfNone(const std::string& name);

    DataSource* source_ = nullptr;
    FormatEtc formatActual_;
    int32_t numElements_ = 0;
    std::vector<std::unique_ptr<MemoryStream>> fluxos_;
    std::vector<Bytes> imatges_;
    TCadenes noms_;
    TCadenes formats_;
    TCadenes formatsNumerats_;
    std::string nomFormatActual_;
    uint8_t tipusElements_ = 0;
};
