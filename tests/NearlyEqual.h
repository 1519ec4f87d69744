#pragma once

// For values that the mathematics library may round differently in the last bits.

#include <QString>
#include <QTest>

#include <cmath>

inline bool near(double actual, double expected, double tolerance)
{
    return std::fabs(actual - expected) <= tolerance;
}

#define COMPARE_NEAR(actual, expected, tolerance)                                                  \
    QVERIFY2(near((actual), (expected), (tolerance)),                                              \
             qPrintable(QStringLiteral("%1 = %2, expected %3")                                     \
                            .arg(QLatin1String(#actual))                                           \
                            .arg((actual), 0, 'f', 9)                                              \
                            .arg((expected), 0, 'f', 9)))
