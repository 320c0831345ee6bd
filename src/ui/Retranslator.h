#pragma once

#include <functional>
#include <utility>
#include <vector>

// The steps that put a window's texts in the installed language: each runs
// once when added and again on every QEvent::LanguageChange, so that a text
// is written in one place only. A step sets texts, never values: the
// inputs keep what was typed and chosen.
class Retranslator {
public:
    void add(std::function<void()> step)
    {
        step();
        steps_.push_back(std::move(step));
    }
    void apply() const
    {
        for (const std::function<void()>& step : steps_)
            step();
    }

private:
    std::vector<std::function<void()>> steps_;
};
