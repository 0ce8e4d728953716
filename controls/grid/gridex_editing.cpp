// TGridEx: the editing mode and its in-place editor.

#include <QApplication>
#include <QScopedValueRollback>

#include "controls/grid/editorgrid.h"
#include "controls/grid/gridex.h"
#include "controls/grid/gridmodel.h"

void TGridEx::IniciarEdicio() {
    cellaEditada_ = cellaSeguida_;
    editant_ = true;
    textAbans_ = LlegirCella(cellaSeguida_.Fila, cellaSeguida_.Columna);
    SetOptions((options_ | goEditing | goAlwaysShowEditor) & ~TGridOptions(goRowSelect));
    const TCellaGrid cell = cellaSeguida_;
    PosarFilaActual(cell.Fila);
    PosarColumnaActual(cell.Columna);
}

// Reports the edited value when it changed, and goes back to row selection.
void TGridEx::AcabarEdicio() {
    const TCellaGrid cell = cellaSeguida_;
    const std::string now = LlegirCella(cell.Fila, cell.Columna);
    if (OnCanviarDades && now != textAbans_) {
        OnCanviarDades(this, cell.Fila, cell.Columna, textAbans_, now);
    }
    cellaEditada_ = {};
    editant_ = false;
    SetOptions((options_ & ~TGridOptions(goEditing | goAlwaysShowEditor)) | goRowSelect);
}

void TGridEx::AcceptarCella() {
    if (OnAcceptarValor) {
        const TCellaGrid cell = cellaSeguida_;
        OnAcceptarValor(this, cell.Fila, cell.Columna, textAbans_,
                        LlegirCella(cell.Fila, cell.Columna));
    }
    textAbans_ = LlegirCella(FilaActual(), ColumnaActual());
}

// The next column that is not skipped, wrapping within the row; in an
// editable grid that is not editing, the search starts before column 1.
void TGridEx::ColumnaSeguent() {
    const bool starts = editable_ && !editant_;
    const int32_t c = NextColumn(starts ? 0 : ColumnaActual(), +1);
    if (c >= 0 && c != ColumnaActual()) PosarColumnaActual(c);
    if (starts) {
        // Editing starts on the cell the search ended on.
        cellaSeguida_ = {ColumnaActual(), FilaActual()};
        IniciarEdicio();
    }
}

void TGridEx::ColumnaAnterior() {
    const int32_t c = NextColumn(ColumnaActual(), -1);
    if (c >= 0 && c != ColumnaActual()) PosarColumnaActual(c);
}

// Steps one column at a time, wrapping at both ends and passing over a hidden
// column 0 and the skipped columns. When every column is skipped the search
// stops after one full round and gives -1.
int32_t TGridEx::NextColumn(int32_t from, int step) const {
    const int32_t last = ColCount() - 1;
    int32_t c = from;
    for (int32_t tries = 0; tries <= ColCount(); ++tries) {
        c += step;
        if (c > last) c = 0;
        if (c < 0) c = last;
        if (c == 0 && !columnaZero_) c = step > 0 ? 1 : last;
        if (!Columna(c).Saltar) return c;
    }
    return -1;
}

// Raises OnExitCell, but never from inside itself: a handler that moves the
// focus so causes no second report.
void TGridEx::SortirCella(const std::string& Text, int32_t Columna, int32_t Fila) {
    if (!OnExitCell || dinsSortirCella_) return;
    const QScopedValueRollback<bool> inside(dinsSortirCella_, true);
    OnExitCell(this, Columna, Fila, Text);
}

// Shows the editor on the current cell while editing, hides it otherwise. A
// newly shown editor takes the cell's text, the column's length limit, and
// (without Sn_EditorSelect) no selection. Its column is ColumnaActual, never a
// hidden column 0.
void TGridEx::UpdateEditor() {
    const int32_t col = ColumnaActual();
    const bool wanted = options_.testFlag(goEditing) && options_.testFlag(goAlwaysShowEditor) &&
                        !options_.testFlag(goRowSelect) && row_ >= FixedRows() &&
                        col < ColCount() && ColWidths(col) > 0;
    if (!wanted) {
        HideEditor();
        return;
    }
    if (editor_ == nullptr) {
        editor_ = new TEditorGrid(*this);
        connect(editor_, &QLineEdit::textChanged, this, [this](const QString& text) {
            // The base grid's editor writes straight into its cell.
            if (editorCell_.Fila >= 0) {
                model_->SetCell(editorCell_.Fila, editorCell_.Columna, text.toStdString());
            }
        });
    }
    const TCellaGrid cell{col, row_};
    if (!(editorCell_ == cell) || editor_->isHidden()) {
        editorCell_ = {-1, -1};
        const int32_t llargada = Columna(col).Llargada;
        editor_->setMaxLength(llargada >= 1 ? llargada : 32767);
        editor_->setText(QString::fromStdString(LlegirCella(row_, col)));
        editorCell_ = cell;
        AdjustEditorSelection();
    }
    editor_->show();
    PlaceEditor();
    if (hasFocus()) editor_->setFocus(Qt::OtherFocusReason);
}

void TGridEx::HideEditor() {
    if (editor_ == nullptr || editor_->isHidden()) return;
    // The grid takes the focus back first, so that it stays in the grid.
    if (QApplication::focusWidget() == editor_) setFocus(Qt::OtherFocusReason);
    editor_->hide();
    editorCell_ = {-1, -1};
}

void TGridEx::PlaceEditor() {
    if (editor_ == nullptr || editor_->isHidden() || editorCell_.Fila < 0) return;
    model_->SyncRows();
    const QRect rect = visualRect(model_->ViewIndex(editorCell_.Fila, editorCell_.Columna));
    editor_->setGeometry(rect.adjusted(0, 0, -1, -1));
}

void TGridEx::AdjustEditorSelection() {
    if (!editant_ || editor_ == nullptr) return;
    if (editorSelect_) {
        editor_->selectAll();
    } else {
        editor_->deselect();
    }
}
