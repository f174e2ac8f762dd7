#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What a calculator says about itself in answer to GET_DEVICE_INF.
struct DeviceInfo {
    QString hv;
    QString fv;
    QString pv;
    QString name;
    // Bytes per frame, within what a frame can carry: 512 for a reported 0 or less.
    int chunkSize = 0;
};

// The device information in an answer payload; no value for anything but SEND_DEVICE_INF with
// device information (including bytes that are no message).
std::optional<DeviceInfo> readDeviceInfo(const QByteArray &payload);
