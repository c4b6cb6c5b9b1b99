// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One read-only code pane: the text, colours, bold lines, font and tab
// stops of a module as the core describes them (CodeAnsicht, Optionen).
// Positions to and from the core are in characters (code points); the
// pane converts them to Qt's UTF-16 units. Only what the user does is
// reported: a selection the core sets is not echoed back.
#include <QPlainTextEdit>

#include <cstddef>
#include <utility>
#include <vector>

namespace cb {

struct CodeAnsicht;
struct Optionen;

class CodeFenster : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeFenster(QWidget* parent = nullptr);

    void Fuellen(const CodeAnsicht& code, const Optionen& o);
    bool Gefuellt() const { return m_gefuellt; }
    /// Caret at anfang, the selection laenge characters long, scrolled into view.
    void AuswahlSetzen(std::size_t anfang, std::size_t laenge);
    /// Start and length of the selection, in characters.
    std::pair<std::size_t, std::size_t> Auswahl() const;

signals:
    void AuswahlGeaendert(std::size_t anfang, std::size_t laenge);
    void KontextMenueVerlangt(const QPoint& global);
    /// Copy keys: the core copies, with the formatting the pane shows.
    void KopierenVerlangt();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int Utf16(std::size_t zeichen) const;
    std::size_t Zeichen(int utf16) const;
    void Melden();

    // Characters beyond the Basic Multilingual Plane take two UTF-16 units;
    // their places, in characters, sorted. Empty for almost every module.
    std::vector<std::size_t> m_doppelt;
    bool m_gefuellt = false;
};

} // namespace cb
