#pragma once

#include <QString>

class QLabel;

/// Replaces a readout's text; an unchanged text touches nothing, so that a
/// tick that changes no text causes no relayout or repaint. Sets the name a
/// screen reader reads for it too: the readout's own name, then its value
/// ("Time, 12:30:05 CET +0100"; "Sunrise, 7:58" for "Sunrise:  7:58").
void setReadoutText(QLabel *field, const QString &text, const QString &value);
/// A readout whose whole text is its value.
void setReadoutText(QLabel *field, const QString &text);
