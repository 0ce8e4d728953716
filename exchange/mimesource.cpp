#include "exchange/mimesource.h"

#include <QImage>
#include <QUrl>

#include "exchange/blocks.h"
#include "exchange/dib.h"

namespace {

const QString kPlainText = QStringLiteral("text/plain");
const QString kUriList = QStringLiteral("text/uri-list");
const QString kRichText = QStringLiteral("text/rtf");
// Qt's own name for the image a drop carries; it is offered as CF_DIB.
const QString kQtImage = QStringLiteral("application/x-qt-image");

Bytes ToBytes(const QByteArray& data) {
    return Bytes(data.begin(), data.end());
}

}  // namespace

MimeDataSource::MimeDataSource(const QMimeData& mime) : mime_(mime) {
    const QStringList types = mime_.formats();
    const bool fileDrop = !LocalPaths().empty();
    if (types.contains(kPlainText)) entries_.push_back({ClipFormat::CF_TEXT, Kind::Text, {}, {}});
    if (fileDrop) entries_.push_back({ClipFormat::CF_HDROP, Kind::FileDrop, {}, {}});
    if (mime_.hasImage()) entries_.push_back({ClipFormat::CF_DIB, Kind::Dib, {}, {}});
    if (types.contains(kRichText)) AddRegistered("Rich Text Format", kRichText);
    for (const QString& type : types) {
        const bool mapped = type == kPlainText || type == kRichText || type == kQtImage ||
                            (type == kUriList && fileDrop);
        if (!mapped) AddRegistered(type.toStdString(), type);
    }
}

// Numbers run out at 0xFFFF; the few types of a real drop never get there.
void MimeDataSource::AddRegistered(const std::string& name, const QString& mimeType) {
    if (nextRegistered_ > 0xFFFF) return;
    entries_.push_back({uint16_t(nextRegistered_++), Kind::Raw, name, mimeType});
}

std::vector<std::string> MimeDataSource::LocalPaths() const {
    std::vector<std::string> paths;
    for (const QUrl& url : mime_.urls()) {
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    }
    return paths;
}

std::vector<FormatEtc> MimeDataSource::EnumFormatEtc() const {
    std::vector<FormatEtc> formats;
    for (const Entry& entry : entries_)
        formats.push_back(FormatEtc{entry.format});
    return formats;
}

std::string MimeDataSource::ClipboardFormatName(uint16_t format) const {
    for (const Entry& entry : entries_) {
        if (entry.format == format) return entry.name;
    }
    return {};
}

const MimeDataSource::Entry* MimeDataSource::Find(const FormatEtc& format) const {
    if ((format.tymed & TYMED_HGLOBAL) == 0 || format.dwAspect != DVASPECT_CONTENT) return nullptr;
    for (const Entry& entry : entries_) {
        if (entry.format == format.cfFormat) return &entry;
    }
    return nullptr;
}

bool MimeDataSource::QueryGetData(const FormatEtc& format) const {
    return Find(format) != nullptr;
}

Bytes MimeDataSource::BlockOf(const Entry& entry) const {
    switch (entry.kind) {
        case Kind::Text: {
            Bytes text = ToBytes(mime_.text().toUtf8());
            text.push_back(0);
            return text;
        }
        case Kind::FileDrop:
            return BuildFileDrop(LocalPaths());
        case Kind::Dib:
            return ImageToDib(qvariant_cast<QImage>(mime_.imageData()));
        case Kind::Raw:
            return ToBytes(mime_.data(entry.mimeType));
    }
    return {};
}

std::optional<StgMedium> MimeDataSource::GetData(const FormatEtc& format) {
    const Entry* entry = Find(format);
    if (!entry) return std::nullopt;
    StgMedium medium;
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = std::make_unique<GlobalMemory>(BlockOf(*entry));
    return medium;
}

void MimeDataSource::ReleaseStgMedium(StgMedium& medium) {
    medium = StgMedium{};
}
