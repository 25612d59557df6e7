#pragma once

#include <QObject>

class CalculationTest : public QObject {
    Q_OBJECT
private slots:
    void default_cabinet();
    void default_cabinet_in_imperial_units();
    void loads_of_the_option_sections_data();
    void loads_of_the_option_sections();
    void glass_door_writes_its_thickness_back_data();
    void glass_door_writes_its_thickness_back();
    void detailed_conditions_set_the_compressor_conditions();
    void warning_lets_the_calculation_finish();
    void warning_stays_beside_a_later_error();
    void custom_k_is_taken_from_the_inputs();
    void stopped_calculation_keeps_what_it_did_not_reach();
    void subcooling_stays_in_kelvin_after_a_temperature_error();
    void zero_custom_k_stops_before_the_loads();
};
