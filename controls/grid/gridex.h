#pragma once

// TGridEx: the string grid of the paper tape and of the amortization table.
//
// Rows and columns are 0-based grid indices, fixed rows and columns included.
// Every cell, row and selection operation ignores positions outside the grid;
// with Sn_Dinamic, writing past the last row or column grows the grid. All of
// it works on a grid that is never shown: the cells live in a model
// (TGridModel) that knows nothing of painting. The model keeps its own cells,
// or shows cells that live elsewhere (SetCells): the grid is then a view of
// them, and its writes go to them.
//
// On screen it is a QTableView: the view shows the rows below the fixed rows,
// its horizontal header draws the fixed rows (so titles stay in place while
// the rows scroll), and every cell, fixed or not, is drawn by PaintCell: the
// grid prepares a TGridCanvas, the owner's OnDrawCell chooses brush, font and
// colours, and the typed drawing of the column writes the text.
//
// A new grid has the base grid's shape: 5 rows, 5 columns, 1 fixed row and 1
// fixed column, columns 64 and rows 24 pixels; the owner sets its own.
//
// Assistive technology finds the grid's current cell as the table's current
// (focused) cell, in a selected row, and hears of each move of it once per
// user action (gridex_accessible.cpp).

#include <QAccessible>
#include <QTableView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "basic/stringlists.h"
#include "controls/grid/gridtypes.h"

class TEditorGrid;
class TGridCanvas;
class TGridCells;
class TGridModel;
class TGridFixedRows;

class TGridEx : public QTableView {
    Q_OBJECT

public:
    explicit TGridEx(QWidget* parent = nullptr);
    ~TGridEx() override;

    // ---- Shape and look of the base grid ----
    int32_t RowCount() const;
    void SetRowCount(int32_t rows);
    int32_t ColCount() const;
    void SetColCount(int32_t cols);
    int32_t FixedRows() const;
    void SetFixedRows(int32_t rows);
    int32_t FixedCols() const { return fixedCols_; }
    void SetFixedCols(int32_t cols);
    // -1 means hidden.
    int32_t ColWidths(int32_t col) const;
    void SetColWidths(int32_t col, int32_t width);
    int32_t DefaultColWidth() const { return defaultColWidth_; }
    // Gives every column this width.
    void SetDefaultColWidth(int32_t width);
    int32_t DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int32_t height);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);
    void SetScrollBars(TScrollStyle style);

    // ---- The base grid's current cell and scrolling ----
    // SetRow and SetCol move the current cell as the base grid does, without
    // the reports of PosarFilaActual; a fixed or missing position is ignored.
    // The current cell reads as FilaActual and ColumnaActual.
    void SetRow(int32_t row);
    void SetCol(int32_t col);
    // The first row below the fixed rows that is on screen.
    int32_t TopRow() const;
    void SetTopRow(int32_t row);
    int32_t VisibleRowCount() const;
    // Where a cell is drawn, in this widget's coordinates (what grab() shows);
    // empty when it is not on screen.
    QRect CellRect(int32_t col, int32_t row) const;
    // Repaints every cell (after a change that the owner's drawing follows but
    // that wrote no cell).
    void Invalidate();

    // ---- Cells that live elsewhere ----
    // Shows `cells` (which must outlive their use here) instead of the grid's
    // own; nullptr goes back to its own.
    void SetCells(TGridCells* cells);
    // The cells given to SetCells changed on their own: the texts of rows
    // `first` to `last`, or their row count.
    void CellsChanged(int32_t first, int32_t last);
    void CellsReshaped();

    // ---- Published properties ----
    const std::vector<std::string>& Titols() const { return titols_; }
    // Titles of row 0, one per column from column 0; written at once and kept
    // there at every paint.
    void SetTitols(std::vector<std::string> titols);
    int32_t MaximAmple() const { return maximAmple_; }
    void SetMaximAmple(int32_t width) { maximAmple_ = width; }
    bool Sn_AutoAmples() const { return autoAmples_; }
    void SetSn_AutoAmples(bool on) { autoAmples_ = on; }
    bool Sn_Dinamic() const { return dinamic_; }
    void SetSn_Dinamic(bool on) { dinamic_ = on; }
    bool Sn_ColumnaZero() const { return columnaZero_; }
    void SetSn_ColumnaZero(bool on);
    bool Sn_Editable() const { return editable_; }
    void SetSn_Editable(bool on);
    bool Sn_EditorSelect() const { return editorSelect_; }
    void SetSn_EditorSelect(bool on) { editorSelect_ = on; }
    bool Sn_IntroAvancar() const { return introAvancar_; }
    void SetSn_IntroAvancar(bool on) { introAvancar_ = on; }
    bool Sn_TabAvancar() const { return tabAvancar_; }
    void SetSn_TabAvancar(bool on) { tabAvancar_ = on; }
    char SeparadorCamps() const { return separadorCamps_; }
    void SetSeparadorCamps(char separator) { separadorCamps_ = separator; }
    TOpcionsSeleccionar OpcionsSeleccio() const { return opcionsSeleccio_; }
    void SetOpcionsSeleccio(TOpcionsSeleccionar options) { opcionsSeleccio_ = options; }
    // The selected rows' keys; created on first use.
    TArrayCadena& Seleccio();

    // One descriptor per column plus a spare (ColCount + 1 entries); the grid
    // resizes it with the column count, keeping the entries.
    std::vector<TColumnaGrid> Columnes;

    // ---- Events ----
    TCanviDadesGridEvent OnCanviarDades;
    TCanviDadesGridEvent OnAcceptarValor;
    TExitCellEvent OnExitCell;
    TSeleccionarFilaEvent OnSeleccionarFila;
    TDrawCellEvent OnDrawCell;
    // After a cell's text is drawn: the owner may draw over the cell (a mark
    // beside its text).
    TDrawCellEvent OnCellDrawn;
    // A mouse click that made a cell current; a double click anywhere.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    // The current row moved (a key, a click, PosarFilaActual, Row).
    TNotifyEvent OnCurrentRowChanged;
    // The cell the last click or double click reached.
    TCellaGrid ClickedCell() const { return cellaSeguida_; }
    // What assistive technology reads for a data cell; an empty text (or no
    // handler) reads the cell as it is shown.
    using TAccessibleTextEvent =
        std::function<std::string(const TGridEx* Sender, int32_t ARow, int32_t ACol)>;
    TAccessibleTextEvent OnAccessibleText;

    // ---- Cells and rows ----
    std::string LlegirCella(int32_t Fila, int32_t Columna) const;
    void EscriureCella(int32_t Fila, int32_t Columna, const std::string& Text);
    int32_t FilaActual() const;
    int32_t ColumnaActual() const;
    void PosarFilaActual(int32_t Fila);
    void PosarColumnaActual(int32_t Columna);
    std::string LlegirCellaActual(int32_t Columna) const;
    void EscriureCellaActual(int32_t Columna, const std::string& Text);
    int32_t FilesUsades() const;
    void InsertarFila(int32_t Fila);
    void EsborrarFila(int32_t Fila);
    void MoureFila(int32_t Origen, int32_t Desti);
    void Netejar(bool Reiniciar);

    // What a cell shows: a data row of a typed column in the column's form.
    std::string ShownCellText(int32_t row, int32_t col) const;

    // ---- Rows as lines, and the selection ----
    std::string TextFila(int32_t Fila) const;
    void PosarTextFila(int32_t Fila, const std::string& Text);
    bool FilaSeleccionada(int32_t Fila);
    void SeleccionarFila(int32_t Fila, bool Sn);

    // ---- Editing ----
    bool Editant() const { return editant_; }
    void IniciarEdicio();
    void AcabarEdicio();
    void AcceptarCella();
    void ColumnaSeguent();
    void ColumnaAnterior();
    virtual void SortirCella(const std::string& Text, int32_t Columna, int32_t Fila);
    // The in-place editor, once the grid has needed one.
    TEditorGrid* Editor() const { return editor_; }

protected:
    // The grid's key handling; Key becomes 0 when the key is used up. The
    // editor hands its Backspace, Enter and leaving keys to it.
    void KeyDown(int& Key, Qt::KeyboardModifiers Shift);

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    friend class TEditorGrid;
    friend class TGridCellDelegate;
    friend class TGridFixedRows;

    // Shape
    void ApplyColumnWidth(int32_t col);
    void FitColumnes();
    void AutoWiden(int32_t col, const std::string& text);
    void ApplyTitols();
    void ClampCurrentCell();

    // Current cell
    void FollowedCellMoved(const std::string& textOnEntry);
    void ScrollToCurrent();
    void InvalidateRows(int32_t first, int32_t last);
    bool IsActiveControl() const;

    // Drawing
    void PreparePaint();
    void PaintCell(QPainter& painter, int32_t col, int32_t row, const QRect& rect);
    TGridDrawState DrawState(int32_t col, int32_t row) const;
    void PrepareCanvas(TGridCanvas& canvas, TGridDrawState state) const;
    void DrawCellBaseWay(TGridCanvas& canvas, int32_t col, int32_t row, const QRect& rect,
                         TGridDrawState state);
    void DrawTypedCell(TGridCanvas& canvas, int32_t col, int32_t row, const QRect& rect,
                       TGridDrawState state);
    bool RowShownSelected(int32_t row) const;

    // Keys and mouse
    void BaseKeyDown(int& Key, Qt::KeyboardModifiers Shift);
    void BackspaceWhileEditing(int& Key);
    void ReportEditedCell();
    TCellaGrid CellAt(QPoint viewportPos) const;
    void CellPressed(TCellaGrid cell);
    void CellDoubleClicked(TCellaGrid cell);
    void FocusLeftGrid(Qt::FocusReason reason);

    // Assistive technology
    std::string AccessibleCellText(int32_t row, int32_t col) const;
    void ScheduleAccessibleSync();
    void SyncAccessibleCurrent();
    void TellAccessibleCell(int viewRow, int col, QAccessible::Event type);

    // Selection
    bool KeySelected(const TArrayCadena& seleccio, int32_t row) const;
    void RemoveKey(const std::string& key);

    // Editing
    void UpdateEditor();
    void HideEditor();
    void PlaceEditor();
    void AdjustEditorSelection();
    int32_t NextColumn(int32_t from, int step) const;
    const TColumnaGrid& Columna(int32_t col) const;

    TGridModel* model_;
    TGridFixedRows* fixedHeader_;
    TEditorGrid* editor_ = nullptr;

    int32_t fixedCols_ = 1;
    int32_t row_ = 1;
    int32_t col_ = 1;
    std::vector<int32_t> colWidths_;
    int32_t defaultColWidth_ = 64;
    int32_t defaultRowHeight_ = 24;
    TGridOptions options_ = goRowSelect;

    std::vector<std::string> titols_;
    int32_t maximAmple_ = 0;
    bool autoAmples_ = false;
    bool dinamic_ = true;
    bool columnaZero_ = true;
    bool editable_ = false;
    bool editorSelect_ = false;
    bool introAvancar_ = false;
    bool tabAvancar_ = false;
    char separadorCamps_ = static_cast<char>(254);
    TOpcionsSeleccionar opcionsSeleccio_ = osPerNumeroFila;
    std::unique_ptr<TArrayCadena> seleccio_;
    bool columnesSimples_ = true;

    TCellaGrid cellaSeguida_;
    TCellaGrid cellaEditada_;
    bool editant_ = false;
    std::string textAbans_;
    bool dinsSortirCella_ = false;
    TCellaGrid editorCell_{-1, -1};
    bool dragMoved_ = false;

    bool accessibleSyncPending_ = false;
    // The focus came to the grid: the next sync tells the current cell again.
    bool focusArrived_ = false;
    // The current cell's text as assistive technology last read it.
    QString toldText_;
};
