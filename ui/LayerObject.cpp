#include "ui/LayerObject.h"
#include <algorithm>

namespace velmora {

LayerObject::~LayerObject() = default;

void LayerObject::SetOnDestroy(void (*handler)(void*, LayerObject*), void* context)
{
    onDestroy_ = handler;
    onDestroyContext_ = context;
}

void LayerObject::RunOnDestroyEvent()
{
    auto handler = onDestroy_;
    onDestroy_ = nullptr;   // cleared first, so it runs once
    if (handler)
        handler(onDestroyContext_, this);
}

void LayerObject::ReleaseFreeList()
{
    // An entry may take others out of the list while it is being released,
    // so take one at a time from the front.
    while (!freeList_.empty()) {
        LayerObject* object = freeList_.front();
        freeList_.erase(freeList_.begin());
        object->owner_ = nullptr;
        ReleaseObject(object);
    }
}

void LayerObject::Destroy()
{
    RunOnDestroyEvent();
    ReleaseFreeList();
    delete this;
}

void TakeReference(LayerObject* object)
{
    if (object)
        object->references_ += 2;
}

void ReleaseObject(LayerObject* object)
{
    if (!object)
        return;
    object->references_ -= 2;
    if (object->references_ >= 0 || object->destroying_)
        return;
    object->destroying_ = true;
    if (object->owner_)
        RemoveFromFreeList(object->owner_, object);
    object->Destroy();
}

void AddToFreeList(LayerObject* owner, LayerObject* object)
{
    if (!owner || !object || object->owner_ == owner)
        return;
    if (object->owner_)
        RemoveFromFreeList(object->owner_, object);
    owner->freeList_.push_back(object);
    object->owner_ = owner;
}

void RemoveFromFreeList(LayerObject* owner, LayerObject* object)
{
    if (!owner || !object)
        return;
    auto& list = owner->freeList_;
    list.erase(std::remove(list.begin(), list.end(), object), list.end());
    if (object->owner_ == owner)
        object->owner_ = nullptr;
}

} // namespace velmora
