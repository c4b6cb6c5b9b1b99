// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tree view of the main window. Arrow keys only move the highlight;
// Enter or a click opens the node; typed letters do nothing, since a tree
// that jumps by letter would leave the user somewhere they never chose.
// The application tree also takes workbooks dropped on it.
#include <QTreeView>

namespace cb {

class BaumModell;

/// Files dragged onto a widget: drag events with local files are taken,
/// and a drop gives their paths. False for every other event.
bool DateiAblage(QEvent* event, QStringList& abgelegt);

class BaumSicht : public QTreeView {
    Q_OBJECT
public:
    BaumSicht(BaumModell& modell, const QString& name, QWidget* parent = nullptr);
    BaumModell& Modell() const { return m_modell; }
    /// The expansion of the model's nodes, and a current node for the keys.
    void Ausklappen();
    void DateienAnnehmen(bool an) {
        m_dateienAnnehmen = an;
        setAcceptDrops(an);
        setDropIndicatorShown(false);
    }

    void keyboardSearch(const QString&) override {}

signals:
    void Geoeffnet(const QString& schluessel);
    void DateienAbgelegt(const QStringList& pfade);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    BaumModell& m_modell;
    bool m_dateienAnnehmen = false;
};

} // namespace cb
