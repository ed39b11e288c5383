// The frames of the timetable window's empty state: a bell on a cord swinging from one side
// to the other over 75 frames, each 50 x 115, drawn when shown.
#pragma once

#include <QPixmap>

inline constexpr int kEmptyStateFrames = 75;

QPixmap emptyStateFrame(int index, qreal ratio);
