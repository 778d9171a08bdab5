#include "editor/NameRules.h"
#include <algorithm>
#include <cctype>
#include "core/game/Levels.h" // gGameSettingsPath

namespace Framework
{
namespace
{
// Blanks split list records; control characters have no place in a name.
bool HasBlankOrControl(const std::string& text)
{
    for (unsigned char c : text)
        if (c <= ' ' || c == 0x7f)
            return true;
    return false;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
} // namespace

std::string FileNameOfPath(const std::string& path)
{
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ExtensionOf(const std::string& name)
{
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(dot + 1);
}

std::string FileNameProblem(const std::string& name)
{
    if (name.empty())
        return "the name is empty";
    if (name.size() > kMaxDialogNameLength)
        return "the name is longer than " + std::to_string(kMaxDialogNameLength) + " characters";
    // Any of these would put the file outside its folder.
    if (name.find_first_of("/\\:") != std::string::npos)
        return "the name must not hold '/', '\\' or ':'";
    if (name == "." || name == "..")
        return "the name must not be \".\" or \"..\"";
    if (HasBlankOrControl(name))
        return "the name must not hold blanks";
    return "";
}

std::string LevelSaveNameProblem(const std::string& name)
{
    const std::string problem = FileNameProblem(name);
    if (!problem.empty())
        return problem;
    // The progress file shares the level folder and the ".xml": a level saved
    // under its name would replace the unlocked levels and stars. Case aside,
    // as some file systems do not tell it apart.
    const std::string settings = FileNameOfPath(gGameSettingsPath);
    if (Lower(name) == Lower(settings.substr(0, settings.find_last_of('.'))))
        return "the name is the game's progress file";
    return "";
}

std::string IdentifierProblem(const std::string& text)
{
    if (text.empty())
        return "the identifier is empty";
    if (text.size() > kMaxDialogNameLength)
        return "the identifier is longer than " + std::to_string(kMaxDialogNameLength) + " characters";
    if (HasBlankOrControl(text))
        return "the identifier must be one word, without blanks";
    return "";
}
} // namespace Framework
