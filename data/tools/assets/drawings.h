#pragma once

#include <QImage>

// One function per question picture; each returns a finished, captioned sheet.
namespace assets::drawings {

QImage noPicture();

// Protective equipment and detection.
QImage breathingApparatus();
QImage extinguisherClasses();
QImage sprinklerHead();
QImage smokeDetector();

// Tools and water supply.
QImage extensionLadder();
QImage halligan();
QImage hydrant();
QImage fogNozzle();

// Fire behaviour, hazardous materials and building construction.
QImage fireTetrahedron();
QImage placard();
QImage truss();

// Knots.
QImage bowline();
QImage cloveHitch();

} // namespace assets::drawings
