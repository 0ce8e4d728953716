// TTapeView: a comment edited in place, over its cell.

#include <QKeyEvent>
#include <QLineEdit>

#include "calculator/tapeview.h"
#include "controls/grid/gridex.h"
#include "tape/tapeengine.h"

void TTapeView::EditComment() {
    if (EditingComment() || !paper_.isVisible()) return;
    commentRow_ = engine_->Tape().CurrentRow();
    paper_.PosarFilaActual(commentRow_);
    auto* editor = new QLineEdit(paper_.viewport());
    editor->setObjectName(QStringLiteral("EditorComentari"));
    editor->setAccessibleName(tr("Comentari"));
    editor->setMaxLength(static_cast<int>(kMaxCommentLength));
    editor->setFrame(false);
    editor->setFont(paper_.font());
    editor->setText(
        QString::fromStdString(std::string(engine_->Tape().Row(commentRow_).Comment())));
    editor->selectAll();
    editor->setGeometry(CommentPlace(commentRow_));
    // A tab, CR or LF pasted into the comment is a blank.
    connect(editor, &QLineEdit::textEdited, editor, [editor](const QString& text) {
        QString oneLine = text;
        oneLine.replace(QLatin1Char('\t'), QLatin1Char(' '));
        oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '));
        oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (oneLine != text) editor->setText(oneLine);
    });
    editor->installEventFilter(this);
    commentEditor_ = editor;
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

// The comment cell of the row, in the viewport; while the comment column is
// hidden (a narrow tape) the editor covers the row.
QRect TTapeView::CommentPlace(int32_t row) const {
    const QPoint origin = paper_.viewport()->mapFrom(&paper_, QPoint(0, 0));
    QRect cell = paper_.CellRect(kCommentColumn, row);
    if (cell.isEmpty()) {
        const QRect value = paper_.CellRect(kValueColumn, row);
        cell = QRect(value.left(), value.top(), paper_.viewport()->width(), value.height());
    }
    return cell.translated(origin).adjusted(0, 0, 1, 1);
}

// The editor goes before the tape changes, so the change cannot reach it.
void TTapeView::EndCommentEdit(bool keep) {
    if (!EditingComment()) return;
    QLineEdit* editor = commentEditor_;
    commentEditor_ = nullptr;
    const std::string text = editor->text().toStdString();
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    if (keep) engine_->Edit(TFieldEdit{commentRow_, TTapeField::Comment, text});
    FocusPaper();
}
