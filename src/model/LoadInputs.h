#pragma once

// Every input of one calculation, named as its stored entry. Values are in the units the user
// chose, except the two custom k values, which are always in W/(m.K). A new one holds the
// first-run inputs of the input table.
struct LoadInputs {
    LoadInputs();

    int iType{}, iType2{}, iProd{}; // rows of the insulation materials, door materials and products
    bool iDoorCheck{}, iHeatCheck{}, iCoolCheck{}, iCondCheck{};
    int iRunTime{}; // percent, whole part only
    // iEvapTemp is the temperature inside the box; iSubcool a temperature difference.
    double iAmbient{}, iEvapTemp{}, iEvaporating{}, iCondensing{}, iSubcool{};
    double iOpenings{}, iLightLoad{}, iFanLoad{}, iAntisweatLoad{};
    double iCoolMass{}, iStart{}, iEnd{}, iTime{}; // the time in hours
    double iDepth{}, iWidth{}, iHeight{}, iInsulation{};
    double iInsulTherm{}; // custom wall k, W/(m.K)
    double iDoorWidth{}, iDoorHeight{}, iDoorInsul{};
    double iDoorInsulTherm{}; // custom door k, W/(m.K)
};
