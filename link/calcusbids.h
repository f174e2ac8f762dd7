#pragma once

#include <QtGlobal>

// The USB ids an Ulvo calculator's virtual serial port announces. The only place they are
// written: the link's discovery, the simulator and the installed udev rule all read them here.
namespace CalcUsbIds {
constexpr quint16 vendorId = 0x0483;
constexpr quint16 productId = 0x5740;
}
