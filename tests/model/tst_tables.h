#pragma once

#include <QObject>

class TablesTest : public QObject {
    Q_OBJECT
private slots:
    void tables_hold_their_rows_in_order();
    void glass_rows_carry_fixed_thickness();
    void only_six_form_rows_have_help();
    void rebuilding_resets_the_custom_k();
    void row_indices_are_limited_to_the_table_data();
    void row_indices_are_limited_to_the_table();
};
