#pragma once
// An owning COM interface reference: AddRef on copy, Release on drop.
#include <unknwn.h>

#include <utility>

namespace tessorin {

template <class T> class TComPtr {
public:
    TComPtr() = default;
    TComPtr(T* p) : FPtr(p) { AddRef(); }
    TComPtr(const TComPtr& other) : FPtr(other.FPtr) { AddRef(); }
    TComPtr(TComPtr&& other) noexcept : FPtr(std::exchange(other.FPtr, nullptr)) {}
    ~TComPtr() { Release(); }

    TComPtr& operator=(TComPtr other) noexcept {
        std::swap(FPtr, other.FPtr);
        return *this;
    }

    // Takes over a reference the caller already owns.
    static TComPtr Adopt(T* p) {
        TComPtr result;
        result.FPtr = p;
        return result;
    }

    T* Get() const { return FPtr; }
    T* operator->() const { return FPtr; }
    explicit operator bool() const { return FPtr != nullptr; }

    // For out parameters: drops the current reference first.
    T** Put() {
        Release();
        return &FPtr;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    T* Detach() { return std::exchange(FPtr, nullptr); }
    void Reset() { Release(); }

    template <class U> TComPtr<U> As(REFIID iid) const {
        TComPtr<U> result;
        if (FPtr)
            FPtr->QueryInterface(iid, result.PutVoid());
        return result;
    }

private:
    void AddRef() {
        if (FPtr)
            FPtr->AddRef();
    }
    void Release() {
        if (auto* p = std::exchange(FPtr, nullptr))
            p->Release();
    }

    T* FPtr = nullptr;
};

} // namespace tessorin
