#pragma once

#include <QString>

/// How many frame number fields a file name holds, "%d" or "%0Nd" (N from 1
/// to 9); -1 for a "%" that starts neither a frame field nor "%%".
int frameFieldCount(const QString &pattern);

/// The file name of frame number `frame` of a pattern with one frame field;
/// "%%" stands for "%".
QString frameFileName(const QString &pattern, qint64 frame);
