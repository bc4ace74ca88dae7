#pragma once
// The base of every syntax parser: the contract with the text models and the
// list of text models that recolour when the parser's rules change.
#include <cstdint>
#include <vector>

#include "text/line_parser.h"

namespace tessorin {

class TSimpleParser : public TLineParser {
public:
    explicit TSimpleParser(TComponent* owner = nullptr) : TLineParser(owner) {}
    ~TSimpleParser() override;

    void SetLinePos(int) override {}
    // Whether the parser gives a style its own background colour; -1 as the
    // colour means the editor's.
    virtual bool GetStyleColor(int /*style*/, std::int32_t& /*color*/) const { return false; }
    // Attribute parsers keep fonts and colours themselves.
    virtual bool UsesAttributes() const { return false; }
    void PrepareColorData(int line, const std::u16string& text, std::string& colorData) override;

    void RegisterClient(TComponent* client, TRulesChangedEvent changed) override;
    void UnregisterClient(TComponent* client) override;

protected:
    // Every attached text model drops its colours and recolours.
    void RulesChanged();

private:
    struct TClient {
        TComponent* Client;
        TRulesChangedEvent Changed;
    };
    std::vector<TClient> FClients;
};

} // namespace tessorin
