// Checks of the server address and port that the user typed.
#pragma once

#include <QString>

// One part of an address: plain decimal digits, at most three, from 0 to 255.
bool chis(const QString &part);

// Four parts that pass chis, joined by exactly three dots.
bool IpRes(const QString &address);

// A TCP port: plain decimal digits, from 1 to 65535.
bool isPortNumber(const QString &port);

// The address as every connection and URL uses it: the four numbers of an address that passes
// IpRes, in plain decimal ("192.168.001.010" is 192.168.1.10, never octal). Empty otherwise.
QString plainAddress(const QString &address);
