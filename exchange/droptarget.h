#pragma once

// The main window as a drop target. Register makes the window accept drops
// and routes its drag and drop events here: every drag is accepted as a copy,
// the window is activated on drag over and on drop, and a drop runs the drop
// handling below. Text that arrives is handed on as lines; when none can be
// taken, the user is shown the formats offered, and holding Control at the
// drop also shows them with their numbers.

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <exception>
#include <functional>

#include "basic/stringlists.h"
#include "exchange/datasource.h"
#include "exchange/messagefunction.h"

class QMimeData;
class QWidget;

// Key-state bits of a drop, as a drop source reports them.
namespace KeyState {
constexpr uint32_t MK_SHIFT = 4;
constexpr uint32_t MK_CONTROL = 8;
constexpr uint32_t MK_ALT = 32;
}  // namespace KeyState

uint32_t KeyStateFrom(Qt::KeyboardModifiers modifiers);

class TDropTarget : public QObject {
    Q_OBJECT

public:
    explicit TDropTarget(QObject* parent = nullptr) : QObject(parent) {}

    // Receives the lines of dropped text (the window's AddLinesToTape).
    std::function<void(const TArrayCadena& lines)> AddLines;
    // Shows the warnings (the window binds ShowMessageBox).
    MessageFunction ShowMessage;
    // Receives an error that escaped AddLines during a drop (the window's
    // error box); the drop itself still ends as a copy.
    std::function<void(const std::exception& error)> ReportError;

    void Register(QWidget* window);
    void Revoke();

    // The drop handling, for a drop whose data is `source` and whose key
    // state is `keyState` (a combination of KeyState bits).
    void Drop(DataSource& source, uint32_t keyState);
    void Drop(const QMimeData& mime, uint32_t keyState);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Activate();

    QPointer<QWidget> window_;
};
