#pragma once
#include <QString>

class QPainter;

namespace vok {

// The darker colour of a 3D pie's lower face: three quarters of the colour's number, rounded to
// even, as the 3D mode has always shaded (191 for 255, 49151 for 65535).
quint32 pieShade(quint32 color);

// Paints a pie seen at a slant: an upper face in `face` over a black side and a shaded lower
// face, each carrying a wedge in `wedge` (shaded below) that runs from 12 o'clock clockwise over
// `percent` per cent of the disc, and the label on the lower face. The pie is `width` wide and
// width / 2 high per face, at (left, top).
void Draw3DPie(QPainter& p, int percent, int left, int top, int width, quint32 face, quint32 wedge,
               const QString& caption);

// Writes the percentage and the caption in the box (x1, y1)-(x2, y2) in the painter's font and
// pen, on the painter's brush colour.
void Draw3DPieLabel(QPainter& p, int percent, int x1, int y1, int x2, int y2,
                    const QString& caption);

} // namespace vok
