// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodeFenster.h"
#include "Masse.h"

#include "app/Optionen.h"
#include "app/Text.h"
#include "render/CodeAnsicht.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace cb {

namespace {

QColor Farbe(std::int32_t wert) {
    // Colour values keep red in the low byte
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}

} // namespace

CodeFenster::CodeFenster(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // Read-only, yet with a caret the keys move: the caret names the routine
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(NoWrap);
    setUndoRedoEnabled(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void CodeFenster::Fuellen(const CodeAnsicht& code, const Optionen& o) {
    const QString text = QString::fromStdString(code.Text);
    m_doppelt.clear();
    for (qsizetype i = 0, z = 0; i < text.size(); ++i, ++z)
        if (text[i].isHighSurrogate() && i + 1 < text.size()) {
            m_doppelt.push_back(static_cast<std::size_t>(z));
            ++i;
        }

    QFont schrift(QString::fromStdString(o.SchriftName));
    // A damaged stored size must not ask the screen for glyphs of any size
    schrift.setPointSize(std::clamp(o.SchriftGroesse, 1, MaxPunkte));
    schrift.setStyleHint(QFont::SansSerif);
    setFont(schrift);
    document()->setDefaultFont(schrift);
    // Ten tab stops of the chosen width, then every half inch, as the
    // pane's RTF document sets them
    QTextOption option = document()->defaultTextOption();
    const double tab = std::floor(o.TabstopMm / 10.0 * 567);
    QList<QTextOption::Tab> tabs;
    for (int i = 1; i <= 10 && tab > 0; ++i)
        tabs.append(QTextOption::Tab(TwipsNachPixel(tab * i, this), QTextOption::LeftTab));
    option.setTabs(tabs);
    option.setTabStopDistance(std::max(1.0, TwipsNachPixel(720, this)));
    option.setWrapMode(QTextOption::NoWrap);
    document()->setDefaultTextOption(option);

    setPlainText(text);

    // The spans as additional formats of each line's layout, as a syntax
    // highlighter sets them, but once and at once: the text never changes.
    QTextCharFormat farbe[3];
    farbe[static_cast<int>(FarbArt::Schluessel)].setForeground(Farbe(o.FarbeSchluessel));
    farbe[static_cast<int>(FarbArt::Kommentar)].setForeground(Farbe(o.FarbeKommentar));
    farbe[static_cast<int>(FarbArt::String)].setForeground(Farbe(o.FarbeString));
    QTextCharFormat fett;
    fett.setFontWeight(QFont::Bold);
    auto f = code.Farben.begin();
    auto b = code.Fett.begin();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int anfang = block.position(), ende = anfang + block.length() - 1;
        QList<QTextLayout::FormatRange> formate;
        auto anhaengen = [&](const Spanne& s, const QTextCharFormat& format) {
            const int von = std::max(anfang, Utf16(s.Anfang)),
                      bis = std::min(ende, Utf16(s.Anfang + s.Laenge));
            if (bis > von)
                formate.append({von - anfang, bis - von, format});
        };
        for (; f != code.Farben.end() && Utf16(f->Anfang) < ende; ++f) {
            anhaengen(*f, farbe[static_cast<int>(f->Art)]);
            if (Utf16(f->Anfang + f->Laenge) > ende)
                break; // goes on in the next line
        }
        for (; b != code.Fett.end() && Utf16(b->Anfang) < ende; ++b) {
            anhaengen(*b, fett);
            if (Utf16(b->Anfang + b->Laenge) > ende)
                break;
        }
        if (!formate.isEmpty())
            block.layout()->setFormats(formate);
    }
    document()->markContentsDirty(0, document()->characterCount());
    m_gefuellt = true;
}

int CodeFenster::Utf16(std::size_t zeichen) const {
    const auto davor = std::lower_bound(m_doppelt.begin(), m_doppelt.end(), zeichen) - m_doppelt.begin();
    return static_cast<int>(zeichen + static_cast<std::size_t>(davor));
}

std::size_t CodeFenster::Zeichen(int utf16) const {
    // The n-th doubled character sits at UTF-16 unit place + n
    std::size_t n = 0;
    while (n < m_doppelt.size() && m_doppelt[n] + n < static_cast<std::size_t>(utf16))
        ++n;
    return static_cast<std::size_t>(utf16) - n;
}

void CodeFenster::AuswahlSetzen(std::size_t anfang, std::size_t laenge) {
    const int ende = document()->characterCount() - 1;
    QTextCursor c = textCursor();
    c.setPosition(std::min(Utf16(anfang), ende));
    c.setPosition(std::min(Utf16(anfang + laenge), ende), QTextCursor::KeepAnchor);
    // A caret out of sight comes to the top, so that a routine jumped to
    // shows from its first line on; one in sight stays where it is.
    const bool sichtbar = isVisible() && viewport()->rect().contains(cursorRect(c));
    setTextCursor(c);
    if (!sichtbar)
        verticalScrollBar()->setValue(c.block().blockNumber());
    ensureCursorVisible();
    setFocus();
}

std::pair<std::size_t, std::size_t> CodeFenster::Auswahl() const {
    const QTextCursor c = textCursor();
    const std::size_t von = Zeichen(c.selectionStart()), bis = Zeichen(c.selectionEnd());
    return {von, bis - von};
}

void CodeFenster::Melden() {
    const auto [anfang, laenge] = Auswahl();
    emit AuswahlGeaendert(anfang, laenge);
}

void CodeFenster::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit KopierenVerlangt();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CodeFenster::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    Melden();
}

void CodeFenster::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Melden();
}

void CodeFenster::contextMenuEvent(QContextMenuEvent* event) {
    emit KontextMenueVerlangt(event->globalPos());
}

} // namespace cb
