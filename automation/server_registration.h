#pragma once
// The registry entries that let COM start the tool for Karvel: the class,
// its ProgID "tessorin.tessorinx" and the type library. Failures raise
// EOleSysError.
namespace tessorin {

void RegisterAutomationServer();
void UnregisterAutomationServer();

} // namespace tessorin
