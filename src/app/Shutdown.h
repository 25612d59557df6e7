#pragma once

class QDialog;

// Ends the run from wherever the user is, as a termination signal or the end of the session
// asks: every open menu and dialog is cancelled, innermost first (the print dialog prints
// nothing, Units converts nothing, a message box is dismissed), then the main window closes the
// normal way, so it stores the inputs as on any close. Nothing waits here: each cancelled exec()
// returns as the event loops unwind, and the main window's exec() last.
void ShutDown(QDialog& mainWindow);
