#include "menuactions.h"
#include <array>

namespace menuactions {
namespace {
std::array<Action, 8> &Table()
{
    static std::array<Action, 8> table;
    return table;
}
} // namespace

void Set(int entry, Action action)
{
    if (entry >= 0 && entry < int(Table().size()))
        Table()[size_t(entry)] = std::move(action);
}

Action Get(int entry)
{
    if (entry >= 0 && entry < int(Table().size()))
        return Table()[size_t(entry)];
    return {};
}

void Clear()
{
    Table().fill(Action());
}

} // namespace menuactions
