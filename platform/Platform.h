// Our thin layer over SDL2: the one window with its GL context, the message
// queue in Win32 shape, the cursor, the screen, the Documents folder, INI files
// and paths. Only platform/ includes SDL; the engine sees these functions.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>
#include "platform/Win32Types.h"

namespace Framework
{
namespace Platform
{
// One queued window message, as the window procedure receives it.
struct Msg
{
    HWND window = nullptr;
    uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// ---- Window and GL context -------------------------------------------------
// Sets the GL 3.3 core attributes, then creates the (hidden) window with a
// client area of width x height. Returns false and logs when SDL fails, and
// when no display is reachable: SDL's drivers that show nothing (offscreen,
// dummy) serve only when SDL_VIDEODRIVER names them.
bool CreateMainWindow(const std::string& title, int width, int height);
// Why the last window or GL context request failed ("" before any failure).
std::string VideoError();
void DestroyMainWindow();
// Destroys the window and context and closes SDL: the last call of the program.
void Shutdown();
HWND GetMainWindow();    // null before CreateMainWindow
void* GetNativeWindow(); // the SDL_Window*, for the editor's binding
void ShowMainWindow();
void SetWindowClientSize(int width, int height);
void GetWindowClientSize(int& width, int& height);
// Outer-frame position of the window on the screen.
void GetWindowPosition(int& x, int& y);
// The frame's left and top border widths around the client area, as the window
// manager draws them (0 without a window, in fullscreen, or without a manager).
void GetWindowBorders(int& left, int& top);
// Desktop fullscreen on or off. Leaving it restores windowedWidth x windowedHeight.
void SetFullscreen(bool fullscreen, int windowedWidth, int windowedHeight);
// The desktop's size (1366 x 768 when no display answers). Starts video when
// it is not started yet and leaves it started for the window to come.
void GetScreenSize(int& width, int& height);

bool CreateGLContext(); // on the main window; makes it current
void DeleteGLContext();
bool HasGLContext();
void SwapBuffers();

// ---- Messages --------------------------------------------------------------
// Takes the next message, translating pending SDL events first. Returns false
// when the queue is empty. Payloads a message points at (WindowPos, dropped
// paths) stay valid until the next call.
bool PeekMessage(Msg& out);
// Appends a message to the queue (tests, and the quit request).
void PostMessage(const Msg& message);
void PostQuitMessage();
// Paths of a WM_DROPFILES message (wParam is the drop handle).
std::vector<std::string> DroppedFiles(WPARAM drop);

// ---- Keyboard and mouse ----------------------------------------------------
int VirtualKeyFromSDL(int sdlKeycode); // 0 when the key has no code here
bool IsKeyDownAsync(int virtualKey);   // the keyboard as it is right now
void GetCursorPos(int& x, int& y);     // screen pixels
// Win32's counted ShowCursor: visible while the counter is >= 0. Returns the new counter.
int ShowCursor(bool show);
int GetCursorCounter();
// The pointer's picture only (the counter above decides whether it shows):
// the standard arrow, or no picture at all while ImGui draws its own.
enum class CursorShape
{
    Arrow,
    None
};
void SetCursorShape(CursorShape shape);
// Where the input method shows what is being composed: the text cursor of the
// field being typed into, in window pixels.
void SetTextInputPosition(int x, int y);
// The desktop clipboard as UTF-8 text ("" when empty or without video).
std::string GetClipboardText();
void SetClipboardText(const std::string& text);

// ---- Files and folders -----------------------------------------------------
// Stored paths use backslashes; this gives the path to open on this system.
std::string NativePath(const std::string& storedPath);
// The user's Documents folder (XDG documents dir, else $HOME/Documents), no trailing '/'.
std::string DocumentsFolder();
bool CreateFolder(const std::string& path); // creates parents; true when it exists afterwards
// GetPrivateProfileInt: case-insensitive section and key, leading integer prefix.
int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue, const std::string& path);
// What a path leads to, symbolic links followed. Other: a folder, a pipe, a
// device, or a link that leads nowhere: never read (a pipe blocks, a device
// never ends) and never replaced.
enum class FileKind
{
    Missing,
    Regular,
    Other
};
FileKind KindOfFile(const std::string& nativePath);
// Opens a regular file for reading without ever blocking; null for anything else.
FILE* OpenFileForReading(const std::string& nativePath);
// The most ReadWholeFile holds: the files it reads (the configuration, shaders,
// the editor's window layout) are a few KB; a bigger one must not exhaust memory.
constexpr size_t MaxWholeFileBytes = 64u << 20;
// A regular file's whole content; false when it is missing, no regular file,
// or longer than MaxWholeFileBytes (then text is left empty).
bool ReadWholeFile(const std::string& nativePath, std::string& text);
// Where a new version of a file goes: the file itself, or the file a symbolic
// link leads to (so the link stays a link). Empty, with the reason, when the
// file must be left as it is: read-only, a special file, a link to nowhere.
struct WriteTarget
{
    std::string mPath;
    std::string mRefusal;
};
WriteTarget ResolveWriteTarget(const std::string& nativePath);
// The temporary name a new version of target is written under before the rename.
std::string TemporaryFor(const std::string& target);
// Renames a finished temporary over target, keeping target's permissions.
bool ReplaceWithTemporary(const std::string& temporary, const std::string& target);
// Makes what was written to a file, or the names in a folder, durable on the
// disk (fsync); false when the disk reports a failure.
bool SyncToDisk(const std::string& nativePath);
// Removes the temporary a program killed while writing left beside path.
void RemoveLeftoverTemporary(const std::string& nativePath);
// Writes text to path through a temporary file and a rename; false on failure
// or when the file is one to leave alone (see ResolveWriteTarget; refusal says why).
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string* refusal = nullptr);

// ---- Ending ------------------------------------------------------------------
// From here on SIGTERM only sets a flag (SDL leaves a handler already there in
// place); the message pump turns it into one WM_QUIT.
void CatchTerminate();
// Blocks of a megabyte or more are mapped on their own, so memory freed after
// a decode is given back at once (called first thing at start).
void MapLargeBlocksApart();
bool TerminateRequested();

// ---- Time --------------------------------------------------------------------
uint64_t SteadyNanoseconds();
} // namespace Platform
} // namespace Framework
