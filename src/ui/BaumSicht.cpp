// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaumSicht.h"
#include "BaumModell.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyledItemDelegate>
#include <QUrl>

namespace cb {

namespace {

// The module highlight (black on yellow) is what tells which pane is in
// front; the selection must not paint over it.
class MarkierungZeigen : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(Qt::BackgroundRole).isValid()) {
            option->state &= ~QStyle::State_Selected;
            option->palette.setBrush(QPalette::Text, index.data(Qt::ForegroundRole).value<QBrush>());
        }
    }
};

} // namespace

BaumSicht::BaumSicht(BaumModell& modell, const QString& name, QWidget* parent)
    : QTreeView(parent), m_modell(modell) {
    setObjectName(name);
    setModel(&modell);
    setHeaderHidden(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setUniformRowHeights(true);
    setItemDelegate(new MarkierungZeigen(this));
    connect(this, &QTreeView::clicked, this, [this](const QModelIndex& i) {
        emit Geoeffnet(QString::fromStdString(m_modell.SchluesselVon(i)));
    });
}

void BaumSicht::Ausklappen() {
    const auto& knoten = m_modell.Knoten().Knoten();
    for (const BaumKnoten& k : knoten)
        if (k.Aufgeklappt)
            expand(m_modell.IndexVon(k.Schluessel));
    if (!currentIndex().isValid() && !knoten.empty())
        setCurrentIndex(m_modell.IndexVon(knoten.front().Schluessel));
}

void BaumSicht::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (currentIndex().isValid())
            emit Geoeffnet(QString::fromStdString(m_modell.SchluesselVon(currentIndex())));
        return;
    }
    QTreeView::keyPressEvent(event);
}

void BaumSicht::dragEnterEvent(QDragEnterEvent* event) {
    if (m_dateienAnnehmen && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void BaumSicht::dragMoveEvent(QDragMoveEvent* event) {
    if (m_dateienAnnehmen && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void BaumSicht::dropEvent(QDropEvent* event) {
    if (!m_dateienAnnehmen || !event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    QStringList pfade;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            pfade << url.toLocalFile();
    event->acceptProposedAction();
    if (!pfade.isEmpty())
        emit DateienAbgelegt(pfade);
}

} // namespace cb
