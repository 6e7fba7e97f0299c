// Bodies and arguments shared by the commands of zarn-calc.
#include "calc/CalcBodies.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace zarn {

namespace {
std::string loadErrorText(const ArchiveError& error)
{
    switch (error.kind()) {
    case ArchiveErrorKind::FileNotFound:
        return "Le fichier ELEMENTS.ZAR n'a pas été trouvé.\nVérifiez que ce fichier se trouve bien\n"
               "dans le répertoire actif.";
    case ArchiveErrorKind::Damaged:
        return "Le fichier ELEMENTS.ZAR est erroné.\nRecopiez la version actuelle de ce fichier\n"
               "dans le répertoire courant.";
    case ArchiveErrorKind::OutOfMemory:
        return "Mémoire saturée";
    default:
        return "Une erreur s'est produite lors de la lecture du fichier ELEMENTS.ZAR.\n"
               "Pressez la touche F1 pour de l'aide.";
    }
}

}  // namespace

std::optional<int> bodyIndexOf(const std::string& name)
{
    static const struct {
        const char* name;
        int index;
    } kNames[] = {{"Soleil", kSun},    {"Mercure", kMercury}, {"Vénus", kVenus},  {"Venus", kVenus},
                  {"Mars", kMars},     {"Jupiter", kJupiter}, {"Saturne", kSaturn}, {"Lune", kMoon}};
    for (const auto& entry : kNames)
        if (name == entry.name)
            return entry.index;
    return std::nullopt;
}

// The bodies read from ELEMENTS.ZAR beside the program, or the message.
std::optional<SolarBodies> loadBodies(const std::string& dataDir)
{
    SolarBodies bodies;
    if (auto error = bodies.load(std::filesystem::path(dataDir) / "ELEMENTS.ZAR")) {
        std::fprintf(stderr, "%s\n", loadErrorText(*error).c_str());
        return std::nullopt;
    }
    return bodies;
}

std::optional<int> integerArgument(const std::string& text, int lo, int hi)
{
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || end == text.c_str() || *end != '\0' || errno != 0 || v < lo || v > hi)
        return std::nullopt;
    return static_cast<int>(v);
}

}  // namespace zarn
