// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/SkyLoadResult.h"

namespace zarn {

namespace {

std::string withFile(const char* format, const std::string& file)
{
    std::string text = format;
    const auto at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, file);
    return text;
}

}  // namespace

std::string loadErrorText(const SkyLoadResult& result)
{
    if (result.status != SkyLoadStatus::FileError) return {};
    switch (result.error) {
    case ArchiveErrorKind::FileNotFound:
        return withFile("Le fichier %1 n'a pas été trouvé.\nVérifiez que ce fichier se trouve bien\n"
                        "dans le répertoire actif.", result.fileName);
    case ArchiveErrorKind::Damaged:
        return withFile("Le fichier %1 est erroné.\nRecopiez la version actuelle de ce fichier\n"
                        "dans le répertoire courant.", result.fileName);
    case ArchiveErrorKind::OutOfMemory:
        return "Mémoire saturée";
    case ArchiveErrorKind::Other:
        break;
    }
    return withFile("Une erreur s'est produite lors de la lecture du fichier %1.\n"
                    "Pressez la touche F1 pour de l'aide.", result.fileName);
}

}  // namespace zarn
