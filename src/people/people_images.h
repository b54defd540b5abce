#pragma once

#include <QPixmap>

// The 48 by 48 pictures of the diagnostics window's five groups: the orbital server, the public
// address, the network card, the traffic and the engine.
enum class DiagnosticsGroup { OrbitalServer, PublicAddress, NetworkCard, Traffic, Engine };
QPixmap DiagnosticsGroupPicture(DiagnosticsGroup group, qreal devicePixelRatio);
