// Writes the parts of the manual page made from the command line's option
// table again: update_manual PAGE. tst_commandline checks that they are current.
#include "app/CommandLine.h"

#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: update_manual PAGE\n";
        return kExitBadInput;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        err << "update_manual: cannot read " << file.fileName() << ": " << file.errorString()
            << "\n";
        return kExitFailed;
    }
    const QString page = QString::fromUtf8(file.readAll());
    file.close();
    const QString updated = withGeneratedManual(page);
    if (updated.isEmpty()) {
        err << "update_manual: " << file.fileName()
            << " has an unknown or unclosed generated section\n";
        return kExitFailed;
    }
    if (updated != page && (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                            file.write(updated.toUtf8()) < 0 || !file.flush())) {
        err << "update_manual: cannot write " << file.fileName() << ": " << file.errorString()
            << "\n";
        return kExitFailed;
    }
    return kExitSuccess;
}
