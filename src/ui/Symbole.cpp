// SPDX-License-Identifier: GPL-3.0-or-later
#include "Symbole.h"

#include "app/Text.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace cb {

namespace {

enum class Form { Kachel, Kreis, Raute, Quadrat, Dreieck, Fahne, Seite, Ordner, Lupe };

QIcon Malen(Form form, QColor farbe, const QString& zeichen, QColor schrift = Qt::white) {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(farbe.darker(160), 2));
    p.setBrush(farbe);
    QRectF r(3, 3, 26, 26);
    switch (form) {
    case Form::Kachel:
        p.drawRoundedRect(r, 5, 5);
        break;
    case Form::Kreis:
        p.drawEllipse(QRectF(6, 6, 20, 20));
        break;
    case Form::Raute:
        p.drawPolygon(QPolygonF({{16, 4}, {28, 16}, {16, 28}, {4, 16}}));
        break;
    case Form::Quadrat:
        p.drawRect(QRectF(7, 7, 18, 18));
        break;
    case Form::Dreieck:
        p.drawPolygon(QPolygonF({{16, 5}, {28, 27}, {4, 27}}));
        break;
    case Form::Fahne:
        p.drawLine(QPointF(7, 4), QPointF(7, 29));
        p.drawPolygon(QPolygonF({{8, 5}, {27, 10}, {8, 17}}));
        break;
    case Form::Seite:
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}}));
        break;
    case Form::Ordner:
        p.drawPolygon(QPolygonF({{3, 8}, {12, 8}, {15, 11}, {29, 11}, {29, 27}, {3, 27}}));
        break;
    case Form::Lupe:
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(4, 4, 18, 18));
        p.setPen(QPen(farbe.darker(160), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 20), QPointF(28, 28));
        break;
    }
    if (!zeichen.isEmpty()) {
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(zeichen.size() > 1 ? 12 : 16);
        p.setFont(f);
        p.setPen(schrift);
        p.drawText(form == Form::Lupe ? QRectF(4, 4, 18, 18) : r, Qt::AlignCenter, zeichen);
    }
    return QIcon(bild);
}

QIcon Modulbild(std::string_view code) {
    if (code == "1")
        return Malen(Form::Kachel, QColor(200, 120, 20), "F"); // UserForm
    if (code == "2")
        return Malen(Form::Kachel, QColor(40, 110, 190), "M"); // standard module
    if (code == "3")
        return Malen(Form::Kachel, QColor(120, 70, 170), "K"); // class module
    if (code == "5")
        return Malen(Form::Kachel, QColor(30, 140, 80), "D"); // document module
    return Malen(Form::Kachel, QColor(110, 110, 110), "?");
}

QIcon Routinenbild(int typ, int bereich) {
    // Scope by colour, kind by shape
    const QColor farbe = bereich == 2   ? QColor(200, 50, 50)
                         : bereich == 3 ? QColor(40, 90, 200)
                                        : QColor(30, 150, 60);
    switch (typ) {
    case 1:
        return Malen(Form::Kreis, farbe, {});
    case 2:
        return Malen(Form::Raute, farbe, {});
    case 3:
    case 4:
    case 5:
        return Malen(Form::Quadrat, farbe, typ == 3 ? "L" : typ == 4 ? "G" : "S");
    default:
        return Malen(Form::Dreieck, farbe, {}); // Declare
    }
}

QIcon Bilden(std::string_view s) {
    if (s == "Fahne")
        return Malen(Form::Fahne, QColor(220, 40, 40), {});
    if (s.size() >= 2 && s[0] == 'M')
        return Modulbild(s.substr(1));
    if (s.size() >= 4 && s[0] == 'R') {
        const std::size_t o = s.find('O');
        if (o != std::string_view::npos)
            return Routinenbild(static_cast<int>(ZahlenWert(s.substr(1, o - 1))),
                                static_cast<int>(ZahlenWert(s.substr(o + 1))));
    }
    return Malen(Form::Kachel, QColor(110, 110, 110), "?");
}

} // namespace

QIcon BaumBild(std::string_view bildSchluessel) {
    static QHash<QString, QIcon> fertig;
    const QString s = QString::fromUtf8(bildSchluessel.data(), static_cast<qsizetype>(bildSchluessel.size()));
    auto it = fertig.find(s);
    if (it == fertig.end())
        it = fertig.insert(s, Bilden(bildSchluessel));
    return *it;
}

QIcon KnopfBild(std::string_view k) {
    const QColor html(210, 90, 30), suche(40, 110, 190);
    if (k == "neu")
        return Malen(Form::Seite, QColor(90, 90, 90), "+", QColor(30, 150, 60));
    if (k == "open")
        return Malen(Form::Ordner, QColor(230, 180, 60), {});
    if (k == "save")
        return Malen(Form::Kachel, QColor(50, 70, 140), "S");
    if (k == "refresh")
        return Malen(Form::Kreis, QColor(30, 150, 60), "R");
    if (k == "doit")
        return Malen(Form::Dreieck, QColor(30, 150, 60), {});
    if (k == "ht_clip")
        return Malen(Form::Kachel, html, "HZ");
    if (k == "ht_aus")
        return Malen(Form::Kachel, html, "HA");
    if (k == "ht_mod")
        return Malen(Form::Kachel, html, "HM");
    if (k == "ht_pro")
        return Malen(Form::Kachel, html, "HP");
    if (k == "su_a")
        return Malen(Form::Lupe, suche, {});
    if (k == "su_w")
        return Malen(Form::Lupe, suche, ">", suche);
    if (k == "su_p")
        return Malen(Form::Lupe, suche, "P", suche);
    if (k == "su_g")
        return Malen(Form::Lupe, suche, "W", suche);
    if (k == "su_i")
        return Malen(Form::Kachel, suche, "→");
    if (k == "zoom")
        return Malen(Form::Lupe, QColor(90, 90, 90), "+", QColor(90, 90, 90));
    if (k == "close")
        return Malen(Form::Kachel, QColor(200, 50, 50), "X");
    return {};
}

QIcon ProgrammBild() {
    return Malen(Form::Kachel, QColor(150, 90, 40), "CB");
}

} // namespace cb
