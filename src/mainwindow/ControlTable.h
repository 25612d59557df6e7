#pragma once

// The main window's controls by identifier, in tab order, with their kinds and option groups.
enum class ControlId : int {
    Ambient = 1008,
    BoxTemperature = 1004,
    DetailedCheck = 1048,
    Evaporating = 1049,
    Condensing = 1050,
    Subcooling = 1051,
    Depth = 1027,
    Width = 1028,
    Height = 1029,
    InsulationType = 1017,
    InsulationK = 1044,
    Insulation = 1030,
    DoorCheck = 1042,
    DoorWidth = 1036,
    DoorHeight = 1037,
    DoorType = 1040,
    DoorK = 1045,
    DoorInsulation = 1038,
    HeatCheck = 1046,
    Openings = 1003,
    Light = 1031,
    Fan = 1007,
    Antisweat = 1043,
    CoolCheck = 1047,
    CoolMass = 1005,
    Product = 1032,
    Start = 1006,
    End = 1033,
    CoolTime = 1034,
    RunTime = 1035,
    HelpButton = 1019,
    PrintButton = 1018,
    UnitsButton = 1016,
    ProductSelectionButton = 1041,
    ResultsList = 1020,
    HomePageLink = 1022,
    ProductPageLink = 1039,
};

enum class ControlKind {
    Field,
    CheckBox,
    SelectionBox,
    Button,
    ReportList,
    LinkLabel
};

// C conditions, D detailed conditions, K cabinet, R door, A additional loads, L cool-down,
// P compressor; 0 for the controls outside the form.
struct ControlInfo {
    ControlId id;
    ControlKind kind;
    char group;
};

inline constexpr int kControlCount = 37;
extern const ControlInfo kControls[kControlCount];

const ControlInfo& InfoOf(ControlId id);
