// The program's own pictures, drawn at run time so they stay sharp at any scaling: the icon
// used when the data folder has no logo.ico, and the side panel's three buttons.
#pragma once

#include <QIcon>
#include <QPixmap>

QIcon programIcon();
QIcon playIcon(); // the listen pictures beside the sound lists
QIcon copyIcon(); // "Копировать в буфер обмена"
QIcon freeRoomsIcon(); // "Свободные кабинеты": an open door

// An empty picture of `size` for a screen of the given device pixel ratio, to draw on.
QPixmap transparentPicture(const QSize &size, qreal ratio);

enum class PanelButton { Timetable, Menu, Bells };
// A 105 x 100 button picture, drawn for the given device pixel ratio.
QPixmap panelButtonPicture(PanelButton kind, qreal ratio);
