#include "core/objects/Composition.h"
#include <algorithm>
#include "core/objects/ComponentCreator.h"
#include "core/objects/Factory.h"

namespace Framework
{
namespace
{
bool ByTypeId(const Component* a, const Component* b) { return a->mTypeId < b->mTypeId; }
} // namespace

ObjectTagField& ObjectTagField::operator=(uint32_t tag)
{
    mValue = tag;
    if (mObject)
        mObject->ShareTag();
    return *this;
}

Composition::Composition(const std::string& name) : mName(name) {}

Composition::Composition(const Composition& other) : mTag(this, other.mTag), mId(other.mId), mName(other.mName)
{
    if (!gFactory)
        return;
    // other's vector is sorted, so appending in its order keeps this one sorted.
    for (const Component* component : other.mComponents)
    {
        ComponentCreator* creator = gFactory->GetCreator(gFactory->GetComponentName(component->mTypeId));
        if (!creator)
            continue;
        if (Component* clone = creator->Clone(*component))
            mComponents.push_back(clone);
    }
    // The clones keep the source's owner (and its tag) until Initialize.
    FindMessageHandlers();
}

Composition::~Composition()
{
    ObjectHandle::Release(mHandle);
    for (Component* component : mComponents)
        delete component;
    mComponents.clear();
    mMessageHandlers = 0;
}

void Composition::AddComponent(int32_t typeId, Component* component)
{
    if (!component)
        return;
    component->mTypeId = typeId;
    component->mOwner = this;
    component->mOwnerTag = mTag;
    mComponents.push_back(component);
    // Stable, so a second component of the same type stays behind the first.
    std::stable_sort(mComponents.begin(), mComponents.end(), ByTypeId);
    FindMessageHandlers();
}

Component* Composition::GetComponent(int32_t typeId) const
{
    auto it = std::lower_bound(mComponents.begin(), mComponents.end(), typeId,
                               [](const Component* c, int32_t id) { return c->mTypeId < id; });
    if (it != mComponents.end() && (*it)->mTypeId == typeId)
        return *it;
    return nullptr;
}

void Composition::Initialize()
{
    // Index loop: an Initialize may look up siblings but never adds components.
    for (size_t i = 0; i < mComponents.size(); ++i)
    {
        mComponents[i]->mOwner = this;
        mComponents[i]->mOwnerTag = mTag;
        mComponents[i]->Initialize();
    }
}

void Composition::RemovePendingComponents()
{
    for (Component* marked : mPendingRemoval)
    {
        auto it = std::find(mComponents.begin(), mComponents.end(), marked);
        if (it == mComponents.end())
            continue;
        mComponents.erase(it);
        delete marked;
    }
    mPendingRemoval.clear();
    FindMessageHandlers();
}

void Composition::FindMessageHandlers()
{
    mMessageHandlers = 0;
    const size_t count = std::min(mComponents.size(), kHandlerBits);
    for (size_t i = 0; i < count; ++i)
        if (mComponents[i] && mComponents[i]->HandlesMessages())
            mMessageHandlers |= uint64_t{1} << i;
}

void Composition::ShareTag()
{
    for (Component* component : mComponents)
        if (component)
            component->mOwnerTag = mTag;
}
} // namespace Framework
