#pragma once
#include "controls/Panel.h"
#include <QDebug>
#include <QStringList>
#include <QVariant>
#include <initializer_list>

namespace vok::test {

// One figure a screen's design gives it (a size, place, caption, colour or text), beside what
// the screen shows.
struct Figure {
    const char* what;
    QVariant shown, design;
};

// The figures shown other than designed, one after another; empty when all match. Compared as
// a whole so that one run names every figure that is off.
inline QString wrongFigures(std::initializer_list<Figure> figures) {
    QStringList wrong;
    for (const Figure& f : figures)
        if (f.shown != f.design) {
            QString line;
            QDebug(&line).nospace()
                << f.what << ": " << f.shown << " shown, " << f.design << " designed";
            wrong << line;
        }
    return wrong.join("; ");
}

// The figures a design gives a panel, in this order: place and size, background and text
// colours, font height in pixels, inner and outer bevel, bevel width.
inline QVariantList panelFigures(const TPanel* p) {
    return {p->geometry(),        p->color(),           p->fontColor(), p->font().pixelSize(),
            int(p->bevelInner()), int(p->bevelOuter()), p->bevelWidth()};
}

} // namespace vok::test
