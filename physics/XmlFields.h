// Bool fields of the physics components in XML: a child element with a
// "Value" of "true" or "false", read by position like the other fields.
#pragma once
#include <string>
#include "core/XmlSerializer.h"

namespace Framework
{
inline void WriteBoolField(XmlSerializer& serializer, const std::string& name, bool value)
{
    serializer.PushElement(name);
    serializer.SetAttribute("Value", value);
    serializer.PopElement();
}

inline void ReadBoolField(XmlSerializer& serializer, bool& value)
{
    serializer.ReadBoolAttribute("Value", value);
    serializer.NextElement();
}
} // namespace Framework
