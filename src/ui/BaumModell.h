// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tree of the core (application tree, project tree, caller list) as a
// Qt model. It keeps a copy of the nodes the controller last showed; a
// tick the user sets is only reported, and comes back when the controller
// shows the tree again. A tree with the same keys is updated in place, so
// that the view handling a click or a key never loses the node it holds.
#include "app/Baum.h"

#include <QAbstractItemModel>

#include <string>
#include <string_view>
#include <vector>

namespace cb {

class BaumModell : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit BaumModell(bool mitHaken, QObject* parent = nullptr);

    /// Mirrors the tree; true when the model was reset (new keys), so that
    /// the view applies the expansion again.
    bool Zeigen(const Baum& baum);
    /// The module node shown highlighted (black on yellow); "" for none.
    void Markieren(std::string_view schluessel);
    const std::string& Markiert() const { return m_markiert; }

    QModelIndex IndexVon(std::string_view schluessel) const;
    /// The key of a node; "" for an invalid index.
    std::string SchluesselVon(const QModelIndex& index) const;
    const Baum& Knoten() const { return m_baum; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void HakenGesetzt(const QString& schluessel, bool haken);

private:
    // Where a node sits: its parent's node number (-1 at the top), its row
    // under that parent, and its children's node numbers in order.
    struct Platz {
        int Eltern = -1;
        int Zeile = 0;
        std::vector<int> Kinder;
    };
    void StrukturBilden();
    QModelIndex IndexVonNummer(int nummer) const;
    const std::vector<int>& KinderVon(const QModelIndex& parent) const;

    bool m_mitHaken;
    Baum m_baum;
    std::vector<Platz> m_plaetze;
    std::vector<int> m_wurzeln;
    std::string m_markiert;
};

} // namespace cb
