#pragma once
// Choice of the station's own IPv4 address (gHostIp) and of the broadcast address that belongs to it.

#include <QHostAddress>
#include <QList>
#include <QNetworkAddressEntry>
#include <QString>
#include <QStringList>

// Keeps gHostIp while the machine still carries it, else takes the first qualifying address and stores it
// in the project's network row. False when that row could not be written: the new address then serves
// this run only.
[[nodiscard]] bool updateHostIp();
// The broadcast address of the interface entry that carries gHostIp, else 255.255.255.255.
QHostAddress getBroadcastAddress();

// The same choices over given address lists, so that they can be checked without the machine's interfaces.
// Answers the new host address, or an empty text when gHostIp is to stay.
QString chooseHostIp(const QString &current, const QList<QHostAddress> &machineAddresses);
// The addresses that may serve as the host address (IPv4, neither null nor loopback), as texts in list order.
QStringList hostAddressTexts(const QList<QHostAddress> &machineAddresses);
QHostAddress findBroadcastAddress(const QString &hostIp, const QList<QNetworkAddressEntry> &entries);
