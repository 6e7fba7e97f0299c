// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CommandTable.h"

#include "settings/DisplayOptionTable.h"
#include "ui/CommandIds.h"

#include <array>
#include <vector>

namespace zarn {
namespace {

using namespace cmd;

constexpr std::array kCommands{
    CommandInfo{NewSky, "&Ciel", " Ouvrir la fenêtre du ciel", "", false},
    CommandInfo{PrintPreview, "&Imprimer", " Impression de la carte", "Ctrl+P", false},
    CommandInfo{Print, "&Imprimer...", " Imprimer la fenêtre active", "", false},
    CommandInfo{Exit, "&Quitter", " Quitter ZARN", "Ctrl+Q", false},
    CommandInfo{CurrentDate, "&Date Actuelle", " Date et heure de l'ordinateur", "Ctrl+D", false},
    CommandInfo{NewDate, "&Nouvelle Date", " Changer la date et l'heure", "Ctrl+N", false},
    CommandInfo{NextDay, "Jour &suivant", " Même heure le jour suivant", "Ctrl++; Ctrl+=", false},
    CommandInfo{PreviousDay, "Jour &précédent", " Même heure le jour précédent", "Ctrl+-", false},
    CommandInfo{NextMinute, "Minute suivante", " Une minute plus tard", "Alt+Right", false},
    CommandInfo{NextMinute + 1, "Minute précédente", " Une minute plus tôt", "Alt+Left", false},
    CommandInfo{NextMinute + 2, "10 minutes plus tard", " Dix minutes plus tard", "Ctrl+Right", false},
    CommandInfo{NextMinute + 3, "10 minutes plus tôt", " Dix minutes plus tôt", "Ctrl+Left", false},
    CommandInfo{NextMinute + 4, "Heure suivante", " Une heure plus tard", "Ctrl+Up", false},
    CommandInfo{NextMinute + 5, "Heure précédente", " Une heure plus tôt", "Ctrl+Down", false},
    CommandInfo{NextMinute + 6, "Jour sidéral suivant", " Les étoiles à la même place, 23 h 56 min plus tard",
                "Ctrl+Shift+Up", false},
    CommandInfo{NextMinute + 7, "Jour sidéral précédent", " Les étoiles à la même place, 23 h 56 min plus tôt",
                "Ctrl+Shift+Down", false},
    CommandInfo{RealTime, "Temps &réel", " Le ciel suit l'horloge de l'ordinateur\nRéel", "Ctrl+R", true},
    CommandInfo{SummerTime, "&Heure d'été", " Début et fin de l'heure d'été", "", false},
    CommandInfo{TimeBar, "&Temps", " Heure légale, universelle, sidérale, solaire", "", true},
    CommandInfo{WholeSky, "Vue &ciel entier", " Vue du ciel entier\nCiel", "", false},
    CommandInfo{Zenith, "Vue &zénith", " Vue du ciel autour du zénith\nZénith", "", false},
    CommandInfo{HorizonSouth, "&Sud", " Vue de l'horizon sud\nSud", "", true},
    CommandInfo{HorizonSouth + 1, "S&ud-Ouest", " Vue de l'horizon sud-ouest\nSud-Ouest", "", true},
    CommandInfo{HorizonSouth + 2, "&Ouest", " Vue de l'horizon ouest\nOuest", "", true},
    CommandInfo{HorizonSouth + 3, "No&rd-Ouest", " Vue de l'horizon nord-ouest\nNord-Ouest", "", true},
    CommandInfo{HorizonSouth + 4, "&Nord", " Vue de l'horizon nord\nNord", "", true},
    CommandInfo{HorizonSouth + 5, "Nor&d-Est", " Vue de l'horizon nord-est\nNord-Est", "", true},
    CommandInfo{HorizonSouth + 6, "&Est", " Vue de l'horizon est\nEst", "", true},
    CommandInfo{HorizonSouth + 7, "Sud-Es&t", " Vue de l'horizon sud-est\nSud-Est", "", true},
    CommandInfo{PlanetView, "&Vue planète", " Vue d'une planète, de la Lune ou du Soleil", "", false},
    CommandInfo{Mercure, "&Mercure", " Vue de la planète Mercure", "", true},
    CommandInfo{Mercure + 1, "&Vénus", " Vue de la planète Vénus", "", true},
    CommandInfo{Mercure + 2, "M&ars", " Vue de la planète Mars", "", true},
    CommandInfo{Mercure + 3, "&Jupiter", " Vue de la planète Jupiter", "", true},
    CommandInfo{Mercure + 4, "&Saturne", " Vue de la planète Saturne", "", true},
    CommandInfo{Mercure + 5, "&Lune", " Vue de la Lune", "", true},
    CommandInfo{Mercure + 6, "S&oleil", " Vue du Soleil", "", true},
    CommandInfo{ChartOptions, "Options Carte", " Couleurs, Objets particuliers, Nouveaux objets", "", false},
    CommandInfo{Conjunction, "&Conjonction", " Conjonction entre 2 planètes", "", false},
    CommandInfo{Opposition, "&Opposition", " Opposition d'une planète supérieure avec le Soleil", "", false},
    CommandInfo{Animation, "&Animation", " Trajectoire des planètes sur le ciel étoilé", "", false},
    CommandInfo{Visibility, "&Visibilité des planètes", " Période de visibilité des planètes", "", false},
    CommandInfo{SolarSystem, "S&ystème solaire", " Éphémérides du système solaire", "", false},
    CommandInfo{Seasons, "S&aisons", " Début des quatre saisons", "", false},
    CommandInfo{Catalogue, "Ca&talogue", " Catalogue des constellations et des étoiles", "", false},
    CommandInfo{Tonight, "Ce &soir", " Plan de la nuit : obscurité, Lune, planètes, événements", "Ctrl+T", false},
    CommandInfo{AstroEvents, "&Événements astro", " Événements astronomiques de l'année", "", false},
    CommandInfo{Observatory, "&Observatoire", " Liste de vos observatoires", "", false},
    CommandInfo{Cascade, "&Cascade", " Disposer les fenêtres en cascade", "", false},
    CommandInfo{Tile, "&Mosaïque", " Disposer les fenêtres en mosaïque", "", false},
    CommandInfo{Manual, "&Manuel d'utilisation", " Aide sur l'utilisation de ZARN", "F1", false},
    CommandInfo{HelpIndex, "&Index", " Sommaire et index de l'aide", "", false},
    CommandInfo{About, "A &propos de ZARN", " Version et auteurs de ZARN", "", false},
};

// The commands above and those that toggle a display option, made once.
std::vector<CommandInfo> allCommands()
{
    std::vector<CommandInfo> all(kCommands.begin(), kCommands.end());
    for (const DisplayOption& o : displayOptions())
        if (const OptionCommand& c = o.command; c.id)
            all.push_back({c.id, c.text, c.prompt, c.shortcut, true});
    return all;
}

}  // namespace

std::span<const CommandInfo> commandTable()
{
    static const std::vector<CommandInfo> all = allCommands();
    return all;
}

const CommandInfo* findCommand(int id)
{
    for (const CommandInfo& c : commandTable())
        if (c.id == id)
            return &c;
    return nullptr;
}

}  // namespace zarn
