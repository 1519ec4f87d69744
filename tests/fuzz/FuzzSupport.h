#pragma once

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: quiet Qt messages and a hard stop on a broken rule.

/// Drops Qt's messages: the code under test warns on every malformed input, and
/// the fuzzer's own output is what matters. Fatal messages still abort.
inline void silenceQtMessages()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &) {
        if (type == QtFatalMsg)
            std::abort();
    });
}

/// Stops the run, so the fuzzer keeps the input, when a rule that must hold does not.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
