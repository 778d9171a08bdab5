// Base of every engine system: updated once a frame, told every broadcast message.
#pragma once
#include <string>

namespace Framework
{
class Message;

class System
{
public:
    virtual void Update(float dt) = 0;
    virtual void Init() {}
    virtual std::string GetName() = 0;
    virtual void SendMessage(Message* message) = 0;
    virtual ~System() = default;
};
} // namespace Framework
