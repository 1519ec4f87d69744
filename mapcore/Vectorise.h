#pragma once

// GCC runs its vectoriser on some loops only when a function asks for it;
// clang vectorises them at -O2 already and knows no such attribute.
#if defined(__clang__)
#define DUSKMAP_VECTORISE(options)
#else
#define DUSKMAP_VECTORISE(options) __attribute__((optimize(options)))
#endif
