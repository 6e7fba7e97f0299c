// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole number kept somewhere inside a struct (a member, a member of a
// member, an element of an array member), read and written through two plain
// function pointers so that a table of them can be constexpr:
//   field<SkyToggles, &SkyToggles::names, &ScreenNameOptions::bodies>()
//   field<SkyToggles, &SkyToggles::figureFlags, 2>()
#include <cstddef>
#include <type_traits>

namespace zarn {

template <class T>
struct IntField {
    int (*get)(const T&) = nullptr;
    void (*set)(T&, int) = nullptr;
    constexpr explicit operator bool() const { return get != nullptr; }
};

namespace field_path {
template <auto Step>
constexpr auto& step(auto& object)
{
    if constexpr (std::is_integral_v<decltype(Step)>)
        return object[static_cast<std::size_t>(Step)];
    else
        return object.*Step;
}

template <auto Step, auto... Rest>
constexpr auto& follow(auto& object)
{
    if constexpr (sizeof...(Rest) == 0)
        return step<Step>(object);
    else
        return follow<Rest...>(step<Step>(object));
}
}  // namespace field_path

template <class T, auto... Path>
constexpr IntField<T> field()
{
    return {[](const T& o) { return static_cast<int>(field_path::follow<Path...>(o)); },
            [](T& o, int v) {
                auto& target = field_path::follow<Path...>(o);
                target = static_cast<std::remove_cvref_t<decltype(target)>>(v);
            }};
}

}  // namespace zarn
