#pragma once

#include "app/CommandLine.h"
#include "app/FramePattern.h"

#include <QImage>
#include <QTextStream>

class MapModel;
class Resources;

/// The user's own day and night images, null for the built-in ones.
struct CustomImages
{
    QImage day;
    QImage night;
};

/// Renders the frames of a time-lapse in parallel, one renderer a thread, and
/// writes them in order: numbered image files, or one animated WebP written
/// whole at the end. Shows progress on a terminal, and stops between frames
/// on SIGINT or SIGTERM. Returns the exit status: 0 when every frame is
/// written; 1 when stopped or a write fails, with one line on err that says
/// how many frames were written; 2 when the file names have no image format.
/// The caller has checked that the output folder can be written.
int runTimeLapse(const CommandLineOptions &options, const MapModel &model,
                 const Resources &resources, const CustomImages &images, QTextStream &err);
