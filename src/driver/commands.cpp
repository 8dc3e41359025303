#include "driver/commands.h"

#include <charconv>
#include <cmath>
#include <exception>
#include <ostream>
#include <vector>

#include "engine/program.h"
#include "toolkit/application.h"

namespace zv {

namespace {

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

template <class T>
bool parseNumber(std::string_view s, T& v)
{
    if (s.empty()) return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size();
}

// "Label1(4)" -> name "Label1", index 4; "lblLock" -> index -1.
bool splitIndex(std::string_view text, std::string& name, int& index, bool& indexed)
{
    indexed = false;
    index = -1;
    auto open = text.find('(');
    if (open == std::string_view::npos) {
        name.assign(text);
        return !name.empty();
    }
    if (text.back() != ')' || open == 0) return false;
    name.assign(text.substr(0, open));
    indexed = true;
    return parseNumber(text.substr(open + 1, text.size() - open - 2), index) && index >= 0;
}

}  // namespace

struct Commands::Target {
    std::string form;
    std::string control;  // empty for the form itself
    int index = -1;
    std::string text;     // as written, for messages
};

bool Commands::parseTarget(std::string_view word, Target& t) const
{
    t = Target{};
    t.text.assign(word);
    auto dot = word.find('.');
    t.form.assign(word.substr(0, dot));
    if (t.form.empty() || !app_.isRegistered(t.form)) return false;
    if (dot == std::string_view::npos) return true;
    bool indexed = false;
    return splitIndex(word.substr(dot + 1), t.control, t.index, indexed);
}

Form* Commands::loadedForm(const Target& t) const { return app_.find(t.form); }

void Commands::ignored(const Target& t) { out_ << "ignored: " << t.text << '\n'; }

bool Commands::execute(std::string_view line)
{
    auto error = [&] {
        out_ << "error: " << line << '\n';
        return false;
    };
    std::vector<std::string_view> w = words(line);
    if (w.empty() || w[0].front() == '#') return true;
    const std::string_view cmd = w[0];
    try {
        if (cmd == "show" && w.size() == 2) {
            Target t;
            if (!parseTarget(w[1], t) || !t.control.empty()) return error();
            app_.run([&] { app_.show(t.form); });
            return true;
        }
        if ((cmd == "click" || cmd == "move" || cmd == "key" || cmd == "text" || cmd == "choose" || cmd == "select" ||
             cmd == "check" || cmd == "close") &&
            w.size() >= 2) {
            Target t;
            if (!parseTarget(w[1], t)) return error();
            // The rest of the line after the target and one blank.
            std::string_view rest;
            std::size_t at = line.find(w[1]) + w[1].size();
            if (at < line.size()) rest = line.substr(at + 1);
            if (cmd != "text" && words(rest).size() != (cmd == "key" || cmd == "check" || cmd == "select" ? 1u : 0u))
                return error();
            if (!userEvent(cmd, t, rest)) return error();
            return true;
        }
        if (cmd == "wait" && w.size() == 2) {
            std::int64_t ms = 0;
            if (!parseNumber(w[1], ms) || ms < 0) return error();
            app_.advanceTo(app_.now() + ms);
            return true;
        }
        if (cmd == "rng" && w.size() >= 2) {
            std::vector<double> numbers;
            for (std::size_t i = 1; i < w.size(); ++i) {
                std::string s(w[i]);
                char* end = nullptr;
                double r = std::strtod(s.c_str(), &end);
                if (end != s.c_str() + s.size() || !(r >= 0 && r < 1)) return error();
                numbers.push_back(r);
            }
            app_.random().queue(numbers);
            return true;
        }
        if (cmd == "seed" && w.size() == 2) {
            std::uint64_t s = 0;
            if (!parseNumber(w[1], s)) return error();
            app_.random().seed(s);
            return true;
        }
        if (cmd == "screen" && w.size() == 3) {
            int width = 0, height = 0;
            if (!parseNumber(w[1], width) || !parseNumber(w[2], height) || width <= 0 || height <= 0) return error();
            app_.setScreen(width, height);
            return true;
        }
        if (cmd == "get" && w.size() == 3) {
            Target t;
            if (!parseTarget(w[1], t) || !get(t, w[2])) return error();
            return true;
        }
        if (cmd == "var" && w.size() == 2) {
            if (!var(w[1])) return error();
            return true;
        }
        if (cmd == "list" && w.size() == 2) {
            Target t;
            if (!parseTarget(w[1], t) || t.control.empty()) return error();
            Form* f = loadedForm(t);
            Control* c = f ? f->find(t.control, t.index) : nullptr;
            if (!c || !c->has(Prop::ListCount)) return error();
            for (std::size_t i = 0; i < c->items().size(); ++i)
                out_ << t.text << '(' << i << ") = " << c->items()[i] << '\n';
            return true;
        }
        if (cmd == "forms" && w.size() == 1) {
            for (Form* f : app_.loadedForms()) out_ << f->name() << (f->visible() ? " visible" : " hidden") << '\n';
            return true;
        }
    } catch (const std::exception& e) {
        out_ << "error: " << line << '\n';
        return false;
    }
    return error();
}

bool Commands::userEvent(std::string_view cmd, const Target& t, std::string_view rest)
{
    Form* f = loadedForm(t);
    if (!f) {
        ignored(t);
        return true;
    }
    if (t.control.empty()) {
        if (cmd == "move") {
            if (!app_.mouseMove(*f)) ignored(t);
            return true;
        }
        if (cmd == "close") {
            if (!app_.closeBox(*f)) ignored(t);
            return true;
        }
        return false;
    }
    if (cmd == "close") return false;
    Control* c = f->find(t.control, t.index);
    if (!c) return false;
    bool done = false;
    if (cmd == "click") {
        done = app_.click(*c);
    } else if (cmd == "move") {
        done = app_.mouseMove(*c);
    } else if (cmd == "key") {
        int code = 0;
        if (!parseNumber(words(rest)[0], code) || code < 0 || code > 255) return false;
        done = app_.keyPress(*c, code);
        // A key the handler let through reaches a text box: Backspace takes
        // the last character away, any other key adds its character.
        if (done && code != 0 && (c->kind() == Kind::TextBox || c->kind() == Kind::ComboBox)) {
            std::string text = c->text();
            if (code == 8) {
                if (!text.empty()) text.pop_back();
            } else {
                text += static_cast<char>(code);
            }
            c->setText(text);
            c->form().fireChange(*c);
        }
    } else if (cmd == "text") {
        if (c->kind() != Kind::TextBox && c->kind() != Kind::ComboBox) return false;
        done = app_.typeText(*c, std::string(rest));
    } else if (cmd == "select") {
        int row = 0;
        if (c->kind() != Kind::ListBox || !parseNumber(words(rest)[0], row)) return false;
        done = app_.selectItem(*c, row);
    } else if (cmd == "choose") {
        if (c->kind() != Kind::OptionButton) return false;
        done = app_.choose(*c);
    } else if (cmd == "check") {
        int v = 0;
        if (c->kind() != Kind::CheckBox || !parseNumber(words(rest)[0], v) || (v != 0 && v != 1)) return false;
        done = app_.check(*c, v);
    }
    if (!done) ignored(t);
    return true;
}

bool Commands::get(const Target& t, std::string_view propName)
{
    Form* f = loadedForm(t);
    auto prop = propFromName(propName);
    if (!f || !prop) return false;
    std::optional<std::string> value;
    if (t.control.empty()) {
        value = f->format(*prop);
    } else {
        Control* c = f->find(t.control, t.index);
        if (!c) return false;
        value = c->format(*prop);
    }
    if (!value) return false;
    out_ << t.text << '.' << propName << " = " << *value << '\n';
    return true;
}

bool Commands::var(std::string_view name)
{
    std::string formName;
    std::string_view varText = name;
    auto dot = name.find('.');
    if (dot != std::string_view::npos) {
        formName.assign(name.substr(0, dot));
        varText = name.substr(dot + 1);
    }
    std::string var;
    int index = -1;
    bool indexed = false;
    if (!splitIndex(varText, var, index, indexed)) return false;
    std::optional<int> idx = indexed ? std::optional<int>(index) : std::nullopt;

    std::optional<std::string> value;
    if (formName.empty()) {
        value = program_.m.vars().get(var, idx);
        if (!value && !program_.m.vars().contains(var)) formName = "Game";
    }
    if (!formName.empty()) {
        Form* f = app_.find(formName);
        if (!f) return false;
        value = f->vars().get(var, idx);
    }
    if (!value) return false;
    out_ << name << " = " << *value << '\n';
    return true;
}

}  // namespace zv
