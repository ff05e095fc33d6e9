#pragma once
// The base of every object of the control layer: a reference count and a
// free list of objects that are released together with their owner.
//
// A new object has count 0. Taking a reference adds 2 and ReleaseObject
// subtracts 2; the object is destroyed as soon as the count goes below zero.
// So an object that nobody holds a reference to dies on its first release,
// while one that is busy (a control inside its own message handling) lives
// until the last holder lets go.
#include <utility>
#include <vector>

namespace velmora {

class LayerObject {
public:
    LayerObject(const LayerObject&) = delete;
    LayerObject& operator=(const LayerObject&) = delete;

    bool IsBeingDestroyed() const { return destroying_; }

    // Called with the object just before its free list runs; at most once.
    void SetOnDestroy(void (*handler)(void* context, LayerObject* object), void* context);

protected:
    LayerObject() = default;
    virtual ~LayerObject();

    // Runs the on-destroy event, then releases the free list, then deletes
    // the object. Types that must act between those steps override this.
    virtual void Destroy();

    void RunOnDestroyEvent();
    // Releases every registered object in the order they were registered.
    void ReleaseFreeList();

private:
    friend void TakeReference(LayerObject* object);
    friend void ReleaseObject(LayerObject* object);
    friend void AddToFreeList(LayerObject* owner, LayerObject* object);
    friend void RemoveFromFreeList(LayerObject* owner, LayerObject* object);

    int references_ = 0;
    bool destroying_ = false;
    void (*onDestroy_)(void*, LayerObject*) = nullptr;
    void* onDestroyContext_ = nullptr;
    std::vector<LayerObject*> freeList_;
    LayerObject* owner_ = nullptr;   // whose free list holds this object
};

// Allocates an object; its count is 0, so one ReleaseObject destroys it.
template <class T, class... Args>
T* CreateObject(Args&&... args)
{
    return new T(std::forward<Args>(args)...);
}

void TakeReference(LayerObject* object);
// Nil is ignored. An object already being destroyed is not destroyed again.
void ReleaseObject(LayerObject* object);
// The owner releases the object when the owner is destroyed. An object sits
// in at most one free list: registering it again moves it; releasing it
// earlier takes it out, so it is never released twice.
void AddToFreeList(LayerObject* owner, LayerObject* object);
void RemoveFromFreeList(LayerObject* owner, LayerObject* object);

} // namespace velmora
