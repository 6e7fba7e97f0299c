// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The classes an archive may name, each with the function that makes an empty
// object of it. The reader looks every class name of a file up here; a name
// that is not registered makes the file damaged.
//
// The catalogue registers its classes once at start-up, before any file is
// read (a static library drops self-registering initialisers, so do it from a
// function the program calls):
//
//     CArchiveReader::registerClass("CEtoile", [] { return new CEtoile; });
//     CArchiveReader::registerClass<CMessier>("CMessier");
//
// Tests and the fuzzer build their own registry and hand it to the reader.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "archive/CSerialisable.h"

namespace zarn {

class CClassRegistry {
public:
    // Returns a new object owned by the caller.
    using Factory = std::function<CSerialisable*()>;

    // The registry the program uses; the default of every reader.
    static CClassRegistry& global();

    // Registers (or replaces) a class under its archive name.
    void add(const std::string& name, Factory factory);
    template <class T>
    void add(const std::string& name)
    {
        add(name, [] { return static_cast<CSerialisable*>(new T); });
    }

    // The factory of a registered class, or null.
    const Factory* find(std::string_view name) const;

private:
    std::map<std::string, Factory, std::less<>> m_factories;
};

}  // namespace zarn
