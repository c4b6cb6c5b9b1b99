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

bool BaumSicht::viewportEvent(QEvent* event) {
    QStringList pfade;
    if (m_dateienAnnehmen && DateiAblage(event, pfade)) {
        if (!pfade.isEmpty())
            emit DateienAbgelegt(pfade);
        return true;
    }
    return QTreeView::viewportEvent(event);
}

bool DateiAblage(QEvent* event, QStringList& abgelegt) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDragMoveEvent*>(event);
        if (e->mimeData()->hasUrls())
            e->acceptProposedAction();
        else
            e->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        for (const QUrl& url : e->mimeData()->urls())
            if (url.isLocalFile())
                abgelegt << url.toLocalFile();
        e->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}

} // namespace cb
