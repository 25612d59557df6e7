#pragma once

#include <QObject>

class HelpAboutTest : public QObject {
    Q_OBJECT

private slots:
    void help_box_shows_headings_without_colons();
    void typing_into_help_box_changes_nothing();
    void disclaimer_twice_keeps_help_open();
    void help_link_opens_home_page();
    void dialogs_keep_their_controls_inside();
    void about_line_data();
    void about_line();
    void about_command_routing_data();
    void about_command_routing();
    void about_item_follows_a_separator();
};
