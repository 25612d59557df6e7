#pragma once

#include <QObject>

class HyperLinkLabelTest : public QObject {
    Q_OBJECT

private slots:
    void starts_as_an_unvisited_link();
    void address_sets_tooltip_and_width();
    void label_without_address_opens_caption();
    void failed_click_after_success_clears_visited();
    void leave_check_restores_font_and_colour_data();
    void leave_check_restores_font_and_colour();
    void fitted_geometry_keeps_alignment_edge_data();
    void fitted_geometry_keeps_alignment_edge();
    void colour_set_with_no_hover_uses_highlight();
};
