#include "support/ImGuiItemRecorder.h"
#include <imgui_internal.h>
#include <cstring>
#include <set>
#include <sstream>
#include <unordered_map>

namespace TestSupport
{
namespace
{
// The widgets of the frame being built, or of the last one between frames.
struct Records
{
    ImGuiContext* mContext = nullptr;                 // whose widgets these are
    std::unordered_map<ImGuiID, std::string> mLabels; // id -> label, from GetID
    std::unordered_map<ImGuiID, ImGuiID> mSeeds;      // id -> the ID-stack top it was made on
    std::unordered_map<ImGuiID, std::string> mPushed; // ID-stack entry -> label pushed (PushID)
    std::vector<RecordedItem> mItems;
};

Records& TheRecords()
{
    static Records records;
    return records;
}

std::set<ImGuiContext*>& HookedContexts()
{
    static std::set<ImGuiContext*> contexts;
    return contexts;
}

void ClearRecords(ImGuiContext* context, ImGuiContextHook*)
{
    TheRecords() = Records();
    TheRecords().mContext = context;
}

void ForgetContext(ImGuiContext* context, ImGuiContextHook*) { HookedContexts().erase(context); }

void Watch(ImGuiContext* context)
{
    if (!context || !HookedContexts().insert(context).second)
        return;
    ImGuiContextHook hook;
    hook.Type = ImGuiContextHookType_NewFramePre;
    hook.Callback = &ClearRecords;
    ImGui::AddContextHook(context, &hook);
    hook.Type = ImGuiContextHookType_Shutdown;
    hook.Callback = &ForgetContext;
    ImGui::AddContextHook(context, &hook);
}

// Each frame starts with empty records; so does a context seen for the first time.
Records& Current()
{
    ImGuiContext* context = ImGui::GetCurrentContext();
    Watch(context);
    if (TheRecords().mContext != context)
        ClearRecords(context, nullptr);
    return TheRecords();
}

// A widget drawn as a part of another ("" under PushID(label)) goes by the
// label pushed for it.
std::string LabelOf(const Records& records, ImGuiID id)
{
    const auto label = records.mLabels.find(id);
    if (label != records.mLabels.end() && !label->second.empty())
        return label->second;
    const auto seed = records.mSeeds.find(id);
    if (seed != records.mSeeds.end())
    {
        const auto pushed = records.mPushed.find(seed->second);
        if (pushed != records.mPushed.end())
            return pushed->second;
    }
    return label != records.mLabels.end() ? label->second : std::string();
}
} // namespace
} // namespace TestSupport

// ---- The wrapped ImGui internals ------------------------------------------------
// Names as the C++ compiler spells them; ld routes every call from ImGui's
// widget code to __wrap_<name> and __real_<name> to the original.
ImGuiID RealGetId(ImGuiWindow* window, const char* str, const char* strEnd) asm("__real__ZN11ImGuiWindow5GetIDEPKcS1_");
ImGuiID WrapGetId(ImGuiWindow* window, const char* str, const char* strEnd) asm("__wrap__ZN11ImGuiWindow5GetIDEPKcS1_");
bool RealItemAdd(const ImRect& bb, ImGuiID id, const ImRect* navBb,
                 ImGuiItemFlags flags) asm("__real__ZN5ImGui7ItemAddERK6ImRectjPS1_i");
bool WrapItemAdd(const ImRect& bb, ImGuiID id, const ImRect* navBb,
                 ImGuiItemFlags flags) asm("__wrap__ZN5ImGui7ItemAddERK6ImRectjPS1_i");

void RealPushId(const char* str) asm("__real__ZN5ImGui6PushIDEPKc");
void WrapPushId(const char* str) asm("__wrap__ZN5ImGui6PushIDEPKc");

ImGuiID WrapGetId(ImGuiWindow* window, const char* str, const char* strEnd)
{
    const ImGuiID seed = window->IDStack.back();
    const ImGuiID id = RealGetId(window, str, strEnd);
    if (str)
    {
        TestSupport::Records& records = TestSupport::Current();
        records.mLabels[id] = strEnd ? std::string(str, strEnd) : std::string(str);
        records.mSeeds[id] = seed;
    }
    return id;
}

void RealPushIdNumber(int n) asm("__real__ZN5ImGui6PushIDEi");
void WrapPushIdNumber(int n) asm("__wrap__ZN5ImGui6PushIDEi");

// The parts of a composite widget (DragFloat2's x and y) sit under
// PushID(label) then PushID(index): they go by the composite's label.
void WrapPushIdNumber(int n)
{
    RealPushIdNumber(n);
    ImGuiContext* context = ImGui::GetCurrentContext();
    if (!context || !context->CurrentWindow || context->CurrentWindow->IDStack.Size < 2)
        return;
    const ImVector<ImGuiID>& stack = context->CurrentWindow->IDStack;
    TestSupport::Records& records = TestSupport::Current();
    const auto parent = records.mPushed.find(stack[stack.Size - 2]);
    if (parent != records.mPushed.end())
    {
        const std::string label = parent->second; // the map may grow below
        records.mPushed[stack.back()] = label;
    }
}

void WrapPushId(const char* str)
{
    RealPushId(str);
    ImGuiContext* context = ImGui::GetCurrentContext();
    if (str && context && context->CurrentWindow)
        TestSupport::Current().mPushed[context->CurrentWindow->IDStack.back()] = str;
}

bool WrapItemAdd(const ImRect& bb, ImGuiID id, const ImRect* navBb, ImGuiItemFlags flags)
{
    if (id != 0)
    {
        TestSupport::Records& frame = TestSupport::Current();
        TestSupport::RecordedItem item;
        item.mId = id;
        item.mLabel = TestSupport::LabelOf(frame, id);
        if (ImGuiContext* context = ImGui::GetCurrentContext())
            if (context->CurrentWindow)
                item.mWindow = context->CurrentWindow->Name;
        item.mMin = bb.Min;
        item.mMax = bb.Max;
        frame.mItems.push_back(std::move(item));
    }
    return RealItemAdd(bb, id, navBb, flags);
}

namespace TestSupport
{
void RecordItemsOf(ImGuiContext* context) { Watch(context); }

const std::vector<RecordedItem>& RecordedItems()
{
    static const std::vector<RecordedItem> none;
    return TheRecords().mContext == ImGui::GetCurrentContext() ? TheRecords().mItems : none;
}

const RecordedItem* FindItem(const std::string& label, const std::string& window)
{
    for (const RecordedItem& item : RecordedItems())
        if (item.mLabel == label && (window.empty() || item.mWindow == window))
            return &item;
    return nullptr;
}

const RecordedItem* FindItemById(unsigned int id)
{
    for (const RecordedItem& item : RecordedItems())
        if (item.mId == id)
            return &item;
    return nullptr;
}

std::string DescribeRecordedItems()
{
    std::ostringstream out;
    for (const RecordedItem& item : RecordedItems())
        out << "\"" << item.mLabel << "\" in \"" << item.mWindow << "\" at (" << item.mMin.x << ", " << item.mMin.y
            << ")-(" << item.mMax.x << ", " << item.mMax.y << ")\n";
    return out.str();
}

unsigned int IdPath(const std::string& window, std::initializer_list<IdPart> parts)
{
    ImGuiID id = ImHashStr(window.c_str());
    for (const IdPart& part : parts)
        id =
            part.mIsNumber ? ImHashData(&part.mNumber, sizeof(part.mNumber), id) : ImHashStr(part.mText.c_str(), 0, id);
    return id;
}
} // namespace TestSupport
