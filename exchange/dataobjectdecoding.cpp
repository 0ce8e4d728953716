// TDataObject: turning the current format into items.

#include <algorithm>
#include <fstream>
#include <iterator>

#include "basic/texttools.h"
#include "basic/translation.h"
#include "exchange/blocks.h"
#include "exchange/dataobject.h"
#include "exchange/dib.h"
#include "exchange/filenames.h"
#include "exchange/jpegwriter.h"
#include "exchange/mediumguards.h"

namespace {

constexpr int kJpegQuality = 80;
// The compound file a storage medium is copied into.
constexpr const char* kStorageFile = "#Ole1";
// A source stream is copied up to this size, so an endless one cannot hang the drop.
constexpr size_t kMaxStreamBytes = size_t(256) << 20;

Bytes CopyStream(SourceStream& stream) {
    Bytes bytes;
    uint8_t chunk[64 * 1024];
    while (bytes.size() < kMaxStreamBytes) {
        const size_t n = stream.Read(chunk, std::min(sizeof chunk, kMaxStreamBytes - bytes.size()));
        if (n == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + std::min(n, sizeof chunk));
    }
    return bytes;
}

// The storage goes through a file in the current folder, which stays on
// disk; a failure to write or read it gives whatever bytes could be read.
Bytes CopyStorage(SourceStorage& storage) {
    storage.CopyTo(kStorageFile);
    std::ifstream file(kStorageFile, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

bool TDataObject::LlegirElements() {
    Buidar(false);
    tipusElements_ = 0;
    if (EsFormatActual("CF_HDROP")) {
        ReadFileList();
        return true;
    }
    if (EsFormatActual("FileGroupDescriptor")) {
        ReadFileGroup();
        return true;
    }
    if (EsFormatActual("CF_DIB")) {
        ReadPicture();
        NamePictureFromText();
        return true;
    }
    if (EsFormatActual("Rich Text Format")) {
        ReadDataItem();
        NameIfNone("Nota.Rtf");
        return true;
    }
    if (EsFormatActual("CF_TEXT")) {
        ReadDataItem();
        NameIfNone("Nota.Txt");
        return true;
    }
    ReadGeneric();
    NameIfNone("Indefinit.");
    return false;
}

std::string TDataObject::LlegirText(const std::string& nomFormat) {
    return ReadFormatText(nomFormat).value_or(std::string());
}

bool TDataObject::CanReadCurrent() const {
    return source_ && source_->QueryGetData(formatActual_);
}

std::optional<StgMedium> TDataObject::GetCurrent() {
    return source_->GetData(formatActual_);
}

// Runs `read` on the current format's block, locked, and gives the medium
// back. False when the source refuses or fails, or the data is not on global memory.
bool TDataObject::ReadCurrentBlock(const std::function<void(ByteView block)>& read) {
    if (!CanReadCurrent()) return false;
    auto medium = GetCurrent();
    if (!medium) return false;
    HeldMedium held(*source_, std::move(*medium));
    if (!held.Global()) return false;
    const LockedBlock block(*held.Global());
    read(block.View());
    return true;
}

// Nothing when the format is absent, refused or not delivered on global memory.
std::optional<std::string> TDataObject::ReadFormatText(std::string nomFormat) {
    std::optional<std::string> text;
    if (BuscarFormat(0, nomFormat)) {
        ReadCurrentBlock([&text](ByteView block) { text = BlockText(block); });
    }
    return text;
}

void TDataObject::ReadFileList() {
    noms_.Clear();
    ReadCurrentBlock([this](ByteView block) {
        for (const std::string& name : FileDropNames(block)) {
            tipusElements_ = 4;
            ++numElements_;
            noms_.Add(name);
        }
    });
}

void TDataObject::ReadFileGroup() {
    noms_.Clear();
    ReadCurrentBlock([this](ByteView descriptor) { ReadFirstFile(descriptor); });
}

// The first file of a group is the only one read.
void TDataObject::ReadFirstFile(ByteView descriptor) {
    if (!BuscarFormat(1, "FileContents") || !CanReadCurrent()) return;
    const auto name = FirstGroupFileName(descriptor);
    if (!name) return;
    if (noms_.Count() == 0) {
        noms_.Add(*name);
    } else {
        noms_.Put(0, *name);
    }
    const std::string extension = UpperCaseAscii(FileExtension(*name));
    if (extension.size() > 1 && ExtensionsExcloses.find(extension.substr(1)) != std::string::npos) {
        return;
    }
    auto contents = GetCurrent();
    if (!contents) return;
    HeldMedium held(*source_, std::move(*contents));
    ReadMedium(held.Medium(), " FileGroupDescriptor.");
}

void TDataObject::ReadPicture() {
    if (!CanReadCurrent()) return;
    if (noms_.Count() > 0 && UpperCaseAscii(FileExtension(noms_.Strings(0))) == ".URL") {
        noms_.Put(0, WithoutExtension(noms_.Strings(0)));
    }
    auto medium = GetCurrent();
    if (!medium) return;
    HeldMedium held(*source_, std::move(*medium));
    if (held.Global()) {
        ConvertDib(*held.Global());
    } else {
        ReadMedium(held.Medium(), " CF_DIB.");
    }
}

// The DIB is read as a bitmap and kept as a JPEG picture; a block that is no
// sound bitmap gives no item.
void TDataObject::ConvertDib(GlobalMemory& memory) {
    QImage bitmap;
    {
        const LockedBlock block(memory);
        bitmap = DibToImage(block.View());
    }
    if (bitmap.isNull()) return;
    auto jpeg = EncodeJpeg(bitmap, kJpegQuality);
    if (!jpeg) return;
    ++numElements_;
    imatges_.resize(size_t(numElements_));
    imatges_.back() = std::move(*jpeg);
    tipusElements_ = 3;
}

// A picture dropped from a web page comes with its address as text.
void TDataObject::NamePictureFromText() {
    const std::string text = LlegirText("CF_TEXT");
    if (text.empty()) return;
    noms_.Clear();
    std::string name = ReplaceAll(text, "/", "\\");
    if (FileExtension(name).empty()) name += ".Bmp";
    noms_.Add(name);
}

void TDataObject::ReadDataItem() {
    const auto text = ReadFormatText(nomFormatActual_);
    if (!text) return;
    tipusElements_ = 1;
    AddStreamItem(Bytes(text->begin(), text->end()));
}

void TDataObject::ReadGeneric() {
    if (!CanReadCurrent()) return;
    auto medium = GetCurrent();
    if (!medium) return;
    HeldMedium held(*source_, std::move(*medium));
    ReadMedium(held.Medium(), " Indefinit.");
}

void TDataObject::ReadMedium(StgMedium& medium, const std::string& prefix) {
    switch (medium.tymed) {
        case TYMED_HGLOBAL:
            if (medium.hGlobal) {
                const LockedBlock block(*medium.hGlobal);
                AddStreamItem(Bytes(block.View().begin(), block.View().end()));
            }
            return;
        case TYMED_ISTREAM:
            if (medium.stream) AddStreamItem(CopyStream(*medium.stream));
            return;
        case TYMED_ISTORAGE:
            if (medium.storage) AddStreamItem(CopyStorage(*medium.storage));
            return;
        default:
            if (ShowMessage) {
                ShowMessage(prefix + NomTymed(medium.tymed) + kMessageBreak +
                                Tr("TamDrop", " no implementat..."),
                            Tr("TamDrop", "Atenció"), TMessageBoxKind::Ok);
            }
    }
}

void TDataObject::AddStreamItem(Bytes bytes) {
    tipusElements_ = 1;
    ++numElements_;
    fluxos_.resize(size_t(numElements_));
    fluxos_.back() = std::make_unique<MemoryStream>(std::move(bytes));
}

void TDataObject::NameIfNone(const std::string& name) {
    if (noms_.Count() == 0) noms_.Add(name);
}
