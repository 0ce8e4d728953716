#include "tapefiles/tapeexport.h"

#include <QFileInfo>

#include "basic/platformerror.h"
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
        throw PlatformError("No es coneix l'extensió de «" + path +
                            "»: ha de ser .pdf, .csv o .txt.");
    }
}
