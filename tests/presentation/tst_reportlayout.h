#pragma once

#include <QObject>

// The printed report's page arithmetic and its lines, without a printer.
class ReportLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void margins_columns_and_header_follow_the_device_data();
    void margins_columns_and_header_follow_the_device();
    void label_starts_a_page_only_below_the_bottom_margin_data();
    void label_starts_a_page_only_below_the_bottom_margin();
    void value_stays_on_its_labels_line_even_when_the_page_is_full();
    void value_before_any_label_is_dropped();
    void option_groups_set_the_line_count_data();
    void option_groups_set_the_line_count();
    void small_pages_repeat_the_header_and_keep_values_beside_labels_data();
    void small_pages_repeat_the_header_and_keep_values_beside_labels();
    void computed_values_follow_the_chosen_units_data();
    void computed_values_follow_the_chosen_units();
};
