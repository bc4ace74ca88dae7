#pragma once
// A non-owning reference to something callable: for hot paths that call a
// lambda synchronously, where std::function would allocate.
#include <type_traits>
#include <utility>

namespace tessorin {

template <class TSignature> class TFunctionRef;

template <class TResult, class... TArgs> class TFunctionRef<TResult(TArgs...)> {
public:
    template <class TCallable,
              class = std::enable_if_t<!std::is_same_v<std::decay_t<TCallable>, TFunctionRef>>>
    TFunctionRef(TCallable&& callable)
        : FObject(const_cast<void*>(static_cast<const void*>(&callable))),
          FCall([](void* object, TArgs... args) -> TResult {
              return (*static_cast<std::remove_reference_t<TCallable>*>(object))(
                  std::forward<TArgs>(args)...);
          }) {}

    TResult operator()(TArgs... args) const { return FCall(FObject, std::forward<TArgs>(args)...); }

private:
    void* FObject;
    TResult (*FCall)(void*, TArgs...);
};

} // namespace tessorin
