#include "toolkit/vars.h"

#include "toolkit/values.h"

namespace zv {

namespace {
template <class F>
auto scalar(F f)
{
    return [f](std::optional<int> i) -> std::optional<std::string> {
        if (i) return std::nullopt;
        return f();
    };
}
}  // namespace

void VarTable::add(std::string name, const int& v)
{
    vars_[std::move(name)] = scalar([&v] { return formatNumber(v); });
}

void VarTable::add(std::string name, const bool& v)
{
    vars_[std::move(name)] = scalar([&v] { return formatBool(v); });
}

void VarTable::add(std::string name, const double& v)
{
    vars_[std::move(name)] = scalar([&v] { return formatNumber(v); });
}

void VarTable::add(std::string name, const float& v)
{
    vars_[std::move(name)] = scalar([&v] { return formatNumber(v); });
}

void VarTable::add(std::string name, const std::string& v)
{
    vars_[std::move(name)] = scalar([&v] { return v; });
}

std::optional<std::string> VarTable::get(std::string_view name, std::optional<int> index) const
{
    auto it = vars_.find(name);
    if (it == vars_.end()) return std::nullopt;
    return it->second(index);
}

}  // namespace zv
