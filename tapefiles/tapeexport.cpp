#include "tapefiles/tapeexport.h"

#include <QFileInfo>

#include "basic/platformerror.h"
#include "basic/translation.h"
#include "tapefiles/tapecsv.h"
#include "tapefiles/tapefile.h"
#include "tapefiles/tapepdf.h"

void ExportTape(const TTapeDocument& tape, int32_t decimals, const std::string& path) {
    const QString extension = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (extension == QLatin1String("pdf")) {
        SaveTapePdf(tape, decimals, path);
    } else if (extension == QLatin1String("csv")) {
        SaveTapeCsv(tape, path, RegionalCsvFormat());
    } else if (extension == QLatin1String("txt")) {
        SaveTapeFile(tape, path);
    } else {
        throw PlatformError(Filled(
            Tr("TTapeExport", "No es coneix l'extensió de «%1»: ha de ser .pdf, .csv o .txt."),
            {path}));
    }
}
