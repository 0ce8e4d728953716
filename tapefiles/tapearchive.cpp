#include "tapefiles/tapearchive.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include "basic/platformerror.h"
#include "basic/translation.h"
#include "tape/tapedocument.h"
#include "tapefiles/tapefile.h"

namespace {

constexpr char kTimeFormat[] = "yyyy-MM-dd-HHmmss-zzz";
constexpr char kNamePrefix[] = "cinta-";
constexpr char kNameSuffix[] = ".txt";

QString FileNameAt(const QDateTime& when) {
    return QLatin1String(kNamePrefix) + when.toString(QLatin1String(kTimeFormat)) +
           QLatin1String(kNameSuffix);
}

bool IsArchiveName(const QString& name) {
    static const QRegularExpression kName(
        QStringLiteral("^cinta-\\d{4}-\\d{2}-\\d{2}-\\d{6}-\\d{3}\\.txt$"));
    return kName.match(name).hasMatch();
}

// Whether the archive keeps its file `index` (newest first, from 0) when the
// files up to that one take `bytes` bytes together.
bool WithinLimits(qsizetype index, int64_t bytes) {
    return index == 0 || (index < TTapeArchive::kMostFiles && bytes <= TTapeArchive::kMostBytes);
}

std::optional<double> LastTotal(const std::vector<TTapeRow>& rows) {
    for (size_t row = rows.size(); row-- > 1;) {
        if (AsksForResult(rows[row - 1].Operator())) return rows[row].Number();
    }
    return std::nullopt;
}

}  // namespace

QDateTime TTapeArchive::KeptAt(const QString& name) {
    const qsizetype prefix = static_cast<qsizetype>(sizeof(kNamePrefix) - 1);
    const qsizetype suffix = static_cast<qsizetype>(sizeof(kNameSuffix) - 1);
    return QDateTime::fromString(name.mid(prefix, name.size() - prefix - suffix),
                                 QLatin1String(kTimeFormat));
}

std::string TTapeArchive::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() +
           "/Tarvik/cintes";
}

std::string TTapeArchive::Keep(const TTapeDocument& tape, const QDateTime& when) {
    if (tape.UsedRows() == 0) return {};
    const QDir folder(QString::fromStdString(folder_));
    if (!folder.mkpath(QStringLiteral(".")))
        throw PlatformError(
            Filled(Tr("TCalculadora", "No s'ha pogut crear la carpeta %1"), {folder_}));
    // Two tapes kept within the same millisecond take the next free one.
    QDateTime at = when;
    while (folder.exists(FileNameAt(at)))
        at = at.addMSecs(1);
    const std::string path = folder.filePath(FileNameAt(at)).toStdString();
    SaveTapeFile(tape, path);
    Trim();
    return path;
}

QFileInfoList TTapeArchive::Files() const {
    const QDir folder(QString::fromStdString(folder_));
    QFileInfoList files;
    const QFileInfoList found =
        folder.entryInfoList({QLatin1String(kNamePrefix) + "*" + QLatin1String(kNameSuffix)},
                             QDir::Files, QDir::Name | QDir::Reversed);
    for (const QFileInfo& file : found) {
        if (IsArchiveName(file.fileName())) files.append(file);
    }
    return files;
}

// The newest file stays whatever its size.
void TTapeArchive::Trim() const {
    const QFileInfoList files = Files();
    int64_t bytes = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        bytes += files[i].size();
        if (!WithinLimits(i, bytes)) QFile::remove(files[i].filePath());
    }
}

QFileInfoList TTapeArchive::KeptFiles() const {
    QFileInfoList files = Files();
    int64_t bytes = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        bytes += files[i].size();
        if (!WithinLimits(i, bytes)) {
            files.resize(i);
            break;
        }
    }
    return files;
}

std::vector<TArchivedTape> TTapeArchive::Newest(int count) const {
    std::vector<TArchivedTape> tapes;
    for (const QFileInfo& file : Files()) {
        if (static_cast<int>(tapes.size()) >= count) break;
        try {
            const TTapeFileContent content = LoadTapeFile(file.filePath().toStdString());
            tapes.push_back({file.filePath().toStdString(), KeptAt(file.fileName()),
                             static_cast<int32_t>(content.tape.rows.size()),
                             LastTotal(content.tape.rows)});
        } catch (const PlatformError&) {
        }
    }
    return tapes;
}
