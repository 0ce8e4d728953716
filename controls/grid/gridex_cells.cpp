// TGridEx: cells, and rows as lines of text.

#include "basic/stringlists.h"
#include "controls/grid/gridex.h"
#include "controls/grid/gridmodel.h"

std::string TGridEx::LlegirCella(int32_t Fila, int32_t Columna) const {
    return std::string(model_->Cell(Fila, Columna));
}

void TGridEx::EscriureCella(int32_t Fila, int32_t Columna, const std::string& Text) {
    if (Fila < 0 || Columna < 0 || Fila >= kMaxGridRows || Columna >= kMaxGridColumns) return;
    if (dinamic_) {
        if (Columna + 1 > ColCount()) {
            // Only the new last column starts hidden behind a zero width.
            SetColCount(Columna + 1);
            SetColWidths(Columna, 0);
        }
        if (Fila + 1 > RowCount()) SetRowCount(Fila + 1);
    }
    if (Fila >= RowCount() || Columna >= ColCount()) return;
    std::string abans = model_->SetCell(Fila, Columna, Text);
    if (OnCanviarDades && abans != Text) OnCanviarDades(this, Fila, Columna, abans, Text);
    if (autoAmples_) AutoWiden(Columna, Text);
}

std::string TGridEx::LlegirCellaActual(int32_t Columna) const {
    return LlegirCella(FilaActual(), Columna);
}

void TGridEx::EscriureCellaActual(int32_t Columna, const std::string& Text) {
    EscriureCella(FilaActual(), Columna, Text);
}

int32_t TGridEx::FilesUsades() const {
    const int32_t last = model_->LastUsedRow();
    return last >= FixedRows() ? last - FixedRows() + 1 : 0;
}

std::string TGridEx::TextFila(int32_t Fila) const {
    if (Fila < 0 || Fila >= RowCount()) return {};
    const int32_t first = columnaZero_ ? 0 : 1;
    std::string line;
    for (int32_t c = first; c < ColCount(); ++c) {
        if (c > first) line += separadorCamps_;
        line += model_->Cell(Fila, c);
    }
    return line;
}

// Field k lands in column k; with column 0 shown, it is emptied.
void TGridEx::PosarTextFila(int32_t Fila, const std::string& Text) {
    if (Fila < 0) return;
    // At most kMaxSplitFields fields, as SplitFieldList keeps.
    std::vector<std::string> fields = SplitFieldList(Text, std::string(1, separadorCamps_), 0);
    const int n = static_cast<int>(fields.size());
    for (int i = columnaZero_ ? 0 : 1; i <= n; ++i) {
        EscriureCella(Fila, i,
                      i == 0 ? std::string() : std::move(fields[static_cast<size_t>(i - 1)]));
    }
}
