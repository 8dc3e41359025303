#pragma once
// A table of named variables of a module or form, so that the script driver
// can print them (`var Level`, `var QuestionRec(6)`) without knowing their
// types. The table holds references: it must not outlive the variables.

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zv {

class VarTable {
public:
    void add(std::string name, const int& v);
    void add(std::string name, const bool& v);
    void add(std::string name, const double& v);
    void add(std::string name, const float& v);
    void add(std::string name, const std::string& v);
    template <std::size_t N>
    void add(std::string name, const std::array<std::string, N>& a)
    {
        vars_[std::move(name)] = [&a](std::optional<int> i) -> std::optional<std::string> {
            if (!i || *i < 0 || static_cast<std::size_t>(*i) >= N) return std::nullopt;
            return a[static_cast<std::size_t>(*i)];
        };
    }

    // The printed value, or nullopt for an unknown name or a bad index.
    std::optional<std::string> get(std::string_view name, std::optional<int> index) const;
    bool contains(std::string_view name) const { return vars_.find(name) != vars_.end(); }

private:
    using Reader = std::function<std::optional<std::string>(std::optional<int>)>;
    std::map<std::string, Reader, std::less<>> vars_;
};

}  // namespace zv
