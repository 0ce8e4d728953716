#include "tapesearch/indexedtape.h"

#include "basic/platformerror.h"
#include "tape/tapecells.h"
#include "tapefiles/tapearchive.h"
#include "tapefiles/tapefile.h"
#include "tapesearch/foldedtext.h"

std::shared_ptr<const TIndexedTape> TIndexedTape::Read(const QFileInfo& file) {
    std::vector<TTapeRow> rows;
    try {
        rows = LoadTapeFile(file.filePath().toStdString()).tape.rows;
    } catch (const PlatformError&) {
        rows.clear();
    }
    return std::make_shared<const TIndexedTape>(file, rows);
}

TIndexedTape::TIndexedTape(const QFileInfo& file, const std::vector<TTapeRow>& rows)
    : path_(file.filePath().toStdString()),
      keptAt_(TTapeArchive::KeptAt(file.fileName())),
      fileBytes_(file.size()),
      modified_(file.lastModified()) {
    searchable_.values.reserve(rows.size());
    operators_.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const TTapeRow& row = rows[i];
        const auto index = static_cast<int32_t>(i);
        searchable_.values.push_back(SearchedValue(row));
        operators_.push_back(row.Operator());
        if (row.Operator() == TTapeOperator::Other) otherOperators_.Add(index, row.OperatorField());
        if (!row.Comment().empty()) {
            comments_.Add(index, row.Comment());
            searchable_.foldedComments.Add(index, FoldedText(row.Comment()));
        }
    }
    otherOperators_.ShrinkToFit();
    comments_.ShrinkToFit();
    searchable_.foldedComments.ShrinkToFit();
}

bool TIndexedTape::IsFile(const QFileInfo& file) const {
    return file.filePath().toStdString() == path_ && file.size() == fileBytes_ &&
           file.lastModified() == modified_;
}

double TIndexedTape::Number(int32_t row) const {
    return ShownValue(searchable_.values.at(static_cast<size_t>(row)));
}

std::string_view TIndexedTape::OperatorField(int32_t row) const {
    const TTapeOperator op = operators_.at(static_cast<size_t>(row));
    return op == TTapeOperator::Other ? otherOperators_.Text(row) : OperatorText(op);
}

std::string_view TIndexedTape::Comment(int32_t row) const {
    return comments_.Text(row);
}

size_t TIndexedTape::Bytes() const {
    return sizeof(*this) + searchable_.values.capacity() * sizeof(double) +
           operators_.capacity() * sizeof(TTapeOperator) + searchable_.foldedComments.Bytes() +
           comments_.Bytes() + otherOperators_.Bytes();
}
