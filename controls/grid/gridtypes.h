#pragma once

// The small value types and event signatures of the string grid TGridEx.

#include <QFlags>
#include <QRect>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/format/displayformat.h"

class TGridEx;
class TGridCanvas;

// Text alignment inside a cell.
enum class TAlineacio : uint8_t { Automatica = 0, Esquerra = 1, Centre = 2, Dreta = 3 };

// How a column is shown and edited. Callers write the entries of
// TGridEx::Columnes directly (the tape shows its value column as a Number).
struct TColumnaGrid {
    // Editor length limit, and format argument of Date, ZeroPadded and Time;
    // a length of 1 also centres Text and OtherText. 0 or less means no limit.
    int32_t Llargada = 0;
    // The column kind (see celltext.h); BaseWay: drawn the base way.
    TDisplayFormat Tipus = TDisplayFormat::Text;
    // Decimals code of Number and Hundredths.
    int32_t Decimals = 0;
    // Automatica: by kind.
    TAlineacio Alineacio = TAlineacio::Automatica;
    // Moving from column to column passes over this column.
    bool Saltar = false;
    // A text wider than the cell ends in an ellipsis, and the whole text is
    // the cell's tooltip.
    bool ElideLongText = false;
};

// How rows are selected into TGridEx::Seleccio.
enum TOpcioSeleccionar : uint8_t {
    osPerNumeroFila = 0x01,     // a row's key is its number
    osPerValorColumna0 = 0x02,  // a row's key is the text of its column 0
    osTeclaIntro = 0x04,        // Enter toggles the current row
    osTeclaInsert = 0x08,       // Insert toggles the current row
    osDobleClick = 0x10,        // a double click toggles the clicked row
};
Q_DECLARE_FLAGS(TOpcionsSeleccionar, TOpcioSeleccionar)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOpcionsSeleccionar)

// The state a cell is drawn in.
enum TGridDrawStateFlag : uint8_t {
    gdSelected = 0x01,  // in the current row (row-select mode) or the current cell
    gdFocused = 0x02,   // the current cell of a grid that has the focus
    gdFixed = 0x04,     // a fixed row or column
};
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

// The base grid options the grid itself switches.
enum TGridOption : uint16_t {
    goRowSelect = 0x01,         // the whole current row is selected
    goEditing = 0x02,           // cells may carry the editor
    goAlwaysShowEditor = 0x04,  // the editor stays on the current cell
    goThumbTracking = 0x08,     // dragging the scroll-bar thumb scrolls at once
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

enum class TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// A cell position; Columna first, as the grid's own bookkeeping keeps it.
struct TCellaGrid {
    int32_t Columna = 0;
    int32_t Fila = 0;
    friend bool operator==(const TCellaGrid&, const TCellaGrid&) = default;
};

using TCanviDadesGridEvent = std::function<void(TGridEx* Sender, int32_t Fila, int32_t Columna,
                                                std::string Abans, std::string Despres)>;
using TExitCellEvent =
    std::function<void(TGridEx* Sender, int32_t aCol, int32_t aRow, const std::string& edittext)>;
using TSeleccionarFilaEvent =
    std::function<void(TGridEx* Sender, int32_t NumFila, bool SnSeleccionada)>;
// The owner chooses Canvas.BrushColor, FontColor and Font for the cell (and may
// draw on it through Canvas) before the grid writes the text.
using TDrawCellEvent =
    std::function<void(TGridEx* Sender, int32_t ACol, int32_t ARow, const QRect& Rect,
                       TGridDrawState State, TGridCanvas& Canvas)>;
using TNotifyEvent = std::function<void(TGridEx* Sender)>;

// The largest grid. A write past these counts as a position outside the grid:
// they lie far beyond any tape or table, and keep a stray index from growing
// the grid until memory runs out.
constexpr int32_t kMaxGridRows = 4'000'000;
constexpr int32_t kMaxGridColumns = 1'000;
