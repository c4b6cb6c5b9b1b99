// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaumModell.h"
#include "Symbole.h"

#include <QBrush>
#include <QColor>

#include <unordered_map>

namespace cb {

BaumModell::BaumModell(bool mitHaken, QObject* parent) : QAbstractItemModel(parent), m_mitHaken(mitHaken) {}

namespace {

bool GleicheSchluessel(const Baum& a, const Baum& b) {
    if (a.Anzahl() != b.Anzahl())
        return false;
    for (std::size_t i = 0; i < a.Anzahl(); ++i)
        if (a.Knoten()[i].Schluessel != b.Knoten()[i].Schluessel ||
            a.Knoten()[i].Eltern != b.Knoten()[i].Eltern)
            return false;
    return true;
}

} // namespace

bool BaumModell::Zeigen(const Baum& baum) {
    if (GleicheSchluessel(m_baum, baum)) {
        for (std::size_t i = 0; i < baum.Anzahl(); ++i) {
            const BaumKnoten& alt = m_baum.Knoten()[i];
            const BaumKnoten& neu = baum.Knoten()[i];
            if (alt.Text == neu.Text && alt.Bild == neu.Bild && alt.Haken == neu.Haken)
                continue;
            m_baum.Knoten()[i] = neu;
            const QModelIndex stelle = IndexVonNummer(static_cast<int>(i));
            emit dataChanged(stelle, stelle);
        }
        m_baum.Tag = baum.Tag;
        return false;
    }
    beginResetModel();
    m_baum = baum;
    StrukturBilden();
    endResetModel();
    return true;
}

void BaumModell::StrukturBilden() {
    m_plaetze.assign(m_baum.Anzahl(), {});
    m_wurzeln.clear();
    std::unordered_map<std::string_view, int> nummer;
    for (std::size_t i = 0; i < m_baum.Anzahl(); ++i) {
        const BaumKnoten& k = m_baum.Knoten()[i];
        nummer.emplace(k.Schluessel, static_cast<int>(i));
        auto eltern = k.Eltern.empty() ? nummer.end() : nummer.find(k.Eltern);
        std::vector<int>& geschwister = eltern == nummer.end() ? m_wurzeln : m_plaetze[eltern->second].Kinder;
        m_plaetze[i].Eltern = eltern == nummer.end() ? -1 : eltern->second;
        m_plaetze[i].Zeile = static_cast<int>(geschwister.size());
        geschwister.push_back(static_cast<int>(i));
    }
}

void BaumModell::Markieren(std::string_view schluessel) {
    if (m_markiert == schluessel)
        return;
    const QModelIndex vorher = IndexVon(m_markiert);
    m_markiert = std::string(schluessel);
    const QModelIndex jetzt = IndexVon(m_markiert);
    for (const QModelIndex& i : {vorher, jetzt})
        if (i.isValid())
            emit dataChanged(i, i, {Qt::BackgroundRole, Qt::ForegroundRole});
}

QModelIndex BaumModell::IndexVonNummer(int nummer) const {
    if (nummer < 0 || static_cast<std::size_t>(nummer) >= m_plaetze.size())
        return {};
    return createIndex(m_plaetze[nummer].Zeile, 0, static_cast<quintptr>(nummer));
}

QModelIndex BaumModell::IndexVon(std::string_view schluessel) const {
    if (schluessel.empty())
        return {};
    const BaumKnoten* k = m_baum.Finden(schluessel);
    return k ? IndexVonNummer(static_cast<int>(k - m_baum.Knoten().data())) : QModelIndex();
}

std::string BaumModell::SchluesselVon(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this || index.internalId() >= m_baum.Anzahl())
        return {};
    return m_baum.Knoten()[index.internalId()].Schluessel;
}

const std::vector<int>& BaumModell::KinderVon(const QModelIndex& parent) const {
    if (!parent.isValid())
        return m_wurzeln;
    return m_plaetze[parent.internalId()].Kinder;
}

QModelIndex BaumModell::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0 || (parent.isValid() && parent.internalId() >= m_plaetze.size()))
        return {};
    const std::vector<int>& kinder = KinderVon(parent);
    if (static_cast<std::size_t>(row) >= kinder.size())
        return {};
    return createIndex(row, 0, static_cast<quintptr>(kinder[row]));
}

QModelIndex BaumModell::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() >= m_plaetze.size())
        return {};
    return IndexVonNummer(m_plaetze[child.internalId()].Eltern);
}

int BaumModell::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && (parent.column() != 0 || parent.internalId() >= m_plaetze.size()))
        return 0;
    return static_cast<int>(KinderVon(parent).size());
}

int BaumModell::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant BaumModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.internalId() >= m_baum.Anzahl())
        return {};
    const BaumKnoten& k = m_baum.Knoten()[index.internalId()];
    const bool markiert = !m_markiert.empty() && k.Schluessel == m_markiert;
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(k.Text);
    case Qt::DecorationRole:
        return BaumBild(k.Bild);
    case Qt::CheckStateRole:
        if (!m_mitHaken)
            return {};
        return k.Haken ? Qt::Checked : Qt::Unchecked;
    case Qt::BackgroundRole:
        return markiert ? QVariant(QBrush(Qt::black)) : QVariant();
    case Qt::ForegroundRole:
        return markiert ? QVariant(QBrush(QColor(255, 255, 0))) : QVariant();
    default:
        return {};
    }
}

bool BaumModell::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_mitHaken || role != Qt::CheckStateRole || !index.isValid() ||
        index.internalId() >= m_baum.Anzahl())
        return false;
    // Only reported: the tick rules are the controller's, which shows the tree again.
    emit HakenGesetzt(QString::fromStdString(m_baum.Knoten()[index.internalId()].Schluessel),
                      value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags BaumModell::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_mitHaken)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

} // namespace cb
