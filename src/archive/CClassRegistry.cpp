// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/CClassRegistry.h"

namespace zarn {

CClassRegistry& CClassRegistry::global()
{
    static CClassRegistry registry;
    return registry;
}

void CClassRegistry::add(const std::string& name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

const CClassRegistry::Factory* CClassRegistry::find(std::string_view name) const
{
    const auto it = m_factories.find(name);
    return it == m_factories.end() ? nullptr : &it->second;
}

}  // namespace zarn
