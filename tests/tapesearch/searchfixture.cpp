#include "tests/tapesearch/searchfixture.h"

#include <gtest/gtest.h>
#include <QFile>

const QDateTime TestArchive::kNoon(QDate(2026, 12, 9), QTime(12, 0));

std::string TestArchive::Put(const QDateTime& when, const std::string& text) const {
    const QString path = folder_.filePath(
        QStringLiteral("cinta-%1.txt").arg(when.toString("yyyy-MM-dd-HHmmss-zzz")));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path.toStdString();
}

std::string TestArchive::PutLines(const QDateTime& when,
                                  const std::vector<std::string>& lines) const {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return Put(when, text);
}

void TestArchive::Remove(const QDateTime& when) const {
    EXPECT_TRUE(QFile::remove(folder_.filePath(
        QStringLiteral("cinta-%1.txt").arg(when.toString("yyyy-MM-dd-HHmmss-zzz")))));
}

std::string Where(const TSearchResult& result) {
    std::string where = result.source.kind == TSearchSourceKind::OpenTape
                            ? result.source.name
                            : result.source.keptAt.toString("HH:mm").toStdString();
    where += ':';
    where += std::to_string(result.row);
    return where;
}

std::vector<std::string> Where(const std::vector<TSearchResult>& results) {
    std::vector<std::string> where;
    for (const TSearchResult& result : results)
        where.push_back(Where(result));
    return where;
}
