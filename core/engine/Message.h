// Messages passed between systems and components. They live on the sender's
// stack for the duration of one delivery; no receiver keeps one.
#pragma once
#include <cstdint>
#include <string>
#include "platform/Win32Types.h"

namespace Framework
{
class Composition;

namespace MessageId
{
enum : uint32_t
{
    Quit = 1,
    Window = 2,
    FileDrop = 3,
    Collision = 4,
    Win = 6,
};
}

class Message
{
public:
    explicit Message(uint32_t id) : mMessageId(id) {}
    virtual ~Message() = default;
    uint32_t mMessageId;
};

class WindowMessage : public Message
{
public:
    WindowMessage(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam)
        : Message(MessageId::Window), mWindow(window), mMessage(message), mWParam(wParam), mLParam(lParam)
    {
    }
    HWND mWindow;
    uint32_t mMessage;
    WPARAM mWParam;
    LPARAM mLParam;
};

class FileDropMessage : public Message
{
public:
    explicit FileDropMessage(const std::string& path) : Message(MessageId::FileDrop), mFilePath(path) {}
    std::string mFilePath; // the whole path, however long
};

class CollisionMessage : public Message
{
public:
    explicit CollisionMessage(Composition* other) : Message(MessageId::Collision), mOther(other) {}
    Composition* mOther;
};

class WinMessage : public Message
{
public:
    WinMessage() : Message(MessageId::Win) {}
    bool mWin = true;
};
} // namespace Framework
