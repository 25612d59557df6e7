#include "model/InputTable.h"

#include <stdexcept>

LoadInputs::LoadInputs()
{
    for (const InputRow& row : kInputs) {
        if (row.member.number)
            this->*row.member.number = row.firstRun;
        else if (row.member.whole)
            this->*row.member.whole = static_cast<int>(row.firstRun);
        else
            this->*row.member.flag = row.firstRun != 0;
    }
}

const InputRow* InputNamed(const std::string& name)
{
    for (const InputRow& row : kInputs)
        if (name == row.name)
            return &row;
    return nullptr;
}

const InputRow& InputOf(InputField field)
{
    for (const InputRow& row : kInputs)
        if (row.IsNumber() && row.Field() == field)
            return row;
    throw std::out_of_range("no numeric field " + std::to_string(static_cast<int>(field)));
}

const MaterialInput* MaterialOfK(InputField field)
{
    for (const MaterialInput& m : kMaterialInputs)
        if (m.kField == field)
            return &m;
    return nullptr;
}

int SelectionRows(const Tables& tables, Selector selector)
{
    return selector == Selector::iProd ? tables.products.Count() : (tables.*MaterialOf(selector).table).Count();
}

const std::string& SelectionName(const Tables& tables, Selector selector, int row)
{
    return selector == Selector::iProd ? tables.products.Name(row) : (tables.*MaterialOf(selector).table).Name(row);
}
