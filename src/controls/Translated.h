#pragma once

#include <string>

// The lookup the Qt layers hand to the model's texts (model/TextLookup.h): the installed
// translation of text under its context, or text itself when there is none.
std::string Translated(const char* context, const char* text);
