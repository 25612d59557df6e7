#pragma once

// What a calculation computes, in one system of units whatever the user's choices; the layers
// that show, print or write a value convert it (model/ResultRows). Never reset between
// calculations: a calculation that stops at a check leaves the fields it did not reach as the
// last calculation left them.
struct LoadResults {
    double netVolume = 0;         // litres
    double cabinetLoad = 0;       // W
    double doorLoad = 0;          // W
    double transmissionLoad = 0;  // W
    double additionalLoad = 0;    // W
    double coolDownLoad = 0;      // W
    double requestedCapacity = 0; // W
    double tEvaporator = 0;       // degrees C
    double tCondenser = 0;        // degrees C
    double subcooling = 0;        // K
};
