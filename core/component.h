#pragma once
// The small component model: an owner destroys what it owns, components have
// names, and any component can ask to hear, exactly once, of another's end.
#include <memory>
#include <string>
#include <vector>

namespace tessorin {

enum class TOperation { opInsert, opRemove };

class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::u16string& Name() const { return FName; }
    void SetName(const std::u16string& name) { FName = name; }

    const std::vector<TComponent*>& Components() const { return FComponents; }
    TComponent* FindComponent(const std::u16string& name) const;

    // `other` hears of this component's destruction through its Notification.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    bool Destroying() const { return FDestroying; }

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    // Tells every listener, once, that this component is going. ~TComponent
    // does it in any case; a descendant whose listeners call back into it
    // (to detach themselves, say) does it first in its own destructor,
    // while it is still whole.
    void NotifyDestruction();

private:
    void InsertComponent(TComponent* child);
    void RemoveComponent(TComponent* child);

    TComponent* FOwner = nullptr;
    std::u16string FName;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    bool FDestroying = false;
};

} // namespace tessorin
