// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tree widget that mirrors a cb::Baum: one item per node in index order,
// the node's key kept with its item, ticks when the tree has check boxes.
#include "app/Baum.h"

#include <QTreeWidget>

namespace cb {

class BaumAnsicht : public QTreeWidget {
    Q_OBJECT
public:
    explicit BaumAnsicht(bool mitHaken, QWidget* parent = nullptr);

    /// Builds the items anew from the model.
    void Zeigen(const Baum& baum);
    /// Takes the ticks of the items back into the model.
    void HakenUebernehmen(Baum& baum) const;
    QTreeWidgetItem* Eintrag(const std::string& schluessel) const;

signals:
    /// The user ticked or unticked the node with this key.
    void Gehakt(const QString& schluessel);

private:
    bool m_mitHaken;
    bool m_fuellen = false;
};

} // namespace cb
