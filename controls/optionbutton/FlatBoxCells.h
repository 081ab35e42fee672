#pragma once

#include <QImage>

namespace qv3dopt {

// The system's picture of flat check boxes and radio buttons: four columns
// (clear, set, pressed, pressed and set) in three rows (check boxes, radio
// buttons, the radio buttons' mask), 13 pixels a cell. Outside its circle a
// radio cell is white and the mask black, so that painting the mask in and
// the cell over it leaves the background round the circle as it was.
const QImage& flatBoxCells();

} // namespace qv3dopt
