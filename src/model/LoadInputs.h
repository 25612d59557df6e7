#pragma once

// Every input of one calculation, named as its stored entry. Values are in the units the user
// chose, except the two custom k values, which are always in W/(m.K). A new one holds the
// first-run inputs of the input table.
struct LoadInputs {
    LoadInputs();

    int iType{};  // row of the insulation materials
    int iType2{}; // row of the door materials
    int iProd{};  // row of the products
    bool iDoorCheck{};
    bool iHeatCheck{};
    bool iCoolCheck{};
    bool iCondCheck{};
    int iRunTime{}; // percent, whole part only
    double iAmbient{};
    double iEvapTemp{}; // temperature inside the box
    double iEvaporating{};
    double iCondensing{};
    double iSubcool{}; // a temperature difference
    double iOpenings{};
    double iLightLoad{};
    double iFanLoad{};
    double iAntisweatLoad{};
    double iCoolMass{};
    double iStart{};
    double iEnd{};
    double iTime{}; // hours
    double iDepth{};
    double iWidth{};
    double iHeight{};
    double iInsulation{};
    double iInsulTherm{}; // custom wall k, W/(m.K)
    double iDoorWidth{};
    double iDoorHeight{};
    double iDoorInsul{};
    double iDoorInsulTherm{}; // custom door k, W/(m.K)
};
