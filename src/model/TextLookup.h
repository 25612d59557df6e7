#pragma once

#include <string>

// How a marked model text reaches the user: the Qt layers pass a lookup that translates it under
// its context; without one (the command line, the tests) the English text stays as written.
using TextLookup = std::string (*)(const char* context, const char* text);

inline std::string LookUp(TextLookup lookup, const char* context, const char* text)
{
    return lookup ? lookup(context, text) : std::string(text);
}
