// XML documents with an element stack: writers push, fill and pop elements;
// readers step into the first child and walk from sibling to sibling. Each field
// is a child element named after it, its value in attributes ("Value", or
// X/Y/Z, R/G/B/A); ints are written "%d", floats "%.8g".
#pragma once
#include <string>
#include <vector>
#include <tinyxml2.h>
#include "core/math/MathTypes.h"

namespace Framework
{
// Loads a regular file into document; anything else (a pipe, a device) is
// refused without being opened: XML_ERROR_FILE_NOT_FOUND when nothing is there.
// A file over MaxDataFileBytes is refused unread: XML_ERROR_FILE_READ_ERROR.
tinyxml2::XMLError LoadXmlDocument(tinyxml2::XMLDocument& document, const std::string& nativePath);

class XmlSerializer
{
public:
    XmlSerializer() = default;
    XmlSerializer(const XmlSerializer&) = delete;
    XmlSerializer& operator=(const XmlSerializer&) = delete;

    // ---- Documents ----------------------------------------------------------
    // The document as SaveFile writes it.
    std::string PrintedText() const;
    // Writes the document through a temporary file; prints "Error: <id>" and
    // returns false when it cannot be written.
    bool SaveFile(const std::string& path);
    // Parses the file; prints "Error: <id>" and returns false on failure. The
    // root becomes the first element of the document (a declaration or comment
    // before it is skipped).
    bool LoadFile(const std::string& path);
    // Makes a new element, inserts it into the document and makes it the root.
    // A name the parser would not read back is replaced by "Level".
    tinyxml2::XMLElement* CreateRoot(const std::string& name);
    // Whether the parser reads name back as an element name.
    static bool IsElementName(const std::string& name);
    // name when it is a valid element name, else fallback.
    static std::string ElementName(const std::string& name, const char* fallback);
    tinyxml2::XMLNode* GetRoot() const { return mRoot; }
    tinyxml2::XMLDocument& GetDocument() { return mDocument; }

    // ---- Walking ------------------------------------------------------------
    // A new, still unattached element on top of the stack.
    void PushElement(const std::string& name);
    // Attaches the current element to the one below it (or to the root, or to the
    // document when there is no root) and pops it.
    void PopElement();
    // Pushes the first child element of the current element (of the root when the
    // stack is empty), or null when there is none.
    void EnterChild();
    // Pops the current element without attaching it.
    void LeaveChild();
    // The current element becomes its next sibling element, or null.
    void NextElement();
    // The current element; null when the stack is empty or walked past the end.
    tinyxml2::XMLElement* Current() const { return mStack.empty() ? nullptr : mStack.back(); }

    // ---- Attributes of the current element ------------------------------------
    // Each gives "" or leaves the target unchanged when the element or attribute is missing.
    std::string GetElementName() const;
    std::string ReadGameObjectName() const;
    std::string GetAttribute(const char* name) const;
    bool ReadIntAttribute(const char* name, int& value) const;
    bool ReadFloatAttribute(const char* name, float& value) const;
    bool ReadBoolAttribute(const char* name, bool& value) const;
    void SetAttribute(const char* name, int value);
    void SetAttribute(const char* name, float value);
    void SetAttribute(const char* name, bool value);
    void SetAttribute(const char* name, const std::string& value);
    void SetAttribute(const char* name, const char* value) { SetAttribute(name, std::string(value ? value : "")); }
    void SetAttribute(const char* name, uint32_t value) { SetAttribute(name, static_cast<int>(value)); }

    // ---- Field helpers ----------------------------------------------------------
    // Each writer adds one complete child element to the current element.
    void WriteBool(const std::string& name, bool value);
    void WriteInt(const std::string& name, const int& value);
    void WriteString(const std::string& name, const std::string& value);
    void WriteFloat(const std::string& name, const float& value);
    void WriteVec3(const std::string& name, const Vec3& value);
    void WriteColour(const std::string& name, const Color& value);
    void SetVec3(const Vec3& value);    // X, Y, Z on the current element
    void SetColour(const Color& value); // R, G, B, A on the current element
    // Read from the current element and move to the next one.
    void ReadBool(bool& value);
    void ReadInt(int& value);
    void ReadFloat(float& value);
    void ReadVec3(Vec3& value);
    // Read from the current element and stay on it.
    void ReadString(std::string& value);
    void ReadColour(Color& value);

private:
    tinyxml2::XMLDocument mDocument;
    tinyxml2::XMLNode* mRoot = nullptr;        // not owned: the document owns every node
    std::vector<tinyxml2::XMLElement*> mStack; // the current path; entries may be null
};
} // namespace Framework
