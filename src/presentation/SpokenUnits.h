#pragma once

#include "model/TextLookup.h"

#include <string>

// A text with its unit symbols as a screen reader should say them: readers spell "ºC" as
// "masculine ordinal indicator C" and "W/m·K" by its punctuation. Symbols they read well ("mm",
// "W", "kg") stay; the painted texts keep their characters. The lookup gives the spoken words in
// the user's language.
std::string SpokenUnits(std::string text, TextLookup lookup);
