// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/SkyClasses.h"

#include "sky/CConstellation.h"
#include "sky/CNouvelObjet.h"
#include "sky/CPointEcliptique.h"
#include "sky/CPointEquateur.h"
#include "sky/CZodiac.h"
#include "archive/CClassRegistry.h"

namespace zarn {

void registerSkyClasses(CClassRegistry& registry)
{
    registry.add<CConstellation>("CConstellation");
    registry.add<CEtoile>("CEtoile");
    registry.add<CMessier>("CMessier");
    registry.add<CNouvelObjet>("CNouvelObjet");
    registry.add<CPointEcliptique>("CPointEcliptique");
    registry.add<CPointEquateur>("CPointEquateur");
    registry.add<CZodiac>("CZodiac");
}

void registerSkyClasses()
{
    registerSkyClasses(CClassRegistry::global());
}

}  // namespace zarn
