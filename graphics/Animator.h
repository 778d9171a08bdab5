// Plays an Animation of the rendering manager's table on the Renderer of the
// same object, by rewriting the Renderer's frame index at the animation's rate.
#pragma once
#include <string>
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"

namespace Framework
{
struct Animation;
class Renderer;

class Animator : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::Animator;

    Animator() = default;
    Animator(const Animator& other) = default;
    Animator& operator=(const Animator&) = delete;
    ~Animator() override;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    // Takes the Renderer and the Animation named AniName, shows frame 0 of the
    // animation's sheet, takes its rate, and joins the animator list.
    void Initialize() override;
    void DrawInspector() override;

    // At most one step per call, once a frame duration has passed.
    void Update(float dt);
    // Restarts at frame position 0 with the named animation (an unknown name
    // keeps the current one) and shows sheet frame `frame`; joins the animator
    // list once it has an animation and a Renderer.
    void SetAnimation(unsigned frame, const std::string& name);
    // FPS and the frame duration that goes with it (0 when FPS <= 0).
    void SetFPS(int fps);
    // In the rendering manager's animator list.
    bool IsRegistered() const;

    int32_t mFramePosition = 0;  // position in the animation's frame list
    int32_t mFPS = 0;            // steps only while > 0
    float mTimer = 0.0f;         // seconds since the last step
    float mFrameDuration = 0.0f; // 1 / FPS, or 0
    std::string mAniName = "Tester";
    Animation* mAnimation = nullptr; // not owned: an entry of the animation table
    int32_t mIndex = 0;              // the inspector's position of AniName; saved, not used otherwise
    bool mLoop = true;
    bool mPlaying = true;

    // The owner's Renderer, or null; never kept, so deleting it leaves nothing dangling.
    Renderer* OwnRenderer() const;

private:
    // Sheet key and sheet of the Renderer from the current animation.
    void ShowAnimationSheet();
};
} // namespace Framework
