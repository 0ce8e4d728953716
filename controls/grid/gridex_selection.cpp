// TGridEx: the selection of rows.

#include "controls/grid/gridex.h"

// A row's key is its number (osPerNumeroFila) or the text of its column 0
// (osPerValorColumna0).
bool TGridEx::KeySelected(const TArrayCadena& seleccio, int32_t row) const {
    if (opcionsSeleccio_.testFlag(osPerNumeroFila)) {
        return seleccio.Position(std::to_string(row)) > 0;
    }
    if (opcionsSeleccio_.testFlag(osPerValorColumna0)) {
        return seleccio.Position(LlegirCella(row, 0)) > 0;
    }
    return false;
}

bool TGridEx::FilaSeleccionada(int32_t Fila) {
    const TArrayCadena& seleccio = Seleccio();
    return Fila >= 0 && Fila < RowCount() && KeySelected(seleccio, Fila);
}

// Raises OnSeleccionarFila only when the row's selection changes.
void TGridEx::SeleccionarFila(int32_t Fila, bool Sn) {
    if (Fila < 0 || Fila >= RowCount() || FilaSeleccionada(Fila) == Sn) return;
    TArrayCadena& seleccio = Seleccio();
    const std::string number = std::to_string(Fila);
    if (Sn && opcionsSeleccio_.testFlag(osPerNumeroFila)) {
        seleccio.PositionOrAdd(number);
        InvalidateRows(Fila, Fila);
    } else if (Sn && opcionsSeleccio_.testFlag(osPerValorColumna0)) {
        const std::string key = LlegirCella(Fila, 0);
        if (!key.empty()) seleccio.PositionOrAdd(key);
        Invalidate();  // rows sharing the key are selected with it
    } else {
        if (opcionsSeleccio_.testFlag(osPerNumeroFila)) {
            RemoveKey(number);
            InvalidateRows(Fila, Fila);
        }
        if (opcionsSeleccio_.testFlag(osPerValorColumna0)) {
            RemoveKey(LlegirCella(Fila, 0));
            Invalidate();
        }
    }
    if (OnSeleccionarFila) OnSeleccionarFila(this, Fila, Sn);
}

void TGridEx::RemoveKey(const std::string& key) {
    const int position = Seleccio().Position(key);
    if (position > 0) Seleccio().Delete(position);
}
