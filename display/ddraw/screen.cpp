// What the screen shows, and the tickets that stand in for the addresses of locked pixels.
#include <vector>

#include "display/ddraw/ddraw_internal.h"
#include "host/host.h"

namespace {

std::vector<IDirectDrawSurface*> ticketHolders;  // ticket n belongs to entry n - 1

}  // namespace

void DirectDrawShowScreen(const IDirectDrawSurface* primary) {
    HostScreen screen = {primary->pixels.data(), primary->width, primary->height, primary->pitch,
                         primary->palette != nullptr ? &primary->palette->entries[0].peRed : nullptr};
    HostShowScreen(&screen);
}

DWORD DirectDrawIssueTicket(IDirectDrawSurface* surface) {
    for (size_t i = 0; i < ticketHolders.size(); ++i) {
        if (ticketHolders[i] == nullptr) {
            ticketHolders[i] = surface;
            return static_cast<DWORD>(i + 1);
        }
    }
    ticketHolders.push_back(surface);
    return static_cast<DWORD>(ticketHolders.size());
}

void DirectDrawWithdrawTicket(DWORD ticket) {
    if (ticket >= 1 && ticket <= ticketHolders.size()) ticketHolders[ticket - 1] = nullptr;
}

void* DirectDrawSurfaceAddress(DWORD ticket) {
    if (ticket < 1 || ticket > ticketHolders.size() || ticketHolders[ticket - 1] == nullptr) return nullptr;
    return ticketHolders[ticket - 1]->pixels.data();
}
