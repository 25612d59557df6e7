#include "model/Tables.h"

#include "model/Translatable.h"

#include <algorithm>

namespace {

const std::string kEmpty;

void BuildInsulationMaterials(MaterialTable& t)
{
    t.Clear();
    t.Add(QT_TRANSLATE_NOOP("Materials", "Customized"), 0.0);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Polyurethane foam"), 0.027);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Cyclopentane"), 0.021);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Polystyrol"), 0.034);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Rockwool"), 0.036);
}

void BuildDoorMaterials(MaterialTable& t)
{
    t.Clear();
    t.Add(QT_TRANSLATE_NOOP("Materials", "Customized"), 0.0);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Glass 2 layer"), 0.0644, 23);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Glass 3 layer"), 0.0684, 36);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Glass 'Super low energy'"), 0.0264, 24);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Polyurethane foam"), 0.027);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Cyclopentane"), 0.021);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Polystyrol"), 0.034);
    t.Add(QT_TRANSLATE_NOOP("Materials", "Rockwool"), 0.036);
}

void BuildProducts(ProductTable& t)
{
    t.Clear();
    t.Add(QT_TRANSLATE_NOOP("Products", "Cream"), 3270);
    t.Add(QT_TRANSLATE_NOOP("Products", "Ice cream"), 2930);
    t.Add(QT_TRANSLATE_NOOP("Products", "Milk"), 3770);
    t.Add(QT_TRANSLATE_NOOP("Products", "Cheese"), 2100);
    t.Add(QT_TRANSLATE_NOOP("Products", "Butter"), 1380);
    t.Add(QT_TRANSLATE_NOOP("Products", "Bread"), 2800);
    t.Add(QT_TRANSLATE_NOOP("Products", "Beer"), 3850);
    t.Add(QT_TRANSLATE_NOOP("Products", "Water"), 4189);
    t.Add(QT_TRANSLATE_NOOP("Products", "Poultry"), 3350);
    t.Add(QT_TRANSLATE_NOOP("Products", "Sheep meagre"), 3050);
    t.Add(QT_TRANSLATE_NOOP("Products", "Veal"), 2970);
    t.Add(QT_TRANSLATE_NOOP("Products", "Lamb"), 3010);
    t.Add(QT_TRANSLATE_NOOP("Products", "Beef"), 3220);
    t.Add(QT_TRANSLATE_NOOP("Products", "Sausage"), 3720);
    t.Add(QT_TRANSLATE_NOOP("Products", "Pork"), 2510);
    t.Add(QT_TRANSLATE_NOOP("Products", "Fish meagre"), 3470);
    t.Add(QT_TRANSLATE_NOOP("Products", "Fisk fat"), 2840);
    t.Add(QT_TRANSLATE_NOOP("Products", "Vegetables (average)"), 3850);
}

void BuildFormHelp(std::array<std::string, Tables::kFormHelpCount>& help)
{
    help.fill({});
    help[1] = QT_TRANSLATE_NOOP(
        "FormHelp", "Outside air surrounding the appliance. It is recommended to use the most typical ambient "
                    "temperature during a year. Be aware that load increases in very hot ambient conditions. If "
                    "the compressor is selected for the highest ambient temperatures in the year, it may be "
                    "oversized during the cooler period in winter.");
    help[2] = QT_TRANSLATE_NOOP(
        "FormHelp", "Average temperature inside the appliance. Do not enter lower value than requested for the "
                    "specific refrigerated goods, as heat load increases.");
    help[23] = QT_TRANSLATE_NOOP(
        "FormHelp", "Additional load added due to door or lid openings. In most cases the load is so small that "
                    "it can be ignored. In case there are many openings per day it must be added. An up-right "
                    "door opening will add more load than a lid opening on a chest cabinet.");
    help[26] = QT_TRANSLATE_NOOP(
        "FormHelp", "Heat elements or hot-gas pipe can be installed in the door frame to prevent humid air to "
                    "condensate and form ice around the door. In most case this heat load can be ignored. If "
                    "there is considerable anti-sweat load it must be added as heat load.");
    help[28] = QT_TRANSLATE_NOOP(
        "FormHelp", "The mass of goods that needs to be cooled down in a certain time from start to stop "
                    "temperature. Be aware cool down load can be very high and will require a lot of compressor "
                    "capacity. In most cases cool-down load can be ignore unless it is recurring on a daily "
                    "basis. Latent heat in transition phase of liquid not incorporated. If in doubt contact "
                    "Nordavik for further advice.");
    help[34] = QT_TRANSLATE_NOOP(
        "FormHelp", "It is recommended to have a maximum 75% running time of the compressor, in a thermostat "
                    "cycle, in order to have some extra pull-down capacity or if load increases.");
}

void BuildResultHelp(std::array<std::string, Tables::kResultHelpCount>& help)
{
    help[0] = QT_TRANSLATE_NOOP(
        "ResultHelp", "Cooling capacity required to remove the heat load. In the calculation the maximum runtime "
                      "value has been multiplied.");
    help[1] = QT_TRANSLATE_NOOP(
        "ResultHelp", "T Evaporator is a calculated value based on the Temperature inside the box \u2013 10 degrees, "
                      "as a rule of thumb. Delta t is then 10K. Depending on the evaporator design, type and "
                      "effectiveness of heat exchange the delta t may be higher or lower. If the compressor "
                      "capacity is much higher than the heat load then the delta will also be much bigger. In that "
                      "case V-speed compressors have the advantage that speed can be adapted to the heat load, and "
                      "thereby save energy and maybe go one size down in compressor displacement. Contact Nordavik "
                      "for more info. When selecting the compressor and there is a big deviation to the suggested "
                      "T evaporator temperature, the compressor must be selected at the lower or higher evaporator "
                      "temperature.");
    help[2] = QT_TRANSLATE_NOOP(
        "ResultHelp", "T Condenser is a calculated value based on Ambient temperature + 10 degrees, as a rule of "
                      "thumb. Delta t is then 10K. Depending on the condenser design, type and effectiveness of "
                      "heat exchange the delta t may be higher or lower. If the condenser is undersized delta T "
                      "will be much higher than 10K. Consequently energy consumption will increase rapidly.");
    help[3] = QT_TRANSLATE_NOOP(
        "ResultHelp", "Sub-cooling is the temperature difference between saturated liquid temperature and actual "
                      "liquid temperature.");
}

} // namespace

void MaterialTable::Add(std::string name, double k, int fixedThicknessMm)
{
    if (Count() < kCapacity)
        rows_.push_back({std::move(name), k, fixedThicknessMm});
}

const MaterialRow& MaterialTable::Row(int row) const
{
    return rows_.at(static_cast<size_t>(ClampRowIndex(row, Count())));
}

const ProductRow& ProductTable::Row(int row) const
{
    return rows_.at(static_cast<size_t>(ClampRowIndex(row, Count())));
}

const std::string& Tables::FormHelp(int row) const
{
    return row >= 0 && row < kFormHelpCount ? formHelpTexts[static_cast<size_t>(row)] : kEmpty;
}

const std::string& Tables::ResultHelp(int row) const
{
    return row >= 0 && row < kResultHelpCount ? resultHelpTexts[static_cast<size_t>(row)] : kEmpty;
}

void BuildTables(Tables& tables)
{
    BuildInsulationMaterials(tables.insulationMaterials);
    BuildDoorMaterials(tables.doorMaterials);
    BuildProducts(tables.products);
    BuildFormHelp(tables.formHelpTexts);
    BuildResultHelp(tables.resultHelpTexts);
}

int ClampRowIndex(int index, int rowCount)
{
    return std::clamp(index, 0, std::max(rowCount - 1, 0));
}
