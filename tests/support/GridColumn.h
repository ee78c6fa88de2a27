#pragma once
#include "controls/GridRows.h"
#include <QStringList>

namespace vok::test {

// One column's texts, top to bottom.
inline QStringList column(const GridRows& g, int c) {
    QStringList texts;
    for (int r = 0; r < g.rows(); ++r)
        texts << g.cell(c, r);
    return texts;
}

} // namespace vok::test
