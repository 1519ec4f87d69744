#pragma once

// For the places' own sources only. A problem with a place is one phrase in
// plain words, marked for the translators' catalogues in the context
// "PlaceProblem", then ": " and the text given. The window shows the phrase in
// the user's language; the command line keeps it in English.

#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace places {

/// "no city of that name: Nowhereville"; the phrase alone for no text.
inline std::string problemWith(const char *problem, std::string_view text)
{
    std::string line = problem;
    if (!text.empty())
        line.append(": ").append(text);
    return line;
}

} // namespace places
