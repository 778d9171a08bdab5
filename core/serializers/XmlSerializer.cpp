// XmlSerializer: reading and writing the engine's XML documents element by element.
//
// Contents:
//   1. Documents and files: LoadXmlDocument, PrintedText, SaveFile, LoadFile
//   2. Element names: IsElementName, ElementName, CreateRoot
//   3. Moving through elements: PushElement, PopElement, EnterChild, LeaveChild, NextElement
//   4. Attributes: GetElementName, ReadGameObjectName, GetAttribute, the Read*Attribute and
//      SetAttribute forms
//   5. Writing values: WriteBool, WriteInt, WriteString, WriteFloat, WriteVec3, WriteColour,
//      SetVec3, SetColour
//   6. Reading values: ReadBool, ReadInt, ReadFloat, ReadVec3, ReadString, ReadColour
#include "core/serializers/XmlSerializer.h"
#include <cctype>
#include <cstdio>
#include <cstring>
#include "core/engine/DebugSystem.h"
#include "core/serializers/FileSizeLimit.h"
#include "core/serializers/XmlNumbers.h"
#include "platform/Platform.h"

namespace Framework
{
using tinyxml2::XMLElement;

// ---- 1. Documents and files -------------------------------------------------
tinyxml2::XMLError LoadXmlDocument(tinyxml2::XMLDocument& document, const std::string& nativePath)
{
    // Opened here, not by the XML library: a pipe in place of the file must not block.
    FILE* file = Platform::OpenFileForReading(nativePath);
    if (!file)
        return Platform::KindOfFile(nativePath) == Platform::FileKind::Missing
                   ? tinyxml2::XML_ERROR_FILE_NOT_FOUND
                   : tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED;
    // The parser allocates the whole file at once.
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::rewind(file);
    if (size < 0 || !DataFileSizeAllowed(nativePath, static_cast<uint64_t>(size)))
    {
        std::fclose(file);
        return tinyxml2::XML_ERROR_FILE_READ_ERROR;
    }
    const tinyxml2::XMLError error = document.LoadFile(file);
    std::fclose(file);
    return error;
}

std::string XmlSerializer::PrintedText() const
{
    tinyxml2::XMLPrinter printer;
    mDocument.Print(&printer);
    // CStrSize counts the terminating zero.
    return std::string(printer.CStr(), printer.CStrSize() > 0 ? printer.CStrSize() - 1 : 0);
}

bool XmlSerializer::SaveFile(const std::string& path)
{
    const std::string text = PrintedText();
    std::string refusal;
    if (!Platform::WriteFileAtomically(path, text, &refusal))
    {
        if (!refusal.empty())
            Log("File \"" + path + "\" is left as it is: " + refusal + ".");
        std::printf("Error: %d\n", static_cast<int>(tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED));
        std::fflush(stdout);
        return false;
    }
    return true;
}

bool XmlSerializer::LoadFile(const std::string& path)
{
    mStack.clear();
    mRoot = nullptr;
    mDocument.Clear();
    const tinyxml2::XMLError error = LoadXmlDocument(mDocument, Platform::NativePath(path));
    if (error != tinyxml2::XML_SUCCESS)
    {
        std::printf("Error: %d\n", static_cast<int>(error));
        std::fflush(stdout);
        return false;
    }
    mRoot = mDocument.FirstChildElement();
    return true;
}

// ---- 2. Element names -------------------------------------------------------
namespace
{
bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.'; }
} // namespace

bool XmlSerializer::IsElementName(const std::string& name)
{
    // ASCII only and no "xml" prefix, which XML reserves.
    if (name.empty() || !IsNameStart(name[0]))
        return false;
    for (char c : name)
        if (!IsNameChar(c))
            return false;
    if (name.size() >= 3 && std::tolower(static_cast<unsigned char>(name[0])) == 'x' &&
        std::tolower(static_cast<unsigned char>(name[1])) == 'm' &&
        std::tolower(static_cast<unsigned char>(name[2])) == 'l')
        return false;
    return true;
}

std::string XmlSerializer::ElementName(const std::string& name, const char* fallback)
{
    return IsElementName(name) ? name : fallback;
}

XMLElement* XmlSerializer::CreateRoot(const std::string& name)
{
    // A level named "my level" must still give a file that reads back.
    XMLElement* root = mDocument.NewElement(ElementName(name, "Level").c_str());
    mDocument.InsertEndChild(root);
    mRoot = root;
    return root;
}

// ---- 3. Moving through elements ---------------------------------------------
void XmlSerializer::PushElement(const std::string& name) { mStack.push_back(mDocument.NewElement(name.c_str())); }

void XmlSerializer::PopElement()
{
    if (mStack.empty())
        return;
    XMLElement* element = mStack.back();
    mStack.pop_back();
    if (!element)
        return;
    tinyxml2::XMLNode* parent = &mDocument;
    if (!mStack.empty() && mStack.back())
        parent = mStack.back();
    else if (mRoot)
        parent = mRoot;
    parent->InsertEndChild(element);
}

void XmlSerializer::EnterChild()
{
    const tinyxml2::XMLNode* parent = mStack.empty() ? mRoot : mStack.back();
    mStack.push_back(parent ? const_cast<XMLElement*>(parent->FirstChildElement()) : nullptr);
}

void XmlSerializer::LeaveChild()
{
    if (!mStack.empty())
        mStack.pop_back();
}

void XmlSerializer::NextElement()
{
    if (!mStack.empty() && mStack.back())
        mStack.back() = mStack.back()->NextSiblingElement();
}

// ---- 4. Attributes ----------------------------------------------------------
std::string XmlSerializer::GetElementName() const
{
    const XMLElement* element = Current();
    return element && element->Name() ? element->Name() : "";
}

std::string XmlSerializer::ReadGameObjectName() const { return GetAttribute("GameObjectName"); }

std::string XmlSerializer::GetAttribute(const char* name) const
{
    const XMLElement* element = Current();
    const char* value = element ? element->Attribute(name) : nullptr;
    return value ? value : "";
}

bool XmlSerializer::ReadIntAttribute(const char* name, int& value) const
{
    const XMLElement* element = Current();
    const tinyxml2::XMLAttribute* attribute = element ? element->FindAttribute(name) : nullptr;
    return attribute && XmlNumbers::ToInt(attribute->Value(), value);
}

bool XmlSerializer::ReadFloatAttribute(const char* name, float& value) const
{
    const XMLElement* element = Current();
    const tinyxml2::XMLAttribute* attribute = element ? element->FindAttribute(name) : nullptr;
    return attribute && XmlNumbers::ToFloat(attribute->Value(), value);
}

bool XmlSerializer::ReadBoolAttribute(const char* name, bool& value) const
{
    const XMLElement* element = Current();
    const tinyxml2::XMLAttribute* attribute = element ? element->FindAttribute(name) : nullptr;
    return attribute && XmlNumbers::ToBool(attribute->Value(), value);
}

void XmlSerializer::SetAttribute(const char* name, int value)
{
    if (XMLElement* element = Current())
        element->SetAttribute(name, value);
}

void XmlSerializer::SetAttribute(const char* name, float value)
{
    if (XMLElement* element = Current())
        element->SetAttribute(name, value); // tinyxml2 writes floats with "%.8g"
}

void XmlSerializer::SetAttribute(const char* name, bool value)
{
    if (XMLElement* element = Current())
        element->SetAttribute(name, value);
}

void XmlSerializer::SetAttribute(const char* name, const std::string& value)
{
    if (XMLElement* element = Current())
        element->SetAttribute(name, value.c_str());
}

// ---- 5. Writing values ------------------------------------------------------
void XmlSerializer::WriteBool(const std::string& name, bool value)
{
    PushElement(name);
    SetAttribute("Value", value);
    PopElement();
}

void XmlSerializer::WriteInt(const std::string& name, const int& value)
{
    PushElement(name);
    SetAttribute("Value", value);
    PopElement();
}

void XmlSerializer::WriteString(const std::string& name, const std::string& value)
{
    PushElement(name);
    SetAttribute("Value", value);
    PopElement();
}

void XmlSerializer::WriteFloat(const std::string& name, const float& value)
{
    PushElement(name);
    SetAttribute("Value", value);
    PopElement();
}

void XmlSerializer::WriteVec3(const std::string& name, const Vec3& value)
{
    PushElement(name);
    SetVec3(value);
    PopElement();
}

void XmlSerializer::WriteColour(const std::string& name, const Color& value)
{
    PushElement(name);
    SetColour(value);
    PopElement();
}

void XmlSerializer::SetVec3(const Vec3& value)
{
    SetAttribute("X", value.x);
    SetAttribute("Y", value.y);
    SetAttribute("Z", value.z);
}

void XmlSerializer::SetColour(const Color& value)
{
    SetAttribute("R", value.r);
    SetAttribute("G", value.g);
    SetAttribute("B", value.b);
    SetAttribute("A", value.a);
}

// ---- 6. Reading values ------------------------------------------------------
void XmlSerializer::ReadBool(bool& value)
{
    ReadBoolAttribute("Value", value);
    NextElement();
}

void XmlSerializer::ReadInt(int& value)
{
    ReadIntAttribute("Value", value);
    NextElement();
}

void XmlSerializer::ReadFloat(float& value)
{
    ReadFloatAttribute("Value", value);
    NextElement();
}

namespace
{
// The first attribute of each name, as FindAttribute gives it, from one walk of
// the element's attributes instead of one walk per name; null for a missing one.
template <size_t Count>
void FindAttributes(const XMLElement* element, const char* const (&names)[Count],
                    const tinyxml2::XMLAttribute* (&found)[Count])
{
    for (const tinyxml2::XMLAttribute*& attribute : found)
        attribute = nullptr;
    if (!element)
        return;
    for (const tinyxml2::XMLAttribute* a = element->FirstAttribute(); a; a = a->Next())
        for (size_t i = 0; i < Count; ++i)
            if (!found[i] && std::strcmp(a->Name(), names[i]) == 0)
            {
                found[i] = a;
                break;
            }
}

void ReadFloatOf(const tinyxml2::XMLAttribute* attribute, float& value)
{
    if (attribute)
        XmlNumbers::ToFloat(attribute->Value(), value);
}
} // namespace

void XmlSerializer::ReadVec3(Vec3& value)
{
    static const char* const names[] = {"X", "Y", "Z"};
    const tinyxml2::XMLAttribute* found[3];
    FindAttributes(Current(), names, found);
    ReadFloatOf(found[0], value.x);
    ReadFloatOf(found[1], value.y);
    ReadFloatOf(found[2], value.z);
    NextElement();
}

void XmlSerializer::ReadString(std::string& value)
{
    const XMLElement* element = Current();
    if (const char* text = element ? element->Attribute("Value") : nullptr)
        value = text;
}

void XmlSerializer::ReadColour(Color& value)
{
    static const char* const names[] = {"R", "G", "B", "A"};
    const tinyxml2::XMLAttribute* found[4];
    FindAttributes(Current(), names, found);
    ReadFloatOf(found[0], value.r);
    ReadFloatOf(found[1], value.g);
    ReadFloatOf(found[2], value.b);
    ReadFloatOf(found[3], value.a);
}
} // namespace Framework
