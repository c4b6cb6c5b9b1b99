// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaumAnsicht.h"

#include <QHeaderView>
#include <unordered_map>

namespace cb {

namespace {
constexpr int SchluesselRolle = Qt::UserRole;
}

BaumAnsicht::BaumAnsicht(bool mitHaken, QWidget* parent) : QTreeWidget(parent), m_mitHaken(mitHaken) {
    setHeaderHidden(true);
    setColumnCount(1);
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        if (!m_fuellen)
            emit Gehakt(item->data(0, SchluesselRolle).toString());
    });
}

void BaumAnsicht::Zeigen(const Baum& baum) {
    m_fuellen = true;
    setUpdatesEnabled(false);
    clear();
    std::unordered_map<std::string, QTreeWidgetItem*> items;
    for (const BaumKnoten& k : baum.Knoten()) {
        auto eltern = items.find(k.Eltern);
        auto* item = eltern == items.end() ? new QTreeWidgetItem(this) : new QTreeWidgetItem(eltern->second);
        item->setText(0, QString::fromStdString(k.Text));
        item->setData(0, SchluesselRolle, QString::fromStdString(k.Schluessel));
        item->setToolTip(0, QString::fromStdString(k.Bild));
        if (m_mitHaken) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, k.Haken ? Qt::Checked : Qt::Unchecked);
        }
        item->setExpanded(k.Aufgeklappt);
        items.emplace(k.Schluessel, item);
    }
    setUpdatesEnabled(true);
    m_fuellen = false;
}

void BaumAnsicht::HakenUebernehmen(Baum& baum) const {
    for (QTreeWidgetItemIterator it(const_cast<BaumAnsicht*>(this)); *it; ++it)
        if (BaumKnoten* k = baum.Finden((*it)->data(0, SchluesselRolle).toString().toStdString()))
            k->Haken = (*it)->checkState(0) == Qt::Checked;
}

QTreeWidgetItem* BaumAnsicht::Eintrag(const std::string& schluessel) const {
    const QString s = QString::fromStdString(schluessel);
    for (QTreeWidgetItemIterator it(const_cast<BaumAnsicht*>(this)); *it; ++it)
        if ((*it)->data(0, SchluesselRolle).toString() == s)
            return *it;
    return nullptr;
}

} // namespace cb
