// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The classes of the catalogue files, registered under their archive names
// (schema 0) so that the archive reader can make them.
namespace zarn {

class CClassRegistry;

// Registers "CConstellation", "CEtoile", "CMessier", "CNouvelObjet",
// "CPointEcliptique", "CPointEquateur" and "CZodiac". Registering twice is
// harmless.
void registerSkyClasses(CClassRegistry& registry);
void registerSkyClasses();  // in the program's registry

}  // namespace zarn
