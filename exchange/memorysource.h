#pragma once

// An in-memory drop source that offers any format on any medium: the stand-in
// for a real drop in tests and in the fuzzer. It also keeps count of how it
// is used, so that a test can check that every medium handed out came back
// exactly once and unlocked.

#include <string>
#include <vector>

#include "exchange/datasource.h"

class MemoryDataSource : public DataSource {
public:
    // Each Offer adds a format to the end of the offer list. A format number
    // outside 1 to 16 is named `name` (its registered name).
    void OfferGlobal(uint16_t format, Bytes bytes, const std::string& name = {});
    void OfferStream(uint16_t format, Bytes bytes, const std::string& name = {});
    // A storage that copies itself as a file holding `fileBytes`.
    void OfferStorage(uint16_t format, Bytes fileBytes, const std::string& name = {});
    // A medium of a kind that carries nothing here (file, GDI, metafiles).
    void OfferMedium(uint16_t format, uint32_t tymed, const std::string& name = {});
    // The last offered format is refused by QueryGetData (and GetData).
    void RefuseLast();
    // The last offered format passes QueryGetData, but GetData fails.
    void FailLast();

    std::vector<FormatEtc> EnumFormatEtc() const override;
    std::string ClipboardFormatName(uint16_t format) const override;
    bool QueryGetData(const FormatEtc& format) const override;
    std::optional<StgMedium> GetData(const FormatEtc& format) override;
    void ReleaseStgMedium(StgMedium& medium) override;

    int MediaHandedOut() const { return handedOut_; }
    int MediaReleased() const { return released_; }
    // Releases of a global block that was still locked.
    int LockedReleases() const { return lockedReleases_; }

private:
    struct Offer {
        FormatEtc format;
        std::string name;
        Bytes bytes;
        bool refused = false;
        bool failing = false;
    };
    void Add(uint16_t format, uint32_t tymed, Bytes bytes, const std::string& name);
    const Offer* Find(const FormatEtc& format) const;

    std::vector<Offer> offers_;
    int handedOut_ = 0;
    int released_ = 0;
    int lockedReleases_ = 0;
};
