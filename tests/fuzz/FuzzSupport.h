#pragma once

#include <QtGlobal>

#include <clocale>
#include <cstdio>
#include <cstdlib>

/// Drops Qt's messages, which every malformed input provokes; fatal ones still abort.
/// Installed as the program starts, before the fuzzer runs.
inline const QtMessageHandler g_previousQtMessageHandler =
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &) {
        if (type == QtFatalMsg)
            std::abort();
    });

/// Takes the locale of the environment, as the program's application object
/// does, whether or not the target makes one: the fuzz runs give numbers a
/// decimal comma.
inline const bool g_localeFromEnvironment = std::setlocale(LC_ALL, "") != nullptr;

/// Aborts, so that the fuzzer keeps the input, when a rule does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
