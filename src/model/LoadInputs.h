#pragma once

// Every input of one calculation, named as its stored entry. Values are in the units the user
// chose, except the two custom k values, which are always in W/(m.K).
struct LoadInputs {
    int iType = 1;  // row of the insulation materials
    int iType2 = 4; // row of the door materials
    int iProd = 7;  // row of the products
    bool iDoorCheck = false;
    bool iHeatCheck = false;
    bool iCoolCheck = false;
    bool iCondCheck = false;
    int iRunTime = 75; // percent, whole part only
    double iAmbient = 32;
    double iEvapTemp = 3; // temperature inside the box
    double iEvaporating = -7;
    double iCondensing = 42;
    double iSubcool = 1; // a temperature difference
    double iOpenings = 0;
    double iLightLoad = 0;
    double iFanLoad = 0;
    double iAntisweatLoad = 0;
    double iCoolMass = 0;
    double iStart = 25;
    double iEnd = 5;
    double iTime = 6.0; // hours
    double iDepth = 400;
    double iWidth = 500;
    double iHeight = 1000;
    double iInsulation = 50;
    double iInsulTherm = 0; // custom wall k, W/(m.K)
    double iDoorWidth = 500;
    double iDoorHeight = 1000;
    double iDoorInsul = 50;
    double iDoorInsulTherm = 0; // custom door k, W/(m.K)
};
