#pragma once

// Satellites' element files in every form the program reads: two- and
// three-line sets and OMM as CSV (read by orbits/), and OMM as JSON and XML,
// parsed here with Qt Core's readers and checked by the same OMM code.

#include "orbits/ElementReader.h"

#include <QByteArray>
#include <QString>

/// Reads a file; one that is missing, not a regular file or longer than
/// orbits::kMaxElementFileBytes gives only fileProblem, unread.
orbits::ElementFile readElementFile(const QString &path);

/// The bytes of a file, its form told by its first character: '[' or '{'
/// for JSON, '<' for XML, else element sets or CSV.
orbits::ElementFile parseElementBytes(const QByteArray &bytes);

/// A problem in plain words, "a bad checksum"; in the user's language when
/// translated is set, else in English for the command line.
QString elementProblemText(orbits::ElementProblem problem, bool translated);

/// The one line to tell the user about a file read: why nothing could be
/// read, or how many records were skipped and the first one's line; empty
/// when every record was used.
QString elementFileMessage(const orbits::ElementFile &file, const QString &path, bool translated);
