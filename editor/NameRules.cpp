#include "editor/NameRules.h"

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
