#pragma once
// What the text model asks of its syntax parser. The parser components
// implement it, so the text model needs nothing else of them.
#include <functional>
#include <string>

#include "core/component.h"

namespace tessorin {

class TLineParser : public TComponent {
public:
    using TComponent::TComponent;
    using TRulesChangedEvent = std::function<void()>;

    // The line about to be parsed, for error positions.
    virtual void SetLinePos(int line) = 0;
    // Sizes the colour data to the text, every byte 0.
    virtual void PrepareColorData(int line, const std::u16string& text, std::string& colorData) = 0;
    // Colours one line that starts in `startState`; answers the state at
    // its end. Lines may come in any order.
    virtual int ParseLine(const std::u16string& text, int startState, std::string& colorData) = 0;
    // `changed` runs whenever the parser's rules change, until unregistered.
    virtual void RegisterClient(TComponent* client, TRulesChangedEvent changed) = 0;
    virtual void UnregisterClient(TComponent* client) = 0;
};

} // namespace tessorin
