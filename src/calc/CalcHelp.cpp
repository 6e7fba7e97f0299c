// SPDX-License-Identifier: GPL-3.0-or-later
// Usage texts and version of zarn-calc, in French, printed on stdout when
// asked for and on stderr after an error.
#include "calc/CalcHelp.h"

#include "calc/CalcCommand.h"

#include <algorithm>
#include <cstdio>

#ifndef ZARN_VERSION
#define ZARN_VERSION "0"
#endif

namespace zarn {

namespace {
struct CommandHelp {
    const char* name;
    const char* text;        // what the command prints
    const char* tsvColumns;  // header of --tsv, or nullptr
};

constexpr CommandHelp kHelp[] = {
    {"dst", "Dates du passage à l'heure d'été et du retour à l'heure d'hiver (années 1901 à 2099) ;\n"
            "avec --tz, les changements d'heure du fuseau dans l'ordre de l'année.", nullptr},
    {"jd", "Jour julien de la date et de l'heure légales, puis du temps universel.", nullptr},
    {"times", "Les cinq échelles de temps de la barre du temps.", nullptr},
    {"position",
     "Position d'un astre : ra dec dist alt az lon lat en degrés (dist en UA, en rayons\n"
     "terrestres pour la Lune ; az compté du sud vers l'ouest ; la Lune ajoute k i chi q,\n"
     "Saturne B).\n"
     "Avec --every H.MM --count N : N positions (1 à 100 000) de H.MM en H.MM heures,\n"
     "à partir de la date et de l'heure ; la dernière au plus tard en 2099.",
     "date heure ecart_tu ra dec dist alt az lon lat [k i chi q | B]"},
    {"ephem",
     "Éphémérides de l'astre sur 160 jours à partir de 10 jours avant la date, comme la\n"
     "fenêtre, ou avec --days N sur N jours (1 à 3660) à partir de la date : lever et\n"
     "coucher, ou avec --radec ascension droite et déclinaison à l'heure donnée ; le\n"
     "dernier jour au plus tard en 2099.",
     "date ecart_tu lever coucher lever2 coucher2 etat, ou avec --radec : date heure ecart_tu ra dec"},
    {"sunmoon", "Lever et coucher du Soleil et de la Lune, phase de la Lune.", nullptr},
    {"phases",
     "Les 4 prochaines phases principales de la Lune (--count N : N phases, 1 à 10 000,\n"
     "la dernière au plus tard en 2099) : CODE J.M.A H.MM (1 nouvelle Lune, 2 premier\n"
     "quartier, 3 pleine Lune, 4 dernier quartier).",
     "phase (NL PQ PL DQ) date heure ecart_tu"},
    {"twilight", "Les changements de crépuscule de la journée.", "date heure ecart_tu avant apres"},
    {"seasons", "Début des quatre saisons de l'année, ou de chaque année de ANNEE à ANNEE_FIN\n(1901 à 2099).",
     "saison date heure ecart_tu"},
    {"visibility", "La nuit et les intervalles de visibilité du Soleil et des planètes.",
     "astre debut_date debut_heure fin_date fin_heure ecart_tu"},
    {"nuit",
     "Le plan de la nuit (fenêtre « Ce soir ») : obscurité et crépuscules, Lune, planètes\n"
     "observables (plus de 10° de hauteur, Soleil sous -6°), événements de la nuit, étoiles\n"
     "et objets de Messier hauts dans le ciel au milieu de la nuit.",
     "rubrique objet debut_date debut_heure debut_ecart_tu fin_date fin_heure fin_ecart_tu texte"},
    {"conjunction",
     "La prochaine conjonction de deux astres (Mercure à Saturne, Lune) et la date du plus\n"
     "petit écart ; --next N : la N-ième suivante (0 à 1000, au plus tard en 2099).",
     "evenement date heure ecart_tu separation"},
    {"opposition",
     "La prochaine opposition de Mars, Jupiter ou Saturne ; --next N : la N-ième suivante\n"
     "(0 à 1000, au plus tard en 2099).",
     "evenement date heure ecart_tu separation"},
    {"nextrise", "Le texte affiché pour un astre sous l'horizon.", nullptr},
    {"catalogue", "Les listes du catalogue (0 à 3) ou leurs effectifs (stats).", nullptr},
};

const char* const kCommonOptions =
    "Options communes :\n"
    "  --date J.M.A   date légale (par défaut : l'horloge de l'ordinateur)\n"
    "  --time H.MM    heure légale (aussi H:MM ou HhMM)\n"
    "  --lon 2.20E    longitude en degrés.minutes, E ou W\n"
    "  --lat 48.51N   latitude en degrés.minutes, N ou S\n"
    "  --zone 1       fuseau horaire en heures ou heures.minutes (5.30, -9.30), positif à l'est\n"
    "  --tz NOM       fuseau de la base des fuseaux horaires (Europe/Paris, America/Montreal)\n"
    "  --dst 1|0      le lieu suit ou non l'heure d'été\n"
    "  --name TEXTE   nom du lieu\n"
    "  --tsv          colonnes séparées par des tabulations, avec une ligne d'en-tête :\n"
    "                 dates AAAA-MM-JJ, heures légales HH:MM:SS, écart au temps universel,\n"
    "                 angles en degrés décimaux\n"
    "  -h, --help     cette aide ; zarn-calc COMMANDE --help : l'aide de la commande\n"
    "  --version      la version du programme\n"
    "Sans option de lieu : l'observatoire 0 des réglages, sinon Paris.\n"
    "ASTRE : Soleil, Mercure, Vénus, Mars, Jupiter, Saturne, Lune.\n";

const CommandHelp* helpOf(const std::string& name)
{
    for (const CommandHelp& help : kHelp)
        if (name == help.name)
            return &help;
    return nullptr;
}

void printCommandLine(std::FILE* out, const CalcCommand& command)
{
    std::fprintf(out, "  %s%s%s\n", command.name, *command.usage ? " " : "", command.usage);
}

void printUsage(std::FILE* out)
{
    std::fprintf(out, "usage : zarn-calc COMMANDE [ARGUMENTS] [OPTIONS]\n"
                      "Les calculs de Zarn en ligne de commande, avec les textes des fenêtres.\n\n"
                      "Commandes :\n");
    for (const CommandHelp& help : kHelp)
        if (const CalcCommand* command = CalcCommand::find(help.name))
            printCommandLine(out, *command);
    for (const CalcCommand* command : CalcCommand::all())
        if (helpOf(command->name) == nullptr)
            printCommandLine(out, *command);
    std::fprintf(out, "\n%s", kCommonOptions);
}

int printCommandHelp(const CalcCommand& command)
{
    std::printf("usage : zarn-calc %s%s%s [OPTIONS]\n", command.name, *command.usage ? " " : "", command.usage);
    const CommandHelp* help = helpOf(command.name);
    if (help != nullptr) {
        std::printf("%s\n", help->text);
        if (help->tsvColumns != nullptr)
            std::printf("Colonnes de --tsv : %s\n", help->tsvColumns);
    }
    std::printf("\n%s", kCommonOptions);
    return 0;
}
}  // namespace

std::optional<int> answerHelpOrVersion(const std::vector<std::string>& words)
{
    const auto asks = [&](const char* flag) { return std::find(words.begin(), words.end(), flag) != words.end(); };
    if (asks("--help") || asks("-h")) {
        const CalcCommand* command = words.empty() ? nullptr : CalcCommand::find(words.front());
        if (command != nullptr)
            return printCommandHelp(*command);
        printUsage(stdout);
        return 0;
    }
    if (asks("--version")) {
        std::printf("zarn-calc %s\n", ZARN_VERSION);
        return 0;
    }
    return std::nullopt;
}

int usageError(const std::string& message)
{
    if (message.empty())
        printUsage(stderr);
    else
        std::fprintf(stderr, "%s\nzarn-calc --help : l'aide.\n", message.c_str());
    return 2;
}

bool hasTsvOutput(const std::string& command)
{
    const CommandHelp* help = helpOf(command);
    return help != nullptr && help->tsvColumns != nullptr;
}

bool takeFlag(std::vector<std::string>& words, const char* flag)
{
    const auto end = std::remove(words.begin(), words.end(), std::string(flag));
    const bool found = end != words.end();
    words.erase(end, words.end());
    return found;
}

}  // namespace zarn
