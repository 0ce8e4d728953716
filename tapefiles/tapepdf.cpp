#include "tapefiles/tapepdf.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include "basic/savedfile.h"
#include "tapefiles/tapepages.h"

namespace {

constexpr double kMarginMillimetres = 15;

}  // namespace

void SaveTapePdf(const TTapeDocument& tape, int32_t decimals, const std::string& path,
                 const QDateTime& printedAt) {
    TSavedFile file(path);
    {
        QPdfWriter pdf(&file.Device());
        pdf.setTitle(QCoreApplication::translate("TTapePages", "Cinta de càlcul"));
        pdf.setCreator(QStringLiteral("Brimsum"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMarginMillimetres, kMarginMillimetres,
                                                kMarginMillimetres, kMarginMillimetres),
                                      QPageLayout::Millimeter));
        TTapePages(tape, decimals, printedAt).Print(pdf);
    }
    file.Commit();
}
