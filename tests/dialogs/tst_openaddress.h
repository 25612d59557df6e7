#pragma once

#include <QObject>

class OpenAddressTest : public QObject {
    Q_OBJECT

private slots:
    void error_texts_data();
    void error_texts();
    void show_open_error_warns_with_ok();
    void command_from_exec_line_data();
    void command_from_exec_line();
    void address_stays_one_argument_data();
    void address_stays_one_argument();
    void default_handler_follows_lookup_order();
    void fallback_starts_handler_with_address();
    void fallback_result_codes_data();
    void fallback_result_codes();
    void no_handler_anywhere_is_no_association();
};
