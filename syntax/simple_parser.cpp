#include "syntax/simple_parser.h"

#include <algorithm>

namespace tessorin {

TSimpleParser::~TSimpleParser() {
    // The text models let go of the parser while it is still whole.
    NotifyDestruction();
}

void TSimpleParser::PrepareColorData(int, const std::u16string& text, std::string& colorData) {
    colorData.assign(text.size(), '\0');
}

void TSimpleParser::RegisterClient(TComponent* client, TRulesChangedEvent changed) {
    UnregisterClient(client);
    FClients.push_back({client, std::move(changed)});
}

void TSimpleParser::UnregisterClient(TComponent* client) {
    std::erase_if(FClients, [client](const TClient& c) { return c.Client == client; });
}

void TSimpleParser::RulesChanged() {
    // A client may unregister another while it recolours: walk a snapshot.
    const std::vector<TClient> clients = FClients;
    for (const TClient& c : clients)
        if (std::any_of(FClients.begin(), FClients.end(),
                        [&](const TClient& now) { return now.Client == c.Client; }))
            c.Changed();
}

} // namespace tessorin
