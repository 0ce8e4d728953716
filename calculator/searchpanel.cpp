#include "calculator/searchpanel.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QVBoxLayout>

TSearchPanel::TSearchPanel(QWidget* window, TTapeArchive archive)
    : QFrame(window),
      results_(new TSearchResults(std::move(archive), this)),
      field_(new QLineEdit(this)),
      status_(new QLabel(this)),
      list_(new QListView(this)) {
    setObjectName(QStringLiteral("PanelCerca"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setAccessibleName(tr("Cerca"));

    field_->setObjectName(QStringLiteral("CercaText"));
    field_->setAccessibleName(tr("Cerca a les cintes"));
    field_->setPlaceholderText(tr("Cerca un número o un comentari"));
    field_->setClearButtonEnabled(true);
    status_->setObjectName(QStringLiteral("CercaEstat"));
    list_->setObjectName(QStringLiteral("CercaResultats"));
    list_->setAccessibleName(tr("Resultats de la cerca"));
    list_->setModel(results_);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setTextElideMode(Qt::ElideRight);
    list_->setAlternatingRowColors(true);
    status_->setBuddy(list_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(field_);
    layout->addWidget(status_);
    layout->addWidget(list_, 1);

    connect(field_, &QLineEdit::textChanged, this, [this] { Search(); });
    connect(results_, &TSearchResults::Progress, this, [this] { ShowProgress(); });
    connect(results_, &TSearchResults::TapesChanged, this, [this] { Refresh(); });
    connect(list_, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { GoTo(index.row()); });
    field_->installEventFilter(this);
    list_->installEventFilter(this);
    window->installEventFilter(this);
    hide();
}

void TSearchPanel::FitToWindow() {
    const QWidget* window = parentWidget();
    setGeometry(0, window->height() - kHeight, window->width(), kHeight);
}

void TSearchPanel::Open() {
    FitToWindow();
    show();
    raise();
    results_->ArchiveMayHaveChanged();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
    Search();
    results_->Prepare();
}

void TSearchPanel::Close() {
    hide();
    results_->Stop();
    ShowProgress();
}

void TSearchPanel::Dismiss() {
    Close();
    Q_EMIT Closed();
}

// The change may have been a clear, which adds a file to the archive.
void TSearchPanel::Refresh() {
    if (!isVisible()) return;
    results_->ArchiveMayHaveChanged();
    Search();
}

bool TSearchPanel::HoldsFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    return isVisible() && focus != nullptr && isAncestorOf(focus);
}

void TSearchPanel::Search() {
    if (!isVisible()) return;
    Q_EMIT AboutToSearch();
    results_->Search(field_->text());
    if (results_->rowCount() > 0) list_->setCurrentIndex(results_->index(0));
}

// "3 resultats", "500 resultats i 1.234 més", and "cercant..." while the
// archive is still being searched.
void TSearchPanel::ShowProgress() {
    if (field_->text().trimmed().isEmpty()) {
        status_->clear();
        return;
    }
    const QLocale locale;
    const int shown = results_->rowCount();
    QString text = shown == 0 && !results_->Searching() ? tr("Cap resultat")
                   : shown == 1                         ? tr("1 resultat")
                                : tr("%1 resultats").arg(locale.toString(shown));
    if (results_->More() > 0) text = tr("%1 i %2 més").arg(text, locale.toString(results_->More()));
    if (results_->Searching()) text += tr(", cercant...");
    status_->setText(text);
    if (shown > 0 && !list_->currentIndex().isValid()) list_->setCurrentIndex(results_->index(0));
}

void TSearchPanel::GoTo(int result) {
    if (result < 0 || result >= results_->rowCount()) return;
    const TSearchResult found = results_->Result(result);
    Close();
    if (found.source.kind == TSearchSourceKind::OpenTape) {
        Q_EMIT GoToOpenTape(found.source.openTape, found.row);
    } else {
        Q_EMIT GoToArchivedTape(found.source.path, found.row);
    }
}

bool TSearchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize && isVisible()) FitToWindow();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Escape:
            Dismiss();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            GoTo(list_->currentIndex().isValid() ? list_->currentIndex().row() : 0);
            return true;
        case Qt::Key_Down:
            if (watched != field_ || results_->rowCount() == 0) return false;
            list_->setFocus(Qt::TabFocusReason);
            if (!list_->currentIndex().isValid()) list_->setCurrentIndex(results_->index(0));
            list_->selectionModel()->select(list_->currentIndex(),
                                            QItemSelectionModel::ClearAndSelect);
            return true;
        case Qt::Key_Up:
            if (watched != list_ || list_->currentIndex().row() > 0) return false;
            field_->setFocus(Qt::TabFocusReason);
            return true;
        default:
            return false;
    }
}
