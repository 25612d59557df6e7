#pragma once

#include <QObject>

class VersionInfoTest : public QObject {
    Q_OBJECT

private slots:
    void own_executable_gives_product_texts();
    void own_executable_answers_every_query();
    void executable_without_block_gives_fallbacks_data();
    void executable_without_block_gives_fallbacks();
    void long_values_are_cut_data();
    void long_values_are_cut();
    void query_outside_standard_names_leaves_output();
    void query_string_argument_rules();
    void code_page_names_data();
    void code_page_names();
    void language_names();
    void translations_select_string_table();
    void module_version_only_for_libraries();
    void truncated_or_corrupted_block_is_not_valid();
    void truncated_or_corrupted_elf_never_crashes();
};
