#pragma once

#include <QtTest>

// The two ways a port that exists fails to open, with the words every front end ends its
// explanation with: the columns heldElsewhere (bool) and remedy (QString).
inline void addPortOpenFailureRows()
{
    QTest::addColumn<bool>("heldElsewhere");
    QTest::addColumn<QString>("remedy");
    QTest::newRow("permission denied") << false
        << ": permission denied. Install the Ulvo Connect package (or its udev rule), or add your "
           "user to the dialout group and log in again.";
    QTest::newRow("in use by another program") << true
        << ": it is in use by another program. Close the other program.";
}
