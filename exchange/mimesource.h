#pragma once

// A real drop as a DataSource: the adapter over the QMimeData of a drop event.
//
// The formats are offered in this order, each only when the drop has it:
//  - "text/plain" as CF_TEXT: the text in UTF-8 with its NUL;
//  - "text/uri-list" naming local files as CF_HDROP: a file-drop block of
//    their paths;
//  - an image as CF_DIB: a 24-bit device-independent bitmap;
//  - "text/rtf" as the registered format "Rich Text Format";
//  - every other MIME type as a registered format named by the MIME type.
// Registered formats are numbered from 0xC000 upward in that order. Every
// format travels on global memory.

#include <QMimeData>
#include <QString>

#include "exchange/datasource.h"

class MimeDataSource : public DataSource {
public:
    // The mime data must outlive the source (both live for one drop).
    explicit MimeDataSource(const QMimeData& mime);

    std::vector<FormatEtc> EnumFormatEtc() const override;
    std::string ClipboardFormatName(uint16_t format) const override;
    bool QueryGetData(const FormatEtc& format) const override;
    std::optional<StgMedium> GetData(const FormatEtc& format) override;
    void ReleaseStgMedium(StgMedium& medium) override;

private:
    enum class Kind { Text, FileDrop, Dib, Raw };
    struct Entry {
        uint16_t format;
        Kind kind;
        std::string name;  // registered formats only
        QString mimeType;  // raw formats only
    };
    void AddRegistered(const std::string& name, const QString& mimeType);
    const Entry* Find(const FormatEtc& format) const;
    Bytes BlockOf(const Entry& entry) const;
    std::vector<std::string> LocalPaths() const;

    const QMimeData& mime_;
    std::vector<Entry> entries_;
    uint32_t nextRegistered_ = ClipFormat::kFirstRegistered;
};
