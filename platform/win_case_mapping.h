#pragma once
// The system's letter case for the portable core.
namespace tessorin {
void InstallWin32CaseMapping();
}
