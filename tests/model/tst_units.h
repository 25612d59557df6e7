#pragma once

#include <QObject>

class UnitsTest : public QObject {
    Q_OBJECT
private slots:
    void conversions_use_their_constants();
    void integer_conversions_truncate_toward_zero();
    void rounding_goes_half_away_from_zero_data();
    void rounding_goes_half_away_from_zero();
    void unit_labels_follow_the_choices_data();
    void unit_labels_follow_the_choices();
    void text_conversions_format_their_results();
    void temperatures_convert_rounded_subcooling_not();
    void mass_converts_rounded();
    void k_values_return_exactly_from_the_table();
    void lengths_convert_to_two_decimals_and_back_rounded();
    void unchanged_choices_convert_nothing();
    void read_load_inputs_takes_custom_k_only_when_customized();
};
