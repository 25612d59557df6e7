#pragma once

#include "storage/InputAssignments.h"

#include <QString>

#include <optional>
#include <string>

// Where the inputs go when the settings store cannot take them and nobody is there to ask (a
// termination signal, the end of the session): a calculation file of its own in the user's state
// folder, $XDG_STATE_HOME/<root>/ (~/.local/state/<root>/ without it), made as needed.
namespace RescueFile {

QString Folder(const QString& root);

// A new file named after the program and the time; its path, or why it could not be written.
struct Outcome {
    QString path;
    std::string error;
};
Outcome Write(const InputAssignments& inputs, const QString& root, const QString& application);

} // namespace RescueFile
