#include "model/ResultMembers.h"

const ResultMember kResultMembers[10] = {
    {"netVolume", &LoadResults::netVolume},
    {"cabinetLoad", &LoadResults::cabinetLoad},
    {"doorLoad", &LoadResults::doorLoad},
    {"transmissionLoad", &LoadResults::transmissionLoad},
    {"additionalLoad", &LoadResults::additionalLoad},
    {"coolDownLoad", &LoadResults::coolDownLoad},
    {"requestedCapacity", &LoadResults::requestedCapacity},
    {"tEvaporator", &LoadResults::tEvaporator},
    {"tCondenser", &LoadResults::tCondenser},
    {"subcooling", &LoadResults::subcooling},
};

const ResultMember* ResultMemberNamed(const std::string& name)
{
    for (const ResultMember& r : kResultMembers)
        if (name == r.name)
            return &r;
    return nullptr;
}
