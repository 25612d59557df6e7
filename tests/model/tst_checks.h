#pragma once

#include <QObject>

class ChecksTest : public QObject {
    Q_OBJECT
private slots:
    void each_check_reports_its_row_data();
    void each_check_reports_its_row();
    void limits_pass_on_their_boundary_data();
    void limits_pass_on_their_boundary();
    void first_failing_check_wins_data();
    void first_failing_check_wins();
    void row_text_prefix_depends_on_message_length();
};
