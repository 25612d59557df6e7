#pragma once

#include <array>
#include <string>
#include <vector>

// A material with its thermal conductivity in W/(m.K). Glazing rows of the door table also carry
// the fixed thickness that replaces the door insulation thickness.
struct MaterialRow {
    std::string name;
    double k = 0.0;
    int fixedThicknessMm = 0; // 0: the thickness is an input
};

// Row 0 ("Customized") holds the user's own k and is the only writable value.
class MaterialTable {
public:
    static constexpr int kCapacity = 50;

    void Clear() { rows_.clear(); }
    void Add(std::string name, double k, int fixedThicknessMm = 0);

    int Count() const { return static_cast<int>(rows_.size()); }
    // Row accessors limit the index to the table, as a stored selection is limited.
    const std::string& Name(int row) const { return Row(row).name; }
    double K(int row) const { return Row(row).k; }
    // 0 when the row has no fixed thickness.
    int FixedThicknessMm(int row) const { return Row(row).fixedThicknessMm; }
    bool IsGlass(int row) const { return row >= 0 && row < Count() && FixedThicknessMm(row) > 0; }

    double CustomK() const { return K(0); }
    void SetCustomK(double k) { rows_.at(0).k = k; }

private:
    const MaterialRow& Row(int row) const;
    std::vector<MaterialRow> rows_;
};

struct ProductRow {
    std::string name;
    int specificHeat = 0; // J/(kg.K)
};

class ProductTable {
public:
    static constexpr int kCapacity = 50;

    void Clear() { rows_.clear(); }
    void Add(std::string name, int specificHeat) { rows_.push_back({std::move(name), specificHeat}); }

    int Count() const { return static_cast<int>(rows_.size()); }
    const std::string& Name(int row) const { return Row(row).name; }
    int SpecificHeat(int row) const { return Row(row).specificHeat; }

private:
    const ProductRow& Row(int row) const;
    std::vector<ProductRow> rows_;
};

// Every fixed table of the calculator. The window owns one set for its lifetime.
struct Tables {
    static constexpr int kFormHelpCount = 50;
    static constexpr int kResultHelpCount = 4;

    MaterialTable insulationMaterials;
    MaterialTable doorMaterials;
    ProductTable products;
    std::array<std::string, kFormHelpCount> formHelpTexts;
    std::array<std::string, kResultHelpCount> resultHelpTexts;

    const std::string& FormHelp(int row) const;
    const std::string& ResultHelp(int row) const;
};

// Fills (or refills) all tables; the custom k of both material tables starts at 0.
void BuildTables(Tables& tables);

// A selection index limited to the rows of a table: negative to 0, too large to the last row.
int ClampRowIndex(int index, int rowCount);
