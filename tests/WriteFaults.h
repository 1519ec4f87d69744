#pragma once

#include <QFile>
#include <QString>

#include <csignal>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

/// Writes fail as on a full disk: files stop growing at 16 bytes ("File too
/// large"), as RLIMIT_FSIZE allows without privileges. For a child process.
inline void limitFileSizes()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 16; // the hard limit, once lowered, stays lowered
    setrlimit(RLIMIT_FSIZE, &limit);
}

/// Root writes into a folder of mode 0555 all the same; without the
/// capability to override permissions it is denied as anyone else.
/// For a child process: dropped for good, across exec.
inline void dropPermissionOverride()
{
    prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE);
}

/// The same in this process while it lives, on the calling thread: a full disk
/// or a read-only folder.
class WriteFault
{
public:
    WriteFault(bool fullDisk, const QString &folder) : m_folder(folder)
    {
        getrlimit(RLIMIT_FSIZE, &m_limit);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        syscall(SYS_capget, &m_header, m_caps);
        if (fullDisk) {
            limitFileSizes();
            return;
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        __user_cap_data_struct caps[2] = {m_caps[0], m_caps[1]};
        caps[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &m_header, caps);
    }
    ~WriteFault()
    {
        syscall(SYS_capset, &m_header, m_caps);
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setrlimit(RLIMIT_FSIZE, &m_limit);
        std::signal(SIGXFSZ, m_signal);
    }
    Q_DISABLE_COPY_MOVE(WriteFault)

private:
    QString m_folder;
    rlimit m_limit{};
    void (*m_signal)(int) = nullptr;
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_caps[2]{};
};
