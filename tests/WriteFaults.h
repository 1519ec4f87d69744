#pragma once

// Writes that fail as on a full disk or in a read-only folder, without
// privileges where the test has none, and for root as well.
#include <QFile>

#include <csignal>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

/// Files stop growing at 16 bytes ("File too large"). The hard limit stays:
/// once lowered, it could not be raised again.
inline void limitFileSizes()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &limit);
}

/// Root is denied a folder of mode 0555 too once it cannot override
/// permissions. For a child process: dropped for good, across exec.
inline void dropPermissionOverride()
{
    prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE);
}

/// In this process, on the calling thread, while it lives: the fault that makes a write into folder
/// fail with reason, "File too large" or "Permission denied"; none for any other.
struct WriteFault
{
    WriteFault(const QString &reason, const QString &folder) : folder(folder)
    {
        getrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        syscall(SYS_capget, &header, caps);
        __user_cap_data_struct lowered[2] = {caps[0], caps[1]};
        if (reason == "Permission denied") {
            lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        syscall(SYS_capset, &header, lowered);
        if (reason == "File too large")
            limitFileSizes();
    }
    ~WriteFault()
    {
        syscall(SYS_capset, &header, caps);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setrlimit(RLIMIT_FSIZE, &limit);
    }

    QString folder;
    rlimit limit{};
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
};
