#include "exchange/droptarget.h"

#include <QDropEvent>
#include <QWidget>

#include "basic/translation.h"
#include "exchange/dataobject.h"
#include "exchange/mimesource.h"

namespace {

std::string Caption() {
    return Tr("TamDrop", "Atencio!!");
}

std::string FormatLines(const TCadenes& names) {
    std::string lines;
    for (int i = 0; i < names.Count(); ++i) {
        lines += "  - [" + names.Strings(i) + "]" + kMessageBreak;
    }
    return lines;
}

std::string NothingCapturedText(const TCadenes& formats) {
    return Tr("TamDrop", " No s'han pogut capturar els elements rebuts. ") + kMessageBreak +
           kMessageBreak + Tr("TamDrop", " (Informació Tècnica: Formats:) ") + kMessageBreak +
           kMessageBreak + FormatLines(formats);
}

std::string NumberedFormatsText(const TCadenes& numbered) {
    return Tr("TamDrop", " Informació Tècnica: Formats: ") + kMessageBreak + kMessageBreak +
           FormatLines(numbered);
}

}  // namespace

uint32_t KeyStateFrom(Qt::KeyboardModifiers modifiers) {
    uint32_t state = 0;
    if (modifiers & Qt::ShiftModifier) state |= KeyState::MK_SHIFT;
    if (modifiers & Qt::ControlModifier) state |= KeyState::MK_CONTROL;
    if (modifiers & Qt::AltModifier) state |= KeyState::MK_ALT;
    return state;
}

void TDropTarget::Drop(DataSource& source, uint32_t keyState) {
    TArrayCadena lines;
    {
        TDataObject data;
        data.ShowMessage = ShowMessage;
        data.PosarDades(&source);
        if (data.BuscarFormat(0, "CF_Text")) data.LlegirElements();
        bool captured = false;
        for (int i = 0; i < data.NumElements(); ++i) {
            const MemoryStream* stream = data.FluxElement(i);
            if (data.TipusElements() != 1 || !stream) continue;
            lines.SetText(stream->Text());  // a later item replaces an earlier one
            captured = true;
        }
        if (!captured && ShowMessage)
            ShowMessage(NothingCapturedText(data.Formats()), Caption(), TMessageBoxKind::Ok);
        if ((keyState & KeyState::MK_CONTROL) && ShowMessage) {
            ShowMessage(NumberedFormatsText(data.FormatsNumerats()), Caption(),
                        TMessageBoxKind::Ok);
        }
    }
    if (lines.Count() >= 1 && AddLines) AddLines(lines);
}

void TDropTarget::Drop(const QMimeData& mime, uint32_t keyState) {
    MimeDataSource source(mime);
    Drop(source, keyState);
}

void TDropTarget::Register(QWidget* window) {
    Revoke();
    if (!window) return;
    window_ = window;
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
}

void TDropTarget::Revoke() {
    if (!window_) return;
    window_->removeEventFilter(this);
    window_->setAcceptDrops(false);
    window_ = nullptr;
}

// The window takes the keyboard focus back to its own focus widget.
void TDropTarget::Activate() {
    if (!window_->isActiveWindow()) window_->activateWindow();
}

bool TDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            if (event->type() == QEvent::DragMove) Activate();
            return true;
        }
        case QEvent::DragLeave:
            return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            Activate();
            try {
                if (drop->mimeData()) Drop(*drop->mimeData(), KeyStateFrom(drop->modifiers()));
            } catch (const std::exception& error) {
                if (ReportError) {
                    ReportError(error);
                } else {
                    qWarning("Drop: %s", error.what());
                }
            }
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            return true;
        }
        default:
            return false;
    }
}
