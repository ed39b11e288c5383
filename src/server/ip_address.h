// Checks of the server address and port that the user typed.
#pragma once

#include <QString>

// One part of an address: plain decimal digits, at most three, from 0 to 255.
bool chis(const QString &part);

// Four parts that pass chis, joined by exactly three dots.
bool IpRes(const QString &address);

// A TCP port: plain decimal digits, from 0 to 65535.
bool isPortNumber(const QString &port);
