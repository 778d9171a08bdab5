// SDL events pushed into the queue come out as Win32-shaped window messages.
#include <gtest/gtest.h>
#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/engine/EngineConfig.h"
#include "core/window/WindowSystem.h"
#include "editor/OurImGui.h"
#include "platform/Platform.h"
#include "support/TestSupport.h"

using namespace Framework;

namespace
{
struct PumpFixture : ::testing::Test
{
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no display";
        ASSERT_TRUE(Platform::CreateMainWindow("GameName", 320, 200));
        Drain();
    }
    static void Drain()
    {
        Platform::Msg m;
        while (Platform::PeekMessage(m))
        {
        }
    }
    static std::vector<Platform::Msg> Take()
    {
        std::vector<Platform::Msg> out;
        Platform::Msg m;
        while (Platform::PeekMessage(m))
            out.push_back(m);
        return out;
    }
    static void PushKey(uint32_t type, SDL_Keycode key, uint16_t mod = 0)
    {
        SDL_Event e{};
        e.type = type;
        e.key.keysym.sym = key;
        e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    }
    static void PushDrop(uint32_t type, const char* file = nullptr)
    {
        SDL_Event e{};
        e.type = type;
        e.drop.file = file ? SDL_strdup(file) : nullptr;
        SDL_PushEvent(&e);
    }
    static const Platform::Msg* Find(const std::vector<Platform::Msg>& msgs, uint32_t message)
    {
        auto it = std::find_if(msgs.begin(), msgs.end(), [&](const Platform::Msg& m) { return m.message == message; });
        return it == msgs.end() ? nullptr : &*it;
    }
};
} // namespace

TEST_F(PumpFixture, KeysBecomeVirtualKeyMessages)
{
    PushKey(SDL_KEYDOWN, SDLK_a);
    PushKey(SDL_KEYUP, SDLK_a);
    PushKey(SDL_KEYDOWN, SDLK_F5);
    PushKey(SDL_KEYDOWN, SDLK_RCTRL);
    PushKey(SDL_KEYDOWN, SDLK_F4, KMOD_LALT);
    const std::vector<Platform::Msg> msgs = Take();
    ASSERT_EQ(msgs.size(), 5u);
    EXPECT_EQ(msgs[0].message, static_cast<uint32_t>(WM_KEYDOWN));
    EXPECT_EQ(msgs[0].wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ(msgs[1].message, static_cast<uint32_t>(WM_KEYUP));
    EXPECT_EQ(msgs[2].wParam, static_cast<WPARAM>(VK_F5));
    EXPECT_EQ(msgs[3].wParam, static_cast<WPARAM>(VK_CONTROL));
    // Keys pressed with Alt held are system keys, which the input system ignores.
    EXPECT_EQ(msgs[4].message, static_cast<uint32_t>(WM_SYSKEYDOWN));
}

TEST_F(PumpFixture, KeyTableCoversTheKeysTheGameReads)
{
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_z), 'Z');
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_7), '7');
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_F12), VK_F12);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_ESCAPE), VK_ESCAPE);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_RETURN), VK_RETURN);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_BACKSPACE), VK_BACK);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_DELETE), VK_DELETE);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_TAB), VK_TAB);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_LSHIFT), VK_SHIFT);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_LALT), VK_MENU);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_UP), VK_UP);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_DOWN), VK_DOWN);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_LEFT), VK_LEFT);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_RIGHT), VK_RIGHT);
    EXPECT_EQ(Platform::VirtualKeyFromSDL(SDLK_SPACE), VK_SPACE);
}

TEST_F(PumpFixture, WheelCarriesOneHundredTwentyPerNotchInTheHighWord)
{
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.y = -2;
    SDL_PushEvent(&e);
    const std::vector<Platform::Msg> msgs = Take();
    const Platform::Msg* wheel = Find(msgs, WM_MOUSEWHEEL);
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(static_cast<int16_t>(HiWord(wheel->wParam)), -240);
}

TEST_F(PumpFixture, TextInputBecomesOneCharPerCodePoint)
{
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strcpy(e.text.text, "a\xC3\xA9");
    SDL_PushEvent(&e);
    std::vector<Platform::Msg> msgs = Take();
    msgs.erase(std::remove_if(msgs.begin(), msgs.end(), [](const Platform::Msg& m) { return m.message != WM_CHAR; }),
               msgs.end());
    ASSERT_EQ(msgs.size(), 2u);
    EXPECT_EQ(msgs[0].wParam, static_cast<WPARAM>('a'));
    EXPECT_EQ(msgs[1].wParam, static_cast<WPARAM>(0xE9));
}

TEST_F(PumpFixture, QuitAndCloseAreDistinct)
{
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(static_cast<SDL_Window*>(Platform::GetNativeWindow()));
    SDL_PushEvent(&close);
    const std::vector<Platform::Msg> msgs = Take();
    const Platform::Msg* quitMsg = Find(msgs, WM_QUIT);
    ASSERT_NE(quitMsg, nullptr);
    EXPECT_EQ(quitMsg->window, nullptr);
    EXPECT_NE(Find(msgs, WM_DESTROY), nullptr);
}

TEST_F(PumpFixture, FocusLossSendsDeactivation)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    SDL_PushEvent(&e);
    const std::vector<Platform::Msg> msgs = Take();
    const Platform::Msg* activate = Find(msgs, WM_ACTIVATE);
    ASSERT_NE(activate, nullptr);
    EXPECT_EQ(activate->wParam, 0u);
}

TEST_F(PumpFixture, MinimisedSizeIsNeverReported)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    e.window.data1 = 0;
    e.window.data2 = 0;
    SDL_PushEvent(&e);
    e.window.data1 = 800;
    e.window.data2 = 600;
    SDL_PushEvent(&e);
    std::vector<Platform::Msg> msgs = Take();
    msgs.erase(std::remove_if(msgs.begin(), msgs.end(), [](const Platform::Msg& m) { return m.message != WM_SIZE; }),
               msgs.end());
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(LoWord(static_cast<uintptr_t>(msgs[0].lParam)), 800);
    EXPECT_EQ(HiWord(static_cast<uintptr_t>(msgs[0].lParam)), 600);
}

TEST_F(PumpFixture, SeveralDroppedFilesSendOnlyTheFirstWholePathToTheEditor)
{
    TestSupport::TempFolder docs;
    DebugSystem debug(docs.Path());
    CoreEngine core;
    std::vector<std::string> journal;
    auto* recorder = new TestSupport::RecordingSystem("Recorder", &journal);
    core.AddSystem(recorder);
    EngineConfig config(docs.Path());
    config.mWidth = 640;
    config.mHeight = 480;
    auto* window = new WindowSystem(&config);
    core.AddSystem(window);
    // A system as in the program: it takes the dropped file from the window message.
    auto* editor = new OurImGui();
    core.AddSystem(editor);

    const std::string longPath = "/tmp/" + std::string(900, 'p') + "/sheet.png";
    PushDrop(SDL_DROPBEGIN);
    PushDrop(SDL_DROPFILE, longPath.c_str());
    PushDrop(SDL_DROPFILE, "/tmp/second.png");
    PushDrop(SDL_DROPCOMPLETE);
    window->Update(0.0f);
    EXPECT_EQ(editor->mLastDroppedFile, longPath);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "Recorder:message3"), 0);
    core.DestroySystems();
}
