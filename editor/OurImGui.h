// The built-in level editor: the last engine system, drawn with Dear ImGui
// over the scene. This class is the editor's state and its ImGui binding
// (window messages and the input state in, GL 3.3 draws out); what the editor
// draws each frame is laid out in EditorFrame.cpp, and every panel and dialog
// is a member function defined in a file of its own:
//
//   EditorFrame.cpp            Update: the frame, F3 / F7 / Ctrl, the play-test save
//   EditorMenuBar.cpp          the main menu bar and the frame-rate read-out
//   InfoPanels.cpp             "Level Serializables" and "Additional Informations"
//   ObjectListPanel.cpp        "All Game Objects"
//   ComponentEditorPanel.cpp   "Component Editor"
//   TileMapEditing.cpp         grid lines, tile painting, "TileSet Editor"
//   FileDropDialogs.cpp        the dialogs of a file dropped on the window
//   FileAndManagerDialogs.cpp  the open level dialog or resource manager
//   ImGuiBinding.cpp           NewFrame, window messages, cursor, clipboard
//   ImGuiRenderer.cpp          RenderDrawLists and the GL device objects
//   EditorStyle.cpp            sizes, roundings and the colour table
//   EditorWidgets.*            widgets several panels share
//   ResourceList.*             the entries of the resource folders
#pragma once
#include <bitset>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include "core/math/MathTypes.h"
#include "core/engine/System.h"
#include "editor/EditPanels.h"
#include "editor/ResourceList.h"
#include "graphics/SpriteSheet.h"
#include "platform/Win32Types.h"

struct ImGuiContext;
struct ImGuiIO;
struct ImDrawData;

namespace Framework
{
class Composition;
struct EditorDialogState;
struct InputState;

// Which dialog or manager window the editor shows (the open dialog field).
namespace EditorDialog
{
enum : int
{
    None = 0,
    ArtManager = 1,
    AnimationManager = 2,
    SoundManager = 3,
    SaveFile = 4,
    LoadFile = 5,
};
}

// What the object list panel works on (the object type field).
namespace EditorObjectType
{
enum : int
{
    Archetypes = 0,
    LiveObjects = 1,
    TileMap = 2,
};
}

// The camera values "Level Serializables" edits, read from the active camera
// once, the first time the window finds one; an edit writes all three back
// (later changes made to the camera elsewhere do not reach them).
struct CameraWorkingValues
{
    bool mRead = false;
    Vec3 mMin{0.0f}, mMax{0.0f}, mScale{0.0f};             // x, y edited; z 0
    Vec3 mLastMin{0.0f}, mLastMax{0.0f}, mLastScale{0.0f}; // as last written to the camera
};

class OurImGui : public System
{
public:
    using ObjectMap = std::map<uint32_t, Composition*>;

    // Makes the editor's ImGui context and scans the resource folders.
    OurImGui();
    // Releases the GL objects, writes "imgui.ini", then frees the context.
    ~OurImGui() override;
    void Update(float dt) override;
    // Font, key map, style and, when a GL context is ready, the GL objects.
    void Init() override;
    std::string GetName() override { return "OurImGui"; }
    void SendMessage(Message* message) override;

    // ---- Binding (ImGuiBinding.cpp) --------------------------------------------
    // Display size, dt, mouse and cursor into ImGui's IO, then ImGui::NewFrame.
    void NewFrame(float dt);
    void HandleWindowMessage(uint32_t message, WPARAM wParam, LPARAM lParam);
    // Where the mouse is in ImGui's pixels: the input state's cursor relative to
    // the window, less the frame of a windowed window. Also shown by the
    // information panel, so both agree.
    static void MouseInWindow(const InputState& input, float& x, float& y);

    // ---- Rendering (ImGuiRenderer.cpp) -----------------------------------------
    // Draws ImGui's lists with our program; leaves the GL state as it found it
    // (but the polygon mode, the viewport and the scissor box).
    void RenderDrawLists(ImDrawData* drawData);
    bool CreateDeviceObjects();
    void CreateFontsTexture();
    void InvalidateDeviceObjects();
    bool HasDeviceObjects() const;
    // The windows' places from and to mIniPath, through our file layer.
    void LoadWindowSettings();
    void SaveWindowSettings();

    // ---- The frame (EditorFrame.cpp and one file per panel) ---------------------
    // F7: writes the level pair "level_test" and switches to it. False (logged,
    // the state unchanged) when either file could not be written.
    bool PlayTestSave();
    void MainMenuBar();
    void LevelSerializablesPanel();
    void AdditionalInfoPanel();
    void ObjectListPanel();
    void ComponentEditorPanel();
    // Tile map mode: the grid lines and the Ctrl+mouse painting keys.
    void TileGridEditing();
    void TileSetEditorPanel();
    void FileDropDialogs();
    void FileAndManagerDialogs(float dt);

    // ---- State shared by the panels -----------------------------------------------
    ImGuiContext* mContext = nullptr; // the editor's own ImGui context
    ImGuiIO* mIo = nullptr;           // its IO block
    // Where the windows' places are kept between runs; null: nowhere (tests,
    // or a name taken by something that is no regular file).
    const char* mIniPath = "imgui.ini";
    int mSelectedIndex = 0;   // selected entry of the object list (into the map of the object type)
    int mComponentChoice = 0; // entry chosen in the component editor's creator list
    int mTileSetIndex = 0;    // entry chosen in the tile set editor's "TileSet" list
    uint32_t mWidth = 0;      // display size handed to ImGui, in pixels (Init, WM_SIZE)
    uint32_t mHeight = 0;
    int mObjectType = EditorObjectType::LiveObjects;
    char mNewObjectName[64] = "New_GameObject"; // name of objects made with "Create Object"
    std::string mLastDroppedFile;               // full path of the last file dropped on the window
    char mTextBuffer[1024] = {};                // the file-drop dialog's text field
    bool mFileDropped = false;                  // a dropped file waits for its dialog
    ResourceList mResourceList;
    uint32_t mColliderIndex = 0;        // collision tile chosen in the object list's tile section
    uint32_t mPlatformIndex = 0;        // platform tile chosen in the tile set editor
    ObjectMap* mObjectMap = nullptr;    // the factory's live objects; not owned, null without a factory
    ObjectMap* mArchetypeMap = nullptr; // the factory's archetypes; not owned, null without a factory
    bool mObjectListOpen = true;        // "All Game Objects" is open
    bool mSideWindowOpen = true;        // "Component Editor" (or "TileSet Editor" in tile mode) is open
    int mOpenDialog = EditorDialog::None;
    SpriteSheet mImportSheet;                        // the sheet the file-drop dialog builds
    CameraWorkingValues mCameraValues;               // "Level Serializables"; live as long as the editor
    EditPanelsState mPanels;                         // object list, component editor and tile tools
    std::unique_ptr<EditorDialogState> mDialogState; // the dialogs' and managers' memory; made on first use

    // Keys that went down since ImGui last looked, and those of them already
    // let go: ImGui reads keys once a frame, so their release waits for it.
    std::bitset<256> mKeysUnseen;
    std::bitset<256> mKeyUpsWaiting;

    // Draw lists handed to RenderDrawLists by the last Update (0 when it drew nothing).
    int mLastDrawListCount = 0;
};

extern OurImGui* gEditor;
// While true the editor draws nothing in the editor state (F3). Survives
// leaving and re-entering the state.
extern bool gEditorHidden;
} // namespace Framework
